#pragma once
// What a ZEKO client tells its owner. The owner (the player window) implements the target;
// the client calls it from its dispatcher thread, so an implementation only posts the event
// to its own thread and returns at once: it must never wait for a thread that may be inside
// Close, Open or the destructor of the client (they wait for the dispatcher to end). Closing
// or destroying the client right there, on the dispatcher thread, is safe.
namespace dw {

// Notification codes, passed as the first parameter of the notification message.
enum ZekoNotifyCode : int {
    kZekoValuesProcessed = 0,    // a values line was processed
    kZekoResubscribe = 1,        // the server asked for a new subscription
    kZekoFarewell = 2,           // the server sent its farewell
    kZekoConnectionEnded = 9999  // the connection has ended (the client is disconnected)
};

class IZekoNotifyTarget {
public:
    virtual ~IZekoNotifyTarget() = default;
    // False once the window behind the target is gone; nothing is posted to it then.
    virtual bool IsAlive() const { return true; }
    // Posts `message` with `code` as first parameter and 0 as second.
    virtual void PostNotify(int message, int code) = 0;
    // Posts a close request (the server said farewell and close-on-farewell is set).
    virtual void PostClose() = 0;
};

}  // namespace dw
