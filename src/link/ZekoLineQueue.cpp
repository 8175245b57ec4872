#include "link/ZekoLineQueue.h"

namespace dw {

bool ZekoLineQueue::Push(std::string&& line, const std::function<void()>& onFull) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!stopped_ && queuedCount_ == kSlots && onFull) {
        lock.unlock();
        onFull();
        lock.lock();
    }
    changed_.wait(lock, [this] { return stopped_ || queuedCount_ < kSlots; });
    if (stopped_) return false;
    slots_[queueWrite_] = std::move(line);
    queueWrite_ = (queueWrite_ + 1) % kSlots;
    ++queuedCount_;
    lock.unlock();
    changed_.notify_all();
    return true;
}

bool ZekoLineQueue::Take(std::string& line) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return stopped_ || queuedCount_ > 0; });
    if (abandoned_ || queuedCount_ == 0) return false;
    line.swap(slots_[queueRead_]);
    std::string().swap(slots_[queueRead_]);
    queueRead_ = (queueRead_ + 1) % kSlots;
    const bool wasFull = queuedCount_-- == kSlots;
    lock.unlock();
    if (wasFull) changed_.notify_all();
    return true;
}

void ZekoLineQueue::Stop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopped_ = true;
    }
    changed_.notify_all();
}

void ZekoLineQueue::Abandon() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopped_ = true;
        abandoned_ = true;
        ClearLocked();
    }
    changed_.notify_all();
}

bool ZekoLineQueue::WaitForStop(std::chrono::milliseconds time) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, time, [this] { return stopped_; });
}

void ZekoLineQueue::Clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    ClearLocked();
}

void ZekoLineQueue::ClearLocked() {
    for (std::string& slot : slots_) std::string().swap(slot);
    queueWrite_ = queueRead_ = queuedCount_ = 0;
}

std::size_t ZekoLineQueue::Count() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return queuedCount_;
}

}  // namespace dw
