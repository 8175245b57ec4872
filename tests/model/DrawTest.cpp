// The common drawing: the surface copy, visibility and the editor frame, checked by pixels.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "TestKinds.h"
#include "model/ColourConvert.h"
#include "model/GlobalSwitch.h"

namespace {

using namespace dw;
using namespace dwtest;

constexpr QRgb kBackground = 0xFF808080;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;   // 0x0000FF as 0x00BBGGRR
constexpr QRgb kBlue = 0xFF0000C4;  // 0xC40000 as 0x00BBGGRR
constexpr QRgb kGreen = 0xFF00FF00;

QImage Canvas() {
    QImage canvas(60, 50, QImage::Format_RGB32);
    canvas.fill(kBackground);
    return canvas;
}

QImage Drawn(CElement& e) {
    QImage canvas = Canvas();
    QPainter painter(&canvas);
    e.Draw(painter);
    painter.end();
    return canvas;
}

// Expects the two outermost rings of r in colour and the pixel just inside them not.
void ExpectFrameBand(const QImage& img, const Rect& r, QRgb colour) {
    for (int x = r.left; x < r.right; ++x) {
        for (int y : {r.top, r.top + 1, r.bottom - 2, r.bottom - 1}) {
            EXPECT_EQ(img.pixel(x, y), colour) << x << "," << y;
        }
    }
    for (int y = r.top; y < r.bottom - 10; ++y) {
        for (int x : {r.left, r.left + 1, r.right - 2, r.right - 1}) {
            EXPECT_EQ(img.pixel(x, y), colour) << x << "," << y;
        }
    }
    EXPECT_NE(img.pixel(r.left + 2, r.top + 2), colour);
    EXPECT_NE(img.pixel(r.left - 1, r.top), colour);
    EXPECT_NE(img.pixel(r.right, r.top), colour);
    EXPECT_NE(img.pixel(r.left, r.bottom), colour);
}

TEST(DrawFrame, ASelectedElementShowsAWhiteBandInsideItsRectangle) {
    TestElement first(nullptr), e(nullptr, {10, 5, 40, 35});
    first.SetNext(&e);
    first.Select(true);
    e.Select(true);
    ASSERT_FALSE(e.IsPrimary());
    const QImage img = Drawn(e);
    ExpectFrameBand(img, e.GetRect(), kWhite);
    // Without primary there is no resize square: the surface shows there.
    EXPECT_EQ(img.pixel(35, 30), kGreen);
}

TEST(DrawFrame, ThePrimaryElementIsBlueWithAFilledResizeSquare) {
    TestElement e(nullptr, {10, 5, 40, 35});
    e.Select(true);
    ASSERT_TRUE(e.IsPrimary());
    const QImage img = Drawn(e);
    ExpectFrameBand(img, e.GetRect(), kBlue);
    // Square (30, 25) to (39, 34), right and bottom excluded.
    EXPECT_EQ(img.pixel(30, 25), kBlue);
    EXPECT_EQ(img.pixel(35, 30), kBlue);
    EXPECT_EQ(img.pixel(37, 32), kBlue);
    EXPECT_EQ(img.pixel(29, 30), kGreen);
    EXPECT_EQ(img.pixel(30, 24), kGreen);
}

TEST(DrawFrame, AGroupedElementIsRedEvenWhenPrimary) {
    TestElement e(nullptr, {10, 5, 40, 35});
    e.Select(true);
    e.SetGroup(3);
    const QImage img = Drawn(e);
    for (int x = 10; x < 40; ++x) EXPECT_EQ(img.pixel(x, 5), kRed) << x;
    EXPECT_EQ(img.pixel(10, 20), kRed);
    EXPECT_EQ(img.pixel(35, 30), kBlue);  // the primary square keeps the blue brush
}

TEST(DrawFrame, ALockedElementShowsTheDiagonal) {
    TestElement e(nullptr, {10, 5, 40, 35});
    e.Select(true);
    e.SetGroup(1);
    e.locked = true;
    const QImage img = Drawn(e);
    EXPECT_EQ(img.pixel(15, 10), kRed);
    EXPECT_EQ(img.pixel(22, 17), kRed);
    EXPECT_EQ(img.pixel(22, 27), kGreen);  // off the diagonal
    TestElement unlocked(nullptr, {10, 5, 40, 35});
    unlocked.Select(true);
    unlocked.SetGroup(1);
    EXPECT_EQ(Drawn(unlocked).pixel(22, 17), kGreen);
}

TEST(DrawFrame, NoFrameUnlessSelectedAndNoneInRunMode) {
    TestElement e(nullptr, {10, 5, 40, 35});
    EXPECT_EQ(Drawn(e).pixel(10, 5), kGreen);
    e.Select(true);
    e.SetRunMode(nullptr, true);
    EXPECT_EQ(Drawn(e).pixel(10, 5), kGreen);
    e.SetRunMode(nullptr, false);
    EXPECT_EQ(Drawn(e).pixel(10, 5), kBlue);
}

TEST(DrawFrame, TheBaseKindDrawsOnlyTheFrame) {
    class Bare : public CElement {
    public:
        Bare() : CElement(nullptr, ElementKind::Audio) { rect = {10, 5, 40, 35}; }
    } bare;
    QImage canvas = Canvas();
    QPainter painter(&canvas);
    bare.Draw(painter);
    bare.Select(true);
    bare.Draw(painter);
    painter.end();
    EXPECT_EQ(canvas.pixel(10, 5), kBlue);
    EXPECT_EQ(canvas.pixel(20, 20), kBackground);
}

TEST(DrawSurface, AnOpaqueCopyFillsTheRectangle) {
    TestElement e(nullptr, {10, 5, 40, 35});
    const QImage img = Drawn(e);
    EXPECT_EQ(img.pixel(10, 5), kGreen);
    EXPECT_EQ(img.pixel(39, 34), kGreen);
    EXPECT_EQ(img.pixel(40, 34), kBackground);
    EXPECT_EQ(img.pixel(39, 35), kBackground);
    EXPECT_EQ(img.pixel(9, 5), kBackground);
}

TEST(DrawSurface, TheExtraPixelOfTheBasicGraphCopyIsBlackBeyondTheSurface) {
    TestElement e(nullptr, {10, 5, 40, 35}, ElementKind::Primitive);
    e.opaqueExtra = 1;
    const QImage img = Drawn(e);
    EXPECT_EQ(img.pixel(39, 34), kGreen);
    EXPECT_EQ(img.pixel(40, 20), 0xFF000000);
    EXPECT_EQ(img.pixel(20, 35), 0xFF000000);
    EXPECT_EQ(img.pixel(40, 35), 0xFF000000);
    EXPECT_EQ(img.pixel(41, 20), kBackground);
    // With a surface one pixel larger the extra pixels come from it.
    e.surface = QImage(31, 31, QImage::Format_RGB32);
    e.surface.fill(Qt::green);
    EXPECT_EQ(Drawn(e).pixel(40, 35), kGreen);
}

TEST(DrawSurface, ATransparentCopyLeavesOutExactlyTheKeyColour) {
    TestElement e(nullptr, {0, 0, 4, 1});
    e.surface = QImage(4, 1, QImage::Format_RGB32);
    e.surface.setPixel(0, 0, 0xFF102030);  // the key, as 0x00BBGGRR 0x302010
    e.surface.setPixel(1, 0, 0xFF102031);  // one step away
    e.surface.setPixel(2, 0, 0xFF000000);
    e.surface.setPixel(3, 0, 0xFF102030);
    e.transparent = true;
    e.transparentColor = 0x302010;
    QImage img = Drawn(e);
    EXPECT_EQ(img.pixel(0, 0), kBackground);
    EXPECT_EQ(img.pixel(1, 0), 0xFF102031);
    EXPECT_EQ(img.pixel(2, 0), 0xFF000000);
    EXPECT_EQ(img.pixel(3, 0), kBackground);
    // A changed surface is drawn as it is now (the cached mask is not reused).
    e.surface.setPixel(0, 0, 0xFF00FF00);
    img = Drawn(e);
    EXPECT_EQ(img.pixel(0, 0), kGreen);
    EXPECT_EQ(img.pixel(3, 0), kBackground);
    // So is a changed key colour.
    e.transparentColor = 0x00FF00;
    img = Drawn(e);
    EXPECT_EQ(img.pixel(0, 0), kBackground);
    EXPECT_EQ(img.pixel(3, 0), 0xFF102030);
}

TEST(DrawSurface, TheSurfacesAlphaIsIgnored) {
    TestElement e(nullptr, {0, 0, 2, 1});
    e.surface = QImage(2, 1, QImage::Format_ARGB32);
    e.surface.setPixel(0, 0, 0x00FF0000);  // fully transparent red
    e.surface.setPixel(1, 0, 0x800000FF);
    QImage img = Drawn(e);
    EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(img.pixel(1, 0) & 0xFFFFFF, 0x0000FFu);
    e.transparent = true;
    e.transparentColor = 0x000000;
    img = Drawn(e);
    EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
}

TEST(DrawSurface, AKindMayCopyWithAKeyOfItsOwn) {
    // The audio kind copies its icon with black left out whatever its transparent flag.
    TestElement e(nullptr, {0, 0, 2, 1}, ElementKind::Audio);
    e.surface = QImage(2, 1, QImage::Format_RGB32);
    e.surface.setPixel(0, 0, 0xFF000000);
    e.surface.setPixel(1, 0, 0xFF123456);
    QImage canvas = Canvas();
    QPainter painter(&canvas);
    e.CopySurface(painter, e.surface, true, 0);
    painter.end();
    EXPECT_EQ(canvas.pixel(0, 0), kBackground);
    EXPECT_EQ(canvas.pixel(1, 0), 0xFF123456);
}

TEST(Visibility, RunModeNeedsTheGlobalSwitchAndShown) {
    TestElement e(nullptr, {10, 5, 40, 35});
    e.shown = false;
    EXPECT_EQ(Drawn(e).pixel(20, 20), kGreen);  // the editor ignores both
    e.SetRunMode(nullptr, true);
    EXPECT_EQ(Drawn(e).pixel(20, 20), kBackground);
    e.shown = true;
    EXPECT_EQ(Drawn(e).pixel(20, 20), kGreen);
    SetGlobalSwitch(false);
    EXPECT_FALSE(e.IsVisibleNow());
    EXPECT_EQ(Drawn(e).pixel(20, 20), kBackground);
    SetGlobalSwitch(true);
    EXPECT_TRUE(IsGlobalSwitchOn());
    EXPECT_EQ(Drawn(e).pixel(20, 20), kGreen);
    e.SetRunMode(nullptr, false);
}

}  // namespace
