#pragma once
// The "Play" preview of the audio properties dialog: the first press plays the file from
// the start, the next one stops it. The end of the sound clears the playing flag without
// closing the player; a file that cannot be opened is not reported.
#include <QObject>
#include <memory>
#include <string>

class QAudioOutput;
class QMediaPlayer;

namespace dw::dialogs {

class AudioPreview : public QObject {
    Q_OBJECT
public:
    explicit AudioPreview(QObject* parent = nullptr);
    ~AudioPreview() override;

    // Stops a playing preview, or else starts the stored file (any case and separator,
    // relative to the working folder).
    void Toggle(const std::string& storedFile);
    // Closes the player (the dialog closes).
    void Close();

    bool IsPlaying() const { return playing; }

signals:
    // The sound reached its end.
    void Finished();

private:
    QMediaPlayer* player = nullptr;
    QAudioOutput* output = nullptr;
    bool playing = false;
};

}  // namespace dw::dialogs
