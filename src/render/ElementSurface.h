#pragma once
// The off-screen drawing surface of a visual element: the unrotated source bitmap and the
// bitmap currently shown, which is either the source itself or a rotated copy of it.
//
// Rendering (text, shapes) and colour changes act on the bitmap currently shown, as the
// element's drawing surface does: right after Reset or SetSource that is the source, after
// a rotation it is the rotated copy. Rotations always start again from the source, so
// repeated rotations do not pile up resampling loss.
//
// The memory comes from the surface budget (model/SurfaceBudget.h), charged for two
// bitmaps of the surface's size (the source and the one shown). A surface the budget
// refuses has no bitmap: the element draws empty, and Refused() tells so.
//
// Each bitmap keeps the rectangle outside which it is certainly black (Content), widened by
// every drawing and by anything it cannot follow: a thin needle on a large surface is then
// blacked out and copied where it was drawn, not over the whole surface.
#include <QImage>

#include "model/SurfaceBudget.h"
#include "platform/Interaction.h"

namespace dw {

// Largest width or height of an element bitmap: the one bound of element sides.
inline constexpr int kMaxSurfaceSide = kMaxElementSide;

class ElementSurface {
public:
    // Clamps a requested side to 0 .. kMaxSurfaceSide.
    static int ClampSide(int side);

    // A fresh black source of w x h pixels (clamped), shown at once.
    void Reset(int w, int h);
    // Makes image (converted to Format_RGB32) the source, shown at once; the pixels are
    // shared with image until either is drawn on. A null image, or one the budget refuses,
    // leaves the surface without a bitmap.
    void SetSource(QImage image);
    // Hands the source over (for drawing into it without a copy) and leaves the surface
    // without a bitmap; the budget charge stays for SetSource to take it back.
    QImage TakeSource();

    const QImage& Source() const { return source; }
    // The bitmap that Draw copies.
    const QImage& Current() const { return showingSource ? source : display; }
    // The same, for drawing into area of it (by default all of it).
    QImage& Edit(const QRect& area);
    QImage& Edit() { return Edit(Current().rect()); }
    // Outside this rectangle the bitmap shown is black.
    const QRect& Content() const { return showingSource ? sourceContent : displayContent; }
    bool ShowingSource() const { return showingSource; }
    // The budget refused the last size asked for: the surface has no bitmap.
    bool Refused() const { return charge.Refused(); }
    // Bytes of the surface budget held.
    std::int64_t ChargedBytes() const { return charge.Bytes(); }

    // Shows the source turned by angleDegrees with the uncovered corners in fill.
    void ShowRotated(double angleDegrees, Colour fill);

    // Replaces from by to (each channel within 49) in the bitmap shown and in the source
    // (the same bitmap unless rotated). Nothing happens without a bitmap.
    void ReplaceColourOfCurrent(Colour from, Colour to);

private:
    QImage source;
    QImage display;
    QRect sourceContent;
    QRect displayContent;
    bool showingSource = true;
    SurfaceCharge charge;  // source and shown bitmap of source's size
};

}  // namespace dw
