#pragma once
// Calls from the frame thread into the window thread that wait for their answer: the
// questions a script's actions ask (an image's "File not fount" question, a format error)
// are shown by the window thread while the frame thread waits, as a modal message box
// blocks the thread that asked.
//
// A run that ends must not leave the frame thread waiting for a window thread that has
// stopped serving: Cancel() makes every waiting call (and every later one) return its
// fallback at once. A cancelled call whose task has not run yet never runs.
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

#include "runtime/RunHost.h"

namespace dw {

class WindowCalls {
public:
    explicit WindowCalls(IRunHost& host) : host_(host) {}

    // While a call waits, the waiting thread's `park(true)` runs before the wait and
    // `park(false)` after it (the session lets go of its element lock meanwhile, so that
    // the window thread can handle clicks and paints).
    void SetParkHandler(std::function<void(bool)> park) { park_ = std::move(park); }

    // Runs f on the window thread and returns its result: directly on the window thread,
    // else by posting it and waiting. Returns `fallback` after Cancel().
    template <typename T>
    T Call(std::function<T()> f, T fallback) {
        if (host_.IsWindowThread()) return f();
        auto call = std::make_shared<Pending<T>>();
        call->function = std::move(f);
        const std::shared_ptr<Shared> shared = shared_;
        const bool posted = Post([call, shared] {
            T value = call->function();  // without the lock: it may show a box for long
            std::lock_guard<std::mutex> lock(shared->mutex);
            call->result = std::move(value);
        });
        if (!posted) return fallback;
        Wait([call] { return call->result.has_value(); });
        std::lock_guard<std::mutex> lock(shared_->mutex);
        return call->result.has_value() ? *call->result : fallback;
    }

    // Every waiting and later call returns its fallback.
    void Cancel();
    bool Cancelled() const;

private:
    struct Shared {
        std::mutex mutex;
        std::condition_variable changed;
        bool cancelled = false;
    };
    template <typename T>
    struct Pending {
        std::function<T()> function;
        std::optional<T> result;  // set under Shared::mutex
    };

    // Posts task (run on the window thread unless cancelled first); false when cancelled.
    bool Post(std::function<void()> task);
    // Waits until done() (checked under the shared lock) or cancellation.
    void Wait(const std::function<bool()>& done);

    IRunHost& host_;
    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
    std::function<void(bool)> park_;
};

}  // namespace dw
