// The common drawing: the surface copy, visibility and the editor frame, checked by pixels.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "TestKinds.h"
#include "model/GlobalSwitch.h"

namespace {

using namespace dw;
using namespace dwtest;

constexpr QRgb kBackground = 0xFF808080;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;   // 0x0000FF as 0x00BBGGRR
constexpr QRgb kBlue = 0xFF0000C4;  // 0xC40000 as 0x00BBGGRR
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlack = 0xFF000000;

QImage Drawn(CElement& e) {
    QImage canvas(60, 50, QImage::Format_RGB32);
    canvas.fill(kBackground);
    QPainter painter(&canvas);
    e.Draw(painter);
    painter.end();
    return canvas;
}

TEST(DrawFrame, RedForAGroupElseBlueForThePrimaryElseWhiteWithTheSquareOfThePrimary) {
    for (auto [primary, group, frame] :
         {std::tuple{false, 0, kWhite}, {true, 0, kBlue}, {true, 3, kRed}}) {
        SCOPED_TRACE(frame);
        TestElement first(nullptr), e(nullptr, {10, 5, 40, 35});
        first.SetNext(&e);
        if (!primary) first.Select(true);
        e.Select(true);
        e.SetGroup(group);
        ASSERT_EQ(e.IsPrimary(), primary);
        const QImage img = Drawn(e);
        // A ring two pixels wide inside (10, 5)-(40, 35); the square (30, 25) to (39, 34) keeps
        // the blue brush; there is no diagonal (through (22, 17)) unless the element is locked.
        const QRgb square = primary ? kBlue : kGreen;
        // clang-format off
        const std::tuple<int, int, QRgb> points[] = {
            {10, 5, frame}, {11, 20, frame}, {38, 6, frame}, {20, 34, frame}, {12, 7, kGreen},
            {9, 5, kBackground}, {40, 5, kBackground}, {10, 35, kBackground}, {30, 25, square},
            {37, 32, square}, {29, 30, kGreen}, {30, 24, kGreen}, {22, 17, kGreen}};
        // clang-format on
        for (auto [x, y, colour] : points) EXPECT_EQ(img.pixel(x, y), colour) << x << "," << y;
        e.locked = true;
        EXPECT_EQ(Drawn(e).pixel(22, 17), frame);
    }
}

TEST(DrawFrame, OnlySelectedElementsOutsideRunModeAndOnlyVisibleOnesInRunMode) {
    TestElement e(nullptr, {10, 5, 40, 35});
    EXPECT_EQ(Drawn(e).pixel(10, 5), kGreen);
    e.Select(true);
    e.SetRunMode(nullptr, true);
    EXPECT_EQ(Drawn(e).pixel(10, 5), kGreen);
    e.SetRunMode(nullptr, false);
    EXPECT_EQ(Drawn(e).pixel(10, 5), kBlue);
    // In run mode an element shows only with the global switch and its own shown set.
    e.shown = false;
    EXPECT_EQ(Drawn(e).pixel(20, 20), kGreen);  // the editor ignores both
    e.SetRunMode(nullptr, true);
    EXPECT_EQ(Drawn(e).pixel(20, 20), kBackground);
    e.shown = true;
    EXPECT_EQ(Drawn(e).pixel(20, 20), kGreen);
    SetGlobalSwitch(false);
    EXPECT_EQ(Drawn(e).pixel(20, 20), kBackground);
    SetGlobalSwitch(true);
}

TEST(DrawSurface, AnOpaqueCopyFillsTheRectangleAndTheBasicGraphOnePixelMore) {
    TestElement e(nullptr, {10, 5, 40, 35}, ElementKind::Primitive);
    QImage img = Drawn(e);
    EXPECT_EQ(img.pixel(10, 5), kGreen);
    EXPECT_EQ(img.pixel(39, 34), kGreen);
    for (auto [x, y] : {std::pair{40, 34}, {39, 35}, {9, 5}})
        EXPECT_EQ(img.pixel(x, y), kBackground);
    // The extra pixels are black beyond the surface, and the surface's own when it has them.
    e.opaqueExtra = 1;
    img = Drawn(e);
    for (auto [x, y] : {std::pair{40, 20}, {20, 35}, {40, 35}}) EXPECT_EQ(img.pixel(x, y), kBlack);
    EXPECT_EQ(img.pixel(41, 20), kBackground);
    e.surface = QImage(31, 31, QImage::Format_RGB32);
    e.surface.fill(Qt::green);
    EXPECT_EQ(Drawn(e).pixel(40, 35), kGreen);
}

// An element whose surface is one row of these pixels, and the first row of a drawing.
void SetStrip(TestElement& e, std::vector<QRgb> pixels, QImage::Format format) {
    e.rect = {0, 0, static_cast<int>(pixels.size()), 1};
    e.surface = QImage(e.rect.right, 1, format);
    for (int x = 0; x < e.rect.right; ++x) e.surface.setPixel(x, 0, pixels[x]);
}
std::vector<QRgb> FirstRow(const QImage& img, int n) {
    std::vector<QRgb> row;
    for (int x = 0; x < n; ++x) row.push_back(img.pixel(x, 0));
    return row;
}

TEST(DrawSurface, ATransparentCopyLeavesOutExactlyTheCurrentKeyColour) {
    TestElement e(nullptr);
    // The key 0x302010 (as 0x00BBGGRR), one step away from it, black, the key again.
    SetStrip(e, {0xFF102030, 0xFF102031, kBlack, 0xFF102030}, QImage::Format_RGB32);
    e.transparent = true;
    e.transparentColor = 0x302010;
    EXPECT_EQ(FirstRow(Drawn(e), 4),
              (std::vector<QRgb>{kBackground, 0xFF102031, kBlack, kBackground}));
    // A changed surface or key is drawn as it is now (no stale cached mask).
    e.surface.setPixel(0, 0, kGreen);
    EXPECT_EQ(Drawn(e).pixel(0, 0), kGreen);
    e.transparentColor = 0x00FF00;
    EXPECT_EQ(FirstRow(Drawn(e), 4),
              (std::vector<QRgb>{kBackground, 0xFF102031, kBlack, 0xFF102030}));
    // A kind may copy with a key of its own (the audio icon leaves out black).
    QImage img(4, 1, QImage::Format_RGB32);
    img.fill(kBackground);
    QPainter painter(&img);
    e.CopySurface(painter, e.surface, true, 0);
    painter.end();
    EXPECT_EQ(FirstRow(img, 4), (std::vector<QRgb>{kGreen, 0xFF102031, kBackground, 0xFF102030}));
}

// Copies of a changed surface onto a plain image write its pixels directly; under a clip
// QPainter copies. Both must give the same pixels, also where the target runs over the
// image's edges.
TEST(DrawSurface, DirectAndPainterCopiesAgreeAtEveryEdge) {
    TestElement e(nullptr);
    e.surface = QImage(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) e.surface.setPixel(x, y, (x + y) % 3 == 0 ? kBlack : kGreen);
    for (const Rect& r : {Rect{2, 3, 9, 8}, Rect{-3, -2, 4, 3}, Rect{56, 46, 63, 51},
                          Rect{1, 1, 11, 9}}) {  // the last is larger than the surface
        for (bool useKey : {false, true}) {
            SCOPED_TRACE(testing::Message() << r.left << "," << r.top << " key " << useKey);
            e.rect = r;
            e.surface.setPixel(0, 0, e.surface.pixel(0, 0));  // changed: copied directly
            QImage direct(60, 50, QImage::Format_RGB32), painted = direct;
            direct.fill(kBackground);
            painted.fill(kBackground);
            QPainter onDirect(&direct), onPainted(&painted);
            onPainted.setClipRect(painted.rect());
            e.CopySurface(onDirect, e.surface, useKey, 0x000000, 1);
            e.CopySurface(onPainted, e.surface, useKey, 0x000000, 1);
            onDirect.end();
            onPainted.end();
            EXPECT_EQ(direct, painted);
        }
    }
}

}  // namespace
