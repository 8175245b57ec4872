// RunSession: the frame thread. Every frame period it runs the script of every linked
// element, draws every element into the off-screen frame, publishes the frame to the window
// and flushes both clients, so that the values the scripts set leave once per frame.
#include <QPainter>
#include <chrono>

#include "link/ZekoClient.h"
#include "model/ColourConvert.h"
#include "runtime/RunSession.h"
#include "runtime/RunState.h"

namespace dw {

namespace {

// The frame thread's hold on the element lock while it works on a frame; the window calls
// it waits for let go of it meanwhile (ParkFrameThread).
thread_local std::unique_lock<std::recursive_mutex>* tl_elementsHeld = nullptr;

}  // namespace

void RunSession::ParkFrameThread(bool park) {
    if (tl_elementsHeld == nullptr) return;
    if (park && tl_elementsHeld->owns_lock()) tl_elementsHeld->unlock();
    if (!park && !tl_elementsHeld->owns_lock()) tl_elementsHeld->lock();
}

bool RunSession::Sleep(int ms) {
    if (waitObserver_) waitObserver_(ms);
    std::unique_lock<std::mutex> lock(startMutex_);
    return !startChanged_.wait_for(lock, std::chrono::milliseconds(ms),
                                   [this] { return endRequested_.load() || faulted_.load(); });
}

bool RunSession::WaitForStart() {
    if (!Sleep(kInitialWaitMs)) return false;
    std::unique_lock<std::mutex> lock(startMutex_);
    startChanged_.wait(lock, [this] { return initialised_ || endRequested_.load(); });
    // The run may have ended (or faulted) before the loop could start: it never starts then.
    if (endRequested_.load() || faulted_.load()) return false;
    running_.store(true);
    SetRunning(true);
    return true;
}

void RunSession::FrameLoop() {
    if (!WaitForStart()) return;
    const int period = FramePeriodMs();
    while (running_.load()) {
        // The period is not corrected for the frame's own time: a frame lasts the period
        // plus the work.
        if (!Sleep(period)) break;
        DrawFrame();
        if (!running_.load() && faulted_.load()) break;
        frames_.Publish();
        host_.FrameReady();
        links_.Client(1).Flush();
        links_.Client(2).Flush();
    }
}

void RunSession::DrawFrame() {
    std::unique_lock<std::recursive_mutex> lock = LockElements();
    tl_elementsHeld = &lock;
    QImage& frame = frames_.Drawing();
    QPainter painter(&frame);
    painter.fillRect(frame.rect(), ToQColor(config_.backColor));
    std::int32_t identity = 0;
    for (CElement* e = config_.elements; e != nullptr && running_.load(); e = e->GetNext()) {
        ++identity;
        SetCurrentElement(e, identity);
        try {
            if (e->values1 != nullptr && e->GetLinkedServer() != 0) e->RunProgram();
            e->Draw(painter);
        } catch (...) {
            Fault(identity);
            break;
        }
    }
    SetCurrentElement(nullptr, 0);
    painter.end();
    tl_elementsHeld = nullptr;
}

}  // namespace dw
