#pragma once
// The queue of received lines between a connection's receiver thread (the only producer) and
// its dispatcher thread (the only consumer): a ring of 2048 slots in arrival order. The
// receiver waits while all slots are full, so a flooding server is slowed down by TCP
// instead of growing memory.
#include <array>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>

namespace dw {

class ZekoLineQueue {
public:
    static constexpr std::size_t kSlots = 2048;

    // Adds one line. When all slots are full it calls `onFull` (if given) and waits for a
    // free slot. Returns false, dropping the line, once Stop() or Abandon() was called.
    bool Push(std::string&& line, const std::function<void()>& onFull = {});

    // Takes the oldest line into `line` (by swapping buffers). Waits while the queue is
    // empty; returns false when it is empty and Stop() was called, and at once after
    // Abandon(). Lines queued before a Stop() are still handed out.
    bool Take(std::string& line);

    // No more lines will come: Push refuses lines, Take returns false once empty.
    void Stop();
    // As Stop(), and the waiting lines are dropped: Take returns false at once.
    void Abandon();
    // Waits up to `time` for Stop() or Abandon(); true when one of them was called.
    bool WaitForStop(std::chrono::milliseconds time);
    // Frees every waiting line.
    void Clear();

    std::size_t Count() const;

private:
    void ClearLocked();

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::array<std::string, kSlots> slots_;
    std::size_t queueWrite_ = 0;
    std::size_t queueRead_ = 0;
    std::size_t queuedCount_ = 0;
    bool stopped_ = false;
    bool abandoned_ = false;
};

}  // namespace dw
