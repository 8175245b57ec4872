#pragma once
// What a run session needs of the window it plays in. The player window (CPlayerDlg)
// implements it on Qt's event loop; `dwtool play` without a window, and tests on a plain
// event loop of their own.
//
// The "window thread" is the thread that runs the host's event loop: it paints, handles
// clicks and keys, shows messages and ends the run. The frame thread and the clients'
// threads reach it only through PostToWindow.
#include <functional>
#include <string>

#include "model/CElement.h"

namespace dw {

class IRunHost {
public:
    virtual ~IRunHost() = default;

    // Any thread: runs `task` later on the window thread, in the order posted. Tasks posted
    // after the host's event loop has ended may never run.
    virtual void PostToWindow(std::function<void()> task) = 0;
    virtual bool IsWindowThread() const = 0;

    // Frame thread: a new frame is ready to be shown (the window repaints).
    virtual void FrameReady() = 0;
    // Window thread: the scripts' "dwshow" (true) and "dwhide" (false).
    virtual void ShowPlayerWindow(bool show) = 0;
    // Window thread: leave the run's event loop. May come before the loop has started; the
    // loop must then not start at all.
    virtual void EndModal() = 0;

    // Window thread: a line of the monitor ("offset %d server %d", "Frame Rate") and the
    // cell it shows; then the first line becomes the selected one.
    virtual void AddMonitorEntry(const std::string& label, const VariableCell* cell) {}
    virtual void SelectFirstMonitorEntry() {}
};

}  // namespace dw
