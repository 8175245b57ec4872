#include "runtime/FrameBuffers.h"

#include <utility>

namespace dw {

void FrameBuffers::Create(QSize size) {
    if (size.width() < 1 || size.height() < 1) size = QSize(1, 1);
    std::lock_guard<std::mutex> lock(mutex_);
    size_ = size;
    drawing_ = QImage(size, QImage::Format_RGB32);
    drawing_.fill(Qt::black);
    shown_ = QImage(size, QImage::Format_RGB32);
    shown_.fill(Qt::black);
    published_ = 0;
    created_ = true;
}

std::uint64_t FrameBuffers::Publish() {
    std::lock_guard<std::mutex> lock(mutex_);
    std::swap(drawing_, shown_);
    return ++published_;
}

QImage FrameBuffers::CopyShown() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return shown_.copy();
}

std::uint64_t FrameBuffers::Published() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return published_;
}

void FrameBuffers::Release() {
    std::lock_guard<std::mutex> lock(mutex_);
    drawing_ = QImage();
    shown_ = QImage();
    created_ = false;
}

}  // namespace dw
