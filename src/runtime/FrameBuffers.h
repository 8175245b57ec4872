#pragma once
// The player's off-screen frame, double-buffered: the frame thread draws into one image
// while the window thread paints the other, the last finished one. Publishing swaps the two
// under a lock that painting also holds, so a paint never shows a half-drawn frame and
// neither image is released or redrawn while the other thread uses it.
#include <QImage>
#include <QSize>
#include <cstdint>
#include <mutex>

namespace dw {

class FrameBuffers {
public:
    // Both images of `size` device pixels (empty sizes become 1 x 1), filled with black.
    void Create(QSize size);
    bool IsCreated() const { return created_; }
    QSize Size() const { return size_; }

    // Frame thread: the image to draw the next frame into.
    QImage& Drawing() { return drawing_; }
    // Frame thread: the drawn frame becomes the one shown; returns its number (1, 2, ...).
    std::uint64_t Publish();

    // Any thread: calls f(image, number) with the last published frame, under the lock
    // (number 0 and a black image before the first frame). Keep f short: the frame thread
    // waits for it when it publishes.
    template <typename F>
    void WithShown(F&& f) const {
        std::lock_guard<std::mutex> lock(mutex_);
        f(static_cast<const QImage&>(shown_), published_);
    }
    // A copy of the last published frame (for saving it).
    QImage CopyShown() const;
    std::uint64_t Published() const;

    // Releases both images; only when neither thread uses them any more.
    void Release();

private:
    mutable std::mutex mutex_;
    QImage drawing_;
    QImage shown_;
    QSize size_;
    std::uint64_t published_ = 0;
    bool created_ = false;
};

}  // namespace dw
