#pragma once
// RunSession: one run of a gauge without the window: the server links with their variable
// tables and clients, the frame thread, the double-buffered frame, clicks, the run's end
// and the "RunTime" report it leaves. The player window (CPlayerDlg) and `dwtool play` both
// drive it through an IRunHost:
//
//   RunSession session(config, host);
//   session.Begin();        // plug-in start, frame thread (waits 250 ms, then for Initialise)
//   ... the host shows its window ...
//   session.Initialise();   // links, subscriptions, monitor lines, frame, first script runs
//   ... the host's event loop until EndModal (RequestEnd from any thread) ...
//   session.Finish();       // frame thread joined, links closed, plug-in stopped
//
// Threads. The window thread (the host's) calls Begin, Initialise, Finish, the click and
// paint operations and handles posted tasks. The frame thread runs the scripts of linked
// elements, draws every element and flushes both clients once per frame. Elements are only
// touched under one lock that the frame thread holds while it works on a frame (not while
// it sleeps) and the window thread holds for clicks and hit tests.
#include <QSize>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "link/ServerLinks.h"
#include "render/RenderServices.h"
#include "runtime/CrashGuard.h"
#include "runtime/FrameBuffers.h"
#include "runtime/LockedSettingsStore.h"
#include "runtime/MediaDevices.h"
#include "runtime/RunHost.h"
#include "runtime/WindowCalls.h"
#include "runtime/WindowInteraction.h"
#include "script/ScriptHost.h"

namespace dw {

// What ended a run (the first of these that came).
enum class EndReason {
    None,         // still running
    User,         // Escape, Enter, the window's close request, or the host itself
    Farewell,     // a server said "Arn.Fin:"
    ScriptError,  // a script recorded a run-time error
    Fault,        // a C++ exception escaped a script or a drawing ("RunTime" 8001)
    LinkFailed,   // a server link could not be reached ("RunTime" 9001/9002)
};

struct RunConfig {
    CElement* elements = nullptr;  // head of the list, in drawing order, already in run mode
    ServerLinkSettings link1;      // the editor's settings (the run resolves aliases in copies)
    ServerLinkSettings link2;
    int fps = 10;  // 1 to 40
    Colour backColor = 0x808080;
    QSize frameSize;  // the window's client area in device pixels
    std::string gaugeName;
    ISettingsStore* store = nullptr;  // receives the "RunTime" report; required
    IInteraction* ui = nullptr;       // messages during the run; null asks nobody
    std::string plugInPath;           // the plug-in module; "" loads none
    std::string crashRecordPath;      // where a fatal signal leaves its record; "" for none
};

class RunSession : public IPlayerControl, public IZekoNotifyTarget, public IMediaEvents {
public:
    RunSession(RunConfig config, IRunHost& host);
    ~RunSession() override;
    RunSession(const RunSession&) = delete;
    RunSession& operator=(const RunSession&) = delete;

    // 1000 / fps in whole milliseconds (fps kept within 1 to 40).
    static int FramePeriodFor(int fps);
    static constexpr int kInitialWaitMs = 250;
    static constexpr int kSettleWaitMs = 125;

    // ---- Window thread: the run's steps ------------------------------------------------
    void Begin();
    // The frame's size in device pixels, when the window knows it only once it is shown.
    void SetFrameSize(QSize size) { config_.frameSize = size; }
    void Initialise();
    // Ends the run and waits until the frame thread has left its loop (first step of
    // Finish; the last frame can still be read afterwards).
    void StopFrameThread();
    void Finish();

    // Any thread: ends the run as a close request does (clears the running flag, lets the
    // host leave its loop). Only the first request counts.
    void RequestEnd(EndReason reason = EndReason::User);
    bool EndRequested() const { return endRequested_.load(); }
    EndReason Reason() const { return reason_.load(); }

    // ---- Window thread: the window's events ----------------------------------------------
    // Whether an element with a click program lies under the point (gauge pixels).
    bool ClickableAt(Point p);
    // Sets mouseDown of every element under the point; true when there was one.
    bool Press(Point p);
    // Runs OnClick of every element under the point in drawing order, then clears mouseDown
    // of every element; true when an element was under the point.
    bool Release(Point p);
    // A frame was painted: updates the measured frame rate. Called by the one thread that
    // shows frames (the window thread, or the frame thread of a run without a window).
    void NotePainted();

    const FrameBuffers& Frames() const { return frames_; }
    std::uint64_t FramesDrawn() const { return frames_.Published(); }
    const VariableCell& MeasuredFps() const { return measuredFps_; }
    int FramePeriodMs() const { return FramePeriodFor(config_.fps); }
    ServerLinks& Links() { return links_; }
    const RunConfig& Config() const { return config_; }

    // Called on the frame thread with each wait it makes (the initial wait, then the frame
    // period before every frame). For tests and benchmarks; set before Begin.
    void SetFrameWaitObserver(std::function<void(int ms)> observer) {
        waitObserver_ = std::move(observer);
    }

    // ---- IPlayerControl (scripts, any thread) --------------------------------------------
    // Ends the run; the close is handed to the window thread at once, so the frame thread
    // sees it before its next element.
    void RequestClose() override { RequestEnd(EndReason::ScriptError); }
    void ShowWindow(bool show) override;

    // ---- IZekoNotifyTarget (clients' dispatcher threads) -----------------------------------
    bool IsAlive() const override { return !endRequested_.load(); }
    void PostNotify(int message, int code) override {}
    void PostClose() override { RequestEnd(EndReason::Farewell); }

    // ---- IMediaEvents (window thread) ---------------------------------------------------
    void OnMediaNotify(std::uint32_t device, int code) override;
    void OnMediaError(std::uint32_t device, const std::string& text) override;

private:
    void FrameLoop();
    // Waits the initial 250 ms, then until Initialise is done; false when the run ended first.
    bool WaitForStart();
    // Sleeps `ms` unless the run ends; false when it ended.
    bool Sleep(int ms);
    void DrawFrame();
    // A C++ exception escaped a script or a drawing of the element `identity`: report 8001,
    // tell the user on the window thread and end the run.
    void Fault(std::int32_t identity);
    // Element lock for the window thread's work on elements.
    std::unique_lock<std::recursive_mutex> LockElements() {
        return std::unique_lock(elementsMutex_);
    }
    void ParkFrameThread(bool park);

    RunConfig config_;
    IRunHost& host_;
    LockedSettingsStore store_;
    ServerLinks links_;
    FrameBuffers frames_;
    WindowCalls calls_;
    WindowInteraction windowUi_;
    VariableCell measuredFps_{0};
    std::int64_t lastPaintMs_ = -1;

    // Recursive: a click script that shows a box runs nested events (a sound's end) that
    // take it again on the same thread.
    std::recursive_mutex elementsMutex_;
    std::mutex startMutex_;  // guards the two flags below with the running state
    std::condition_variable startChanged_;
    bool initialised_ = false;
    std::atomic<bool> endRequested_{false};
    std::atomic<bool> running_{false};
    std::atomic<bool> faulted_{false};
    std::atomic<EndReason> reason_{EndReason::None};  // a fault stopped the frame loop
    std::thread frameThread_;
    std::function<void(int)> waitObserver_;

    bool begun_ = false;
    bool finished_ = false;
    std::optional<CrashGuard> crashGuard_;
    RenderServices previousServices_;
    ScriptEnvironment previousEnvironment_;
};

}  // namespace dw
