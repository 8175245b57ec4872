#include "runtime/MediaDevices.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QMediaPlayer>
#include <QPointer>
#include <QThread>
#include <QUrl>
#include <cstdlib>

#include "files/Paths.h"

namespace dw {

// One open device: a media player with its audio output, deleted through the event loop so
// that a device may close from inside its own signals.
struct MediaDevices::Device {
    QMediaPlayer* player = nullptr;
    QAudioOutput* output = nullptr;
};

namespace {

std::atomic<std::uint32_t> aliasCounter{0};
std::atomic<MediaDevices*> instance{nullptr};

}  // namespace

MediaDevices* MediaDevices::Instance() {
    if (MediaDevices* existing = instance.load()) return existing;
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || QThread::currentThread() != app->thread()) return nullptr;
    // Without a sound card the FFmpeg back-end of this Qt version ends the process when it
    // opens a device; GStreamer plays to an unheard sink and reports the end.
    if (std::getenv("QT_MEDIA_BACKEND") == nullptr) qputenv("QT_MEDIA_BACKEND", "gstreamer");
    auto* created = new MediaDevices(app);
    instance.store(created);
    QObject::connect(created, &QObject::destroyed, [] { instance.store(nullptr); });
    return created;
}

MediaDevices::MediaDevices(QObject* parent) : QObject(parent) {}

std::uint32_t MediaDevices::NextDeviceId() {
    return aliasCounter.fetch_add(1) + 1;
}

std::string MediaDevices::AliasOf(std::uint32_t device) {
    return "Wav-" + std::to_string(device);
}

void MediaDevices::OnOwnThread(std::function<void()> f) {
    if (QThread::currentThread() == thread())
        f();
    else
        QMetaObject::invokeMethod(this, std::move(f), Qt::QueuedConnection);
}

void MediaDevices::Play(std::uint32_t device, const std::string& storedFile) {
    OnOwnThread([this, device, storedFile] {
        Close(device);
        auto* player = new QMediaPlayer(this);
        auto* output = new QAudioOutput(player);
        player->setObjectName(QString::fromStdString(AliasOf(device)));
        player->setAudioOutput(output);
        devices_[device] = new Device{player, output};
        connect(player, &QMediaPlayer::mediaStatusChanged, this,
                [this, device](QMediaPlayer::MediaStatus status) {
                    if (status == QMediaPlayer::EndOfMedia) Ended(device, kMediaNotifySuccessful);
                });
        connect(player, &QMediaPlayer::errorOccurred, this,
                [this, device, player](QMediaPlayer::Error, const QString& text) {
                    Failed(device, player->errorString().isEmpty()
                                       ? text.toStdString()
                                       : player->errorString().toStdString());
                });
        const std::string path = ResolveStoredPath(storedFile);
        player->setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(path.c_str())));
        player->play();
    });
}

void MediaDevices::Stop(std::uint32_t device) {
    OnOwnThread([this, device] {
        auto found = devices_.find(device);
        if (found == devices_.end()) return;
        found->second->player->stop();
        Ended(device, kMediaNotifyAborted);
    });
}

void MediaDevices::Close(std::uint32_t device) {
    OnOwnThread([this, device] {
        auto found = devices_.find(device);
        if (found == devices_.end()) return;
        Device* closing = found->second;
        devices_.erase(found);
        closing->player->disconnect(this);
        closing->player->stop();
        closing->player->deleteLater();  // takes its output along
        delete closing;
    });
}

void MediaDevices::Ended(std::uint32_t device, int code) {
    // The device closes first: a looping element opens a new one from the notification.
    Close(device);
    if (target_ != nullptr) target_->OnMediaNotify(device, code);
}

void MediaDevices::Failed(std::uint32_t device, const std::string& text) {
    Close(device);
    if (target_ != nullptr) target_->OnMediaError(device, text);
}

}  // namespace dw
