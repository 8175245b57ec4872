// Switching elements between the editor and the player, and the hooks it uses.
#include <gtest/gtest.h>

#include "HooksGuard.h"
#include "TestKinds.h"
#include "model/ColourConvert.h"
#include "model/ElementList.h"

namespace {

using namespace dw;
using namespace dwtest;

class RunMode : public ::testing::Test {
protected:
    void SetUp() override {
        chain = MakeChain(3, &editor);
        list = ElementList(std::unique_ptr<CElement>(chain[0]));
    }
    RecordingOwner editor{{100, 200}};
    RecordingOwner player{{300, 400}};
    std::vector<TestElement*> chain;
    ElementList list;
};

TEST_F(RunMode, AppliesToTheElementAndEveryFollowerOnly) {
    chain[1]->SetRunMode(&player, true);
    EXPECT_FALSE(chain[0]->IsRunMode());
    EXPECT_TRUE(chain[1]->IsRunMode());
    EXPECT_TRUE(chain[2]->IsRunMode());
    EXPECT_EQ(chain[0]->GetOwner(), &editor);
    EXPECT_EQ(chain[1]->GetOwner(), &player);
    EXPECT_EQ(chain[2]->GetOwner(), &player);
}

TEST_F(RunMode, ScreenPositionIsRecordedFromTheOldOwnerThenCleared) {
    chain[0]->SetRunMode(&player, true);
    EXPECT_EQ(chain[0]->screenPos, (Point{100, 200}));
    chain[0]->SetRunMode(&editor, false);
    EXPECT_EQ(chain[0]->screenPos, (Point{0, 0}));
    EXPECT_EQ(chain[0]->GetOwner(), &editor);
}

TEST_F(RunMode, SwitchingOnCompilesInListOrderAndRecordsTheRunStart) {
    std::vector<CElement*> compiled;
    HooksGuard hooks({.compilePrograms = [&](CElement& e) {
        compiled.push_back(&e);
        e.compiledMain = "G = 5";
    }});
    chain[1]->dragOffset = {4, 4};
    chain[0]->SetRunMode(&player, true);
    ASSERT_EQ(compiled.size(), 3u);
    EXPECT_EQ(compiled[0], chain[0]);
    EXPECT_EQ(compiled[2], chain[2]);
    EXPECT_EQ(chain[1]->runStartCentre, chain[1]->GetCentre());
    EXPECT_EQ(chain[1]->dragOffset, (Point{0, 0}));
    EXPECT_EQ(chain[1]->rebuildCalls, 0);
    // Leaving run mode keeps the compiled texts and compiles nothing.
    chain[0]->SetRunMode(&editor, false);
    EXPECT_EQ(compiled.size(), 3u);
    EXPECT_EQ(chain[2]->compiledMain, "G = 5");
}

TEST_F(RunMode, SwitchingOffRestoresWhatScriptsChangedAndRebuilds) {
    TestElement& e = *chain[1];
    e.ang1 = 10.0f;
    e.ang2 = 350.0f;
    e.angPct = 50.0f;
    e.color = 0x112233;
    e.colorF = 0x445566;
    e.borderColor = 0x778899;
    e.borderWidth = 3;
    e.file = "needle.bmp";
    e.text = "123";
    chain[0]->SetRunMode(&player, true);
    e.ang1 = 1.0f;
    e.ang2 = 2.0f;
    e.angPct = 3.0f;
    e.color = 1;
    e.colorF = 2;
    e.borderColor = 3;
    e.borderWidth = 9;
    e.file = "other.bmp";
    e.text = "456";
    e.runRotation = 45.0;
    e.shown = false;
    e.MoveFromRunStart(30, 30, 0);
    const Rect moved = e.GetRect();
    chain[0]->SetRunMode(&editor, false);
    EXPECT_FALSE(e.IsRunMode());
    EXPECT_EQ(e.ang1, 10.0f);
    EXPECT_EQ(e.ang2, 350.0f);
    EXPECT_EQ(e.angPct, 50.0f);
    EXPECT_EQ(e.color, 0x112233u);
    EXPECT_EQ(e.colorF, 0x445566u);
    EXPECT_EQ(e.borderColor, 0x778899u);
    EXPECT_EQ(e.borderWidth, 3);
    EXPECT_EQ(e.file, "needle.bmp");
    EXPECT_EQ(e.text, "123");
    EXPECT_EQ(e.runRotation, 0.0);
    EXPECT_EQ(e.rebuildCalls, 1);
    EXPECT_EQ(chain[0]->rebuildCalls, 1);
    EXPECT_EQ(chain[2]->rebuildCalls, 1);
    // Neither position nor visibility is part of the saved state.
    EXPECT_EQ(e.GetRect(), moved);
    EXPECT_FALSE(e.shown);
}

TEST_F(RunMode, BrushAndPenAreRemadeOnlyWhenTheKindHasThem) {
    TestElement& e = *chain[0];
    e.colorF = 0x0000FF;
    e.borderColor = 0x00FF00;
    e.borderWidth = 2;
    e.fillBrush = QBrush(ToQColor(e.colorF), Qt::CrossPattern);
    e.borderPen = QPen(QBrush(ToQColor(e.borderColor)), 2, Qt::SolidLine, Qt::FlatCap);
    TestElement& bare = *chain[1];
    list.Head()->SetRunMode(&player, true);
    e.colorF = 0xFF0000;
    e.borderColor = 0xFFFFFF;
    e.borderWidth = 6;
    list.Head()->SetRunMode(&editor, false);
    ASSERT_TRUE(e.fillBrush.has_value());
    EXPECT_EQ(FromQColor(e.fillBrush->color()), 0x0000FFu);
    EXPECT_EQ(e.fillBrush->style(), Qt::CrossPattern);
    ASSERT_TRUE(e.borderPen.has_value());
    EXPECT_EQ(FromQColor(e.borderPen->color()), 0x00FF00u);
    EXPECT_EQ(e.borderPen->width(), 2);
    EXPECT_EQ(e.borderPen->capStyle(), Qt::FlatCap);
    EXPECT_FALSE(bare.fillBrush.has_value());
    EXPECT_FALSE(bare.borderPen.has_value());
}

TEST(Hooks, WithoutHooksTheDefaultsDoNothingAndSucceed) {
    HooksGuard none({});
    TestElement e(nullptr);
    EXPECT_TRUE(e.RunProgram());
    e.OnClick();
    e.EditProperties();
    e.SetRunMode(nullptr, true);
    EXPECT_EQ(e.compiledMain, "");
    e.SetRunMode(nullptr, false);
}

TEST(Hooks, DefaultOperationsCallTheirHooks) {
    int runs = 0, clicks = 0, edits = 0;
    HooksGuard hooks({.runMainProgram = [&](CElement&) { return ++runs > 1; },
                      .runClickProgram = [&](CElement&) { return ++clicks > 0; },
                      .editProperties =
                          [&](CElement& e) {
                              ++edits;
                              e.name = "edited";
                          }});
    TestElement e(nullptr);
    EXPECT_FALSE(e.RunProgram());
    EXPECT_TRUE(e.RunProgram());
    e.OnClick();
    e.EditProperties();
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(edits, 1);
    EXPECT_EQ(e.name, "edited");
    EXPECT_TRUE(CallRunClickProgram(e));
}

}  // namespace
