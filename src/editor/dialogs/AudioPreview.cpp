#include "editor/dialogs/AudioPreview.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

#include "files/Paths.h"
#include "platform/qt/QtText.h"

namespace dw::dialogs {

AudioPreview::AudioPreview(QObject* parent) : QObject(parent) {}

AudioPreview::~AudioPreview() {
    Close();
}

void AudioPreview::Toggle(const std::string& storedFile) {
    if (playing) {
        Close();
        return;
    }
    Close();
    player = new QMediaPlayer(this);
    output = new QAudioOutput(this);
    player->setAudioOutput(output);
    connect(player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus s) {
        if (s != QMediaPlayer::EndOfMedia) return;
        playing = false;
        emit Finished();
    });
    const std::string real = storedFile.empty() ? storedFile : ResolveStoredPath(storedFile);
    player->setSource(QUrl::fromLocalFile(qt::PathFromBytes(real)));
    player->play();
    playing = true;
}

void AudioPreview::Close() {
    playing = false;
    if (player != nullptr) {
        player->disconnect(this);
        player->stop();
        delete player;
        player = nullptr;
    }
    delete output;
    output = nullptr;
}

}  // namespace dw::dialogs
