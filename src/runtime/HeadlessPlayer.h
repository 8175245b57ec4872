#pragma once
// A run without a window, for `dwtool play` and benchmarks: the same RunSession, with the
// calling thread's Qt event loop as the window thread. The run ends after a number of
// frames, after a time, or as any run ends (a server's farewell, a script error, a fault,
// a link that cannot be reached, Stop()).
#include <QImage>
#include <QObject>
#include <atomic>
#include <cstdint>
#include <functional>

#include "model/ElementOwner.h"
#include "runtime/RunHost.h"
#include "runtime/RunSession.h"

class QEventLoop;

namespace dw {

class HeadlessPlayer : public QObject, public IRunHost, public IElementOwner {
public:
    struct Limits {
        std::uint64_t frames = 0;  // end after this many frames; 0: no limit
        int milliseconds = 0;      // end after this time; 0: no limit
    };

    HeadlessPlayer(RunConfig config, Limits limits);
    ~HeadlessPlayer() override;

    // Switches the elements to run mode with this player as their owner, plays until the
    // run ends and switches them back to edit mode (owner `editorOwner`).
    void Run(IElementOwner* editorOwner);
    // Any thread: ends the run as Escape does.
    void Stop() { session_.RequestEnd(EndReason::User); }

    RunSession& Session() { return session_; }
    // The last frame drawn (with a frame limit: that frame), null when none was drawn.
    QImage LastFrame() const;
    std::uint64_t Frames() const { return frames_.load(); }
    // Called on the frame thread after each frame was published, with its number.
    void SetFrameObserver(std::function<void(std::uint64_t)> observer) {
        frameObserver_ = std::move(observer);
    }

    // ---- IRunHost ------------------------------------------------------------------------
    void PostToWindow(std::function<void()> task) override;
    bool IsWindowThread() const override;
    void FrameReady() override;
    void ShowPlayerWindow(bool) override {}
    void EndModal() override;

    // ---- IElementOwner ---------------------------------------------------------------------
    void InvalidateRect(const Rect&) override {}
    Point ClientOriginOnScreen() const override { return {}; }

private:
    RunSession session_;
    Limits limits_;
    QEventLoop* loop_ = nullptr;
    bool endModal_ = false;
    std::atomic<std::uint64_t> frames_{0};
    QImage lastFrame_;  // frame `limits_.frames`, taken by the frame thread; else at the end
    std::function<void(std::uint64_t)> frameObserver_;
};

}  // namespace dw
