#pragma once
// The one memory budget of all element drawing surfaces.
//
// Every visual element draws from off-screen bitmaps of its own size. Sides are kept within
// 0 .. kMaxElementSide (the same bound the gauge reader clamps sizes to), and the pixels of
// all surfaces together within the budget: a surface that would pass it, or whose memory
// can't be had, is refused. The element is then kept and drawn empty, and the refusal is
// counted, so that whoever loaded or changed the elements can tell the user once.
//
// Each surface holds a SurfaceCharge for its bytes; the charge goes back to the budget when
// the surface is released. The budget is process-wide and safe to use from any thread.
#include <QImage>
#include <cstdint>
#include <mutex>

#include "files/GaugeLimits.h"

namespace dw {

class SurfaceBudget;

// Bytes of the budget held by one surface (or by a cached copy of one). Movable.
class SurfaceCharge {
public:
    SurfaceCharge() = default;
    SurfaceCharge(const SurfaceCharge&) = delete;
    SurfaceCharge& operator=(const SurfaceCharge&) = delete;
    SurfaceCharge(SurfaceCharge&& other) noexcept;
    SurfaceCharge& operator=(SurfaceCharge&& other) noexcept;
    ~SurfaceCharge();

    // Holds bytes instead of what was held before; false (and nothing held) when the budget
    // can't give them.
    bool Take(std::int64_t bytes);
    // Gives back what is held and clears the refused mark.
    void Release();
    std::int64_t Bytes() const { return bytes_; }

    // Marks the surface as refused: counted by SurfacesDrawnEmpty until released or taken.
    void MarkRefused();
    bool Refused() const { return refused_; }

private:
    std::int64_t bytes_ = 0;
    bool refused_ = false;
};

class SurfaceBudget {
public:
    // The budget of the program.
    static SurfaceBudget& Instance();
    // The default size: a quarter of the machine's memory, at least 1 GiB, at most 8 GiB.
    static std::int64_t DefaultLimit();

    // Bytes of a w x h surface of 32-bit pixels (sides clamped as ClampSide does).
    static std::int64_t SurfaceBytes(int w, int h);
    // A side kept within 0 .. kMaxElementSide.
    static int ClampSide(int side);

    void SetLimit(std::int64_t bytes);
    std::int64_t Limit() const;
    std::int64_t InUse() const;
    // Surfaces alive now that were refused and draw empty.
    int SurfacesDrawnEmpty() const;

    // While a gauge replaces elements it has (open, undo), the surfaces of those elements
    // (outgoingBytes of them) are about to go: requests are measured against the budget
    // without them. Scopes nest; the outermost one decides.
    class ReplacementScope {
    public:
        explicit ReplacementScope(std::int64_t outgoingBytes, SurfaceBudget& budget = Instance());
        ~ReplacementScope();
        ReplacementScope(const ReplacementScope&) = delete;
        ReplacementScope& operator=(const ReplacementScope&) = delete;

    private:
        SurfaceBudget& budget_;
    };

private:
    friend class SurfaceCharge;
    SurfaceBudget();
    bool Charge(std::int64_t bytes);
    void Refund(std::int64_t bytes);
    void CountRefused(int change);

    mutable std::mutex mutex_;
    std::int64_t limit_;
    std::int64_t inUse_ = 0;
    std::int64_t outgoing_ = 0;  // bytes taken as leaving while a replacement scope is open
    int scopes_ = 0;
    int refused_ = 0;
};

// A black w x h surface of 32-bit pixels with `bitmaps` bitmaps of that size charged to
// charge (a source and its rotated copy are two). A null image for an empty size, and for a
// refused one (the charge is then marked refused). Sides are clamped to kMaxElementSide.
QImage AllocateSurface(int w, int h, int bitmaps, SurfaceCharge& charge);

}  // namespace dw
