#pragma once
// The lock of a client's pending line and of its sends: an exclusive lock that can also be
// waited for with a time limit (Close does not wait long for a send to a server that stopped
// reading). Built from a mutex and a condition variable, which every thread checker follows;
// usable with std::lock_guard and std::unique_lock.
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace dw {

class ZekoSendLock {
public:
    void lock() {
        std::unique_lock<std::mutex> guard(mutex_);
        free_.wait(guard, [this] { return !held_; });
        held_ = true;
    }
    bool try_lock() {
        std::lock_guard<std::mutex> guard(mutex_);
        if (held_) return false;
        held_ = true;
        return true;
    }
    template <typename Rep, typename Period>
    bool try_lock_for(const std::chrono::duration<Rep, Period>& time) {
        std::unique_lock<std::mutex> guard(mutex_);
        if (!free_.wait_for(guard, time, [this] { return !held_; })) return false;
        held_ = true;
        return true;
    }
    void unlock() {
        {
            std::lock_guard<std::mutex> guard(mutex_);
            held_ = false;
        }
        free_.notify_one();
    }

private:
    std::mutex mutex_;
    std::condition_variable free_;
    bool held_ = false;
};

}  // namespace dw
