#include "model/SurfaceBudget.h"

#include <unistd.h>

#include <algorithm>
#include <new>
#include <utility>

namespace dw {

namespace {

constexpr std::int64_t kGiB = 1024LL * 1024 * 1024;

}  // namespace

SurfaceCharge::SurfaceCharge(SurfaceCharge&& other) noexcept
    : bytes_(std::exchange(other.bytes_, 0)), refused_(std::exchange(other.refused_, false)) {}

SurfaceCharge& SurfaceCharge::operator=(SurfaceCharge&& other) noexcept {
    if (this != &other) {
        Release();
        bytes_ = std::exchange(other.bytes_, 0);
        refused_ = std::exchange(other.refused_, false);
    }
    return *this;
}

SurfaceCharge::~SurfaceCharge() {
    Release();
}

bool SurfaceCharge::Take(std::int64_t bytes) {
    Release();
    if (bytes <= 0) return true;
    if (!SurfaceBudget::Instance().Charge(bytes)) return false;
    bytes_ = bytes;
    return true;
}

void SurfaceCharge::Release() {
    if (bytes_ > 0) SurfaceBudget::Instance().Refund(bytes_);
    bytes_ = 0;
    if (refused_) SurfaceBudget::Instance().CountRefused(-1);
    refused_ = false;
}

void SurfaceCharge::MarkRefused() {
    if (refused_) return;
    refused_ = true;
    SurfaceBudget::Instance().CountRefused(1);
}

SurfaceBudget& SurfaceBudget::Instance() {
    // Never destroyed: elements held by static objects may give their charges back late.
    static SurfaceBudget* const budget = new SurfaceBudget;
    return *budget;
}

SurfaceBudget::SurfaceBudget() : limit_(DefaultLimit()) {}

std::int64_t SurfaceBudget::DefaultLimit() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    const std::int64_t memory =
        pages > 0 && pageSize > 0 ? std::int64_t{pages} * pageSize : 4 * kGiB;
    return std::clamp(memory / 4, kGiB, 8 * kGiB);
}

int SurfaceBudget::ClampSide(int side) {
    return std::clamp(side, 0, kMaxElementSide);
}

std::int64_t SurfaceBudget::SurfaceBytes(int w, int h) {
    return std::int64_t{ClampSide(w)} * ClampSide(h) * 4;
}

void SurfaceBudget::SetLimit(std::int64_t bytes) {
    const std::lock_guard lock(mutex_);
    limit_ = std::max<std::int64_t>(bytes, 0);
}

std::int64_t SurfaceBudget::Limit() const {
    const std::lock_guard lock(mutex_);
    return limit_;
}

std::int64_t SurfaceBudget::InUse() const {
    const std::lock_guard lock(mutex_);
    return inUse_;
}

int SurfaceBudget::SurfacesDrawnEmpty() const {
    const std::lock_guard lock(mutex_);
    return refused_;
}

bool SurfaceBudget::Charge(std::int64_t bytes) {
    const std::lock_guard lock(mutex_);
    // Surfaces that were alive when a replacement began don't count while it lasts (those
    // released meanwhile no longer count at all).
    const std::int64_t counted = inUse_ - std::min(outgoing_, inUse_);
    if (bytes > limit_ - counted) return false;
    inUse_ += bytes;
    return true;
}

void SurfaceBudget::Refund(std::int64_t bytes) {
    const std::lock_guard lock(mutex_);
    inUse_ -= bytes;
    if (scopes_ > 0) outgoing_ = std::max<std::int64_t>(outgoing_ - bytes, 0);
}

void SurfaceBudget::CountRefused(int change) {
    const std::lock_guard lock(mutex_);
    refused_ += change;
}

SurfaceBudget::ReplacementScope::ReplacementScope(std::int64_t outgoingBytes, SurfaceBudget& budget)
    : budget_(budget) {
    const std::lock_guard lock(budget_.mutex_);
    if (budget_.scopes_++ == 0)
        budget_.outgoing_ = std::clamp<std::int64_t>(outgoingBytes, 0, budget_.inUse_);
}

SurfaceBudget::ReplacementScope::~ReplacementScope() {
    const std::lock_guard lock(budget_.mutex_);
    if (--budget_.scopes_ == 0) budget_.outgoing_ = 0;
}

QImage AllocateSurface(int w, int h, int bitmaps, SurfaceCharge& charge) {
    const int cw = SurfaceBudget::ClampSide(w);
    const int ch = SurfaceBudget::ClampSide(h);
    if (cw == 0 || ch == 0) {
        charge.Release();
        return QImage();
    }
    if (!charge.Take(SurfaceBudget::SurfaceBytes(cw, ch) * std::max(bitmaps, 1))) {
        charge.MarkRefused();
        return QImage();
    }
    QImage image;
    try {
        image = QImage(cw, ch, QImage::Format_RGB32);
    } catch (const std::bad_alloc&) {
        image = QImage();
    }
    if (image.isNull()) {  // the memory could not be had after all
        charge.Release();
        charge.MarkRefused();
        return image;
    }
    image.fill(Qt::black);
    return image;
}

}  // namespace dw
