#include "runtime/WindowCalls.h"

namespace dw {

void WindowCalls::Cancel() {
    std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->cancelled = true;
    shared_->changed.notify_all();
}

bool WindowCalls::Cancelled() const {
    std::lock_guard<std::mutex> lock(shared_->mutex);
    return shared_->cancelled;
}

bool WindowCalls::Post(std::function<void()> task) {
    if (Cancelled()) return false;
    // `shared` keeps the state alive for a task that runs after this object is gone.
    std::shared_ptr<Shared> shared = shared_;
    host_.PostToWindow([shared, task = std::move(task)] {
        {
            std::lock_guard<std::mutex> lock(shared->mutex);
            if (shared->cancelled) return;
        }
        task();  // stores its result under the shared lock
        std::lock_guard<std::mutex> lock(shared->mutex);
        shared->changed.notify_all();
    });
    return true;
}

void WindowCalls::Wait(const std::function<bool()>& done) {
    if (park_) park_(true);
    {
        std::unique_lock<std::mutex> lock(shared_->mutex);
        shared_->changed.wait(lock, [&] { return shared_->cancelled || done(); });
    }
    if (park_) park_(false);
}

}  // namespace dw
