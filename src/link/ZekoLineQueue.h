#pragma once
// The queue of received lines between a client's receiver thread (the only producer) and its
// dispatcher thread (the only consumer): a ring of 2048 slots in arrival order. The
// receiver waits while all slots are full, so a flooding server is slowed down by TCP
// instead of growing memory.
#include <array>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>

namespace dw {

class ZekoLineQueue {
public:
    static constexpr std::size_t kSlots = 2048;

    // Empties every slot and clears the stop state (start of a connection).
    void Reset();

    // Adds one line. When all slots are full it calls `onFull` (if given) and waits for a
    // free slot. Returns false, dropping the line, once Stop() was called.
    bool Push(std::string&& line, const std::function<void()>& onFull = {});

    // Takes the oldest line into `line` (by swapping buffers). Waits while the queue is
    // empty; returns false when it is empty and Stop() was called. Lines queued before the
    // stop are still handed out.
    bool Take(std::string& line);

    // Wakes both sides for good: Push refuses lines, Take returns false once empty.
    void Stop();
    // Frees every waiting line.
    void Clear();

    std::size_t Count() const;

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::array<std::string, kSlots> slots_;
    std::size_t queueWrite_ = 0;
    std::size_t queueRead_ = 0;
    std::size_t queuedCount_ = 0;
    bool stopped_ = false;
};

}  // namespace dw
