#include <gtest/gtest.h>
#include <QFontInfo>
#include <functional>
#include <vector>

#include "RenderTestSupport.h"
#include "render/CText.h"

namespace {

using namespace rendertest;

TEST(TextElement, RebuildUsesTheCurrentFieldsAndColourChanges) {
    dw::CText text(nullptr, {0, 0, 60, 20});
    text.colorF = kRed;
    text.face = "DejaVu Sans";
    text.Rebuild();
    EXPECT_EQ(At(text.surface.Current(), 59, 19), kRed);
    EXPECT_EQ(QFontInfo(text.font).family(), QStringLiteral("DejaVu Sans"));
    text.SetColourChange(kRed, kGreen);  // the background becomes green
    text.Rebuild();
    EXPECT_EQ(At(text.surface.Current(), 59, 19), kGreen);
}

// print and setcolor reach the text through CElement's virtual operations.
TEST(TextElement, ScriptRenderingThroughTheBase) {
    dw::CText text(nullptr, {0, 0, 120, 30}), expected(nullptr, {0, 0, 120, 30});
    expected.RenderText("42");
    dw::CElement& element = text;
    text.text = "42";
    element.RenderContent();
    EXPECT_EQ(text.surface.Current(), expected.surface.Current());
    text.color = kRed;
    element.RenderContent();
    EXPECT_GT(Count(text.surface.Current(), kRed), 10);
    EXPECT_EQ(Count(text.surface.Current(), kWhite), 0);
}

// Drawing the same text again is skipped only while its bitmap is untouched.
TEST(TextElement, TheSameTextIsDrawnAgainOverAChangedBitmap) {
    dw::CText text(nullptr, {0, 0, 120, 30}), fresh(nullptr, {0, 0, 120, 30});
    text.RenderText("42");
    fresh.RenderText("42");
    const std::vector<std::function<void()>> changes = {
        [&] { text.ReplaceSurfaceColour(kWhite, kRed); },
        [&] { text.Rotate(5.0, kRed), text.Rotate(0.0, kRed); },  // the unturned source again
        [] {},
    };
    for (const auto& change : changes) {
        change();
        text.RenderText("42");
        EXPECT_EQ(Count(text.surface.Current(), kRed), 0);
        EXPECT_EQ(text.surface.Current(), fresh.surface.Current());
    }
    text.color = kGreen;  // the same text in another colour
    text.RenderText("42");
    EXPECT_EQ(Count(text.surface.Current(), kWhite), 0);
    EXPECT_GT(Count(text.surface.Current(), kGreen), 10);
}

}  // namespace
