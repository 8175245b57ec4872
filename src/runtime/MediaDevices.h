#pragma once
// The sound devices of audio elements, on Qt Multimedia: each play opens a new device (a
// media player with its audio output) under a fresh alias "Wav-%d", plays the file once and
// reports the end to the registered target; a stop reports the play as aborted. Every
// device is closed once it has ended, failed or been stopped. A device still playing when a
// run ends plays to its end.
//
// The devices live on the application's thread (the window thread). Play, Stop and Close
// may be called from any thread: calls from other threads are carried out there later, in
// order. The notifications (target calls) always come on the application's thread.
#include <QObject>
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace dw {

// Notification codes, as the media framework's completion message carries them.
inline constexpr int kMediaNotifySuccessful = 1;
inline constexpr int kMediaNotifyAborted = 4;

class IMediaEvents {
public:
    virtual ~IMediaEvents() = default;
    // A device ended (kMediaNotifySuccessful) or was stopped (kMediaNotifyAborted).
    virtual void OnMediaNotify(std::uint32_t device, int code) = 0;
    // The file of a device could not be opened or played; `text` is the framework's reason.
    virtual void OnMediaError(std::uint32_t device, const std::string& text) = 0;
};

class MediaDevices : public QObject {
    Q_OBJECT
public:
    // The process's devices, created on first use; call first on the application's thread.
    // Null without a Qt application, or when called first from another thread.
    static MediaDevices* Instance();
    // Takes the next alias number (the first of the process is 1; never reset). The number
    // is also the device's id.
    static std::uint32_t NextDeviceId();
    static std::string AliasOf(std::uint32_t device);

    // Opens `storedFile` (as a gauge stores it, relative to the working folder) as device
    // `device` and plays it from the start to the end with notification.
    void Play(std::uint32_t device, const std::string& storedFile);
    // Stops the device; it reports the play as aborted, then closes.
    void Stop(std::uint32_t device);
    // Closes the device without a notification (nothing when it is not open).
    void Close(std::uint32_t device);

    // Application thread: who hears of ends and errors (null: nobody; ended devices close).
    void SetTarget(IMediaEvents* target) { target_ = target; }
    // Application thread: devices open now, and the alias of each.
    std::size_t OpenCount() const { return devices_.size(); }
    bool IsOpen(std::uint32_t device) const { return devices_.count(device) != 0; }

private:
    explicit MediaDevices(QObject* parent);
    struct Device;
    // Runs f on the application's thread (directly when already there).
    void OnOwnThread(std::function<void()> f);
    void Ended(std::uint32_t device, int code);
    void Failed(std::uint32_t device, const std::string& text);

    std::map<std::uint32_t, Device*> devices_;
    IMediaEvents* target_ = nullptr;
};

}  // namespace dw
