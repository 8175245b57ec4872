#pragma once
// What a script run needs from outside its element: where "set" values go, where run-time
// errors are recorded, the running player (closed after an error, shown and hidden by
// "dwshow"/"dwhide"), and an optional trace of what the statements did.
#include <cstdint>
#include <string_view>

#include "model/CElement.h"

namespace dw {

class ISettingsStore;

// Receives the values that "set" statements send: link 1 or 2, variable number, value.
class IValueSink {
public:
    virtual ~IValueSink() = default;
    virtual void SendValue(int link, std::int32_t offset, std::int32_t value) = 0;
};

// The running player, as scripts see it. Implemented by the player window.
class IPlayerControl {
public:
    virtual ~IPlayerControl() = default;
    // A script recorded a run-time error: the player must close. Called on the thread that
    // ran the script; it returns once the close request has been handed to the window
    // thread (and the player's short wait after it is over).
    virtual void RequestClose() = 0;
    // "dwshow" (true) and "dwhide" (false): show or hide the player window.
    virtual void ShowWindow(bool show) = 0;
};

// Optional: told about every action a statement carries out on its element, in words
// ("rotate 30", "rebuild", "play loop", ...). Used by the script debugger.
class IScriptTrace {
public:
    virtual ~IScriptTrace() = default;
    virtual void Action(std::string_view what) = 0;
};

// Sends values to an element's two protocol clients (the player's clients of server links
// 1 and 2); a missing client drops the value.
class ClientValueSink : public IValueSink {
public:
    ClientValueSink(CZekoClient* client1, CZekoClient* client2)
        : client1_(client1), client2_(client2) {}
    void SendValue(int link, std::int32_t offset, std::int32_t value) override;

private:
    CZekoClient* client1_;
    CZekoClient* client2_;
};

// The environment of the running player, shared by every element while it runs. The player
// sets it when it opens and clears it (SetScriptEnvironment({})) when it has closed.
struct ScriptEnvironment {
    ISettingsStore* settings = nullptr;  // receives "RunTime" error records
    IPlayerControl* player = nullptr;
};
void SetScriptEnvironment(const ScriptEnvironment& environment);
ScriptEnvironment CurrentScriptEnvironment();

// The number by which the editor finds an element again after a run ("RunTime"/"Element"):
// its position in its list, counted from 1.
std::int32_t ElementIdentity(const CElement& element);
// The element of that identity in the list that starts at `first`, or null.
CElement* FindElementByIdentity(CElement* first, std::int32_t identity);

}  // namespace dw
