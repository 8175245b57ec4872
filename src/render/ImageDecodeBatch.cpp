#include "render/ImageDecodeBatch.h"

#include <list>
#include <mutex>
#include <utility>

#include "render/ImageFiles.h"

namespace dw {

namespace {

// Kept pictures beyond this many bytes push out the oldest ones.
constexpr qsizetype kMaxKeptBytes = 1024LL * 1024 * 1024;

struct Kept {
    std::string path;
    QImage picture;  // null when the file could not be decoded
};

struct BatchState {
    std::mutex mutex;
    int open = 0;
    std::list<Kept> kept;  // most recently decoded first
    qsizetype keptBytes = 0;
};

BatchState& State() {
    static BatchState* const state = new BatchState;  // outlives every static element
    return *state;
}

}  // namespace

ImageDecodeBatch::ImageDecodeBatch() {
    BatchState& state = State();
    const std::lock_guard lock(state.mutex);
    ++state.open;
}

ImageDecodeBatch::~ImageDecodeBatch() {
    BatchState& state = State();
    std::list<Kept> dropped;
    {
        const std::lock_guard lock(state.mutex);
        if (--state.open > 0) return;
        dropped.swap(state.kept);
        state.keptBytes = 0;
    }
}

std::shared_ptr<void> ImageDecodeBatch::Open() {
    return std::make_shared<ImageDecodeBatch>();
}

QImage DecodeImageFileInBatch(const std::string& realPath) {
    BatchState& state = State();
    {
        const std::lock_guard lock(state.mutex);
        if (state.open == 0) return DecodeImageFile(realPath);
        for (const Kept& kept : state.kept)
            if (kept.path == realPath) return kept.picture;
    }
    // Decoded outside the lock; two threads decoding the same file both keep a copy.
    QImage picture = DecodeImageFile(realPath);
    const std::lock_guard lock(state.mutex);
    if (state.open == 0) return picture;
    state.kept.push_front({realPath, picture});
    state.keptBytes += picture.sizeInBytes();
    while (state.keptBytes > kMaxKeptBytes && state.kept.size() > 1) {
        state.keptBytes -= state.kept.back().picture.sizeInBytes();
        state.kept.pop_back();
    }
    return picture;
}

}  // namespace dw
