// Switching elements between the editor and the player.
#include <gtest/gtest.h>

#include "TestKinds.h"
#include "model/ColourConvert.h"
#include "model/ElementList.h"

namespace {

using namespace dw;
using namespace dwtest;

class RunMode : public ::testing::Test {
protected:
    RecordingOwner editor{{100, 200}};
    RecordingOwner player{{300, 400}};
    std::vector<TestElement*> chain = MakeChain(3, &editor);
    ElementList list{std::unique_ptr<CElement>(chain[0])};
};

TEST_F(RunMode, AppliesToTheElementAndItsFollowersCompilingInListOrder) {
    std::vector<CElement*> compiled;
    HooksGuard hooks({.compilePrograms = [&](CElement& e) {
        compiled.push_back(&e);
        e.compiledMain = "G = 5";
    }});
    chain[1]->SetRunMode(&player, true);
    EXPECT_EQ(compiled, (std::vector<CElement*>{chain[1], chain[2]}));
    EXPECT_FALSE(chain[0]->IsRunMode() || chain[0]->GetOwner() != &editor);
    EXPECT_TRUE(chain[2]->IsRunMode() && chain[2]->GetOwner() == &player);
    // The screen position comes from the old owner; the run start is recorded.
    EXPECT_EQ(chain[2]->screenPos, (Point{100, 200}));
    EXPECT_EQ(chain[2]->runStartCentre, chain[2]->GetCentre());
    EXPECT_EQ(chain[2]->rebuildCalls, 0);
    // Leaving clears the screen position, keeps the compiled texts and compiles nothing.
    chain[1]->SetRunMode(&editor, false);
    EXPECT_EQ(chain[2]->screenPos, (Point{0, 0}));
    EXPECT_EQ(compiled.size(), 2u);
    EXPECT_EQ(chain[2]->compiledMain, "G = 5");
}

// The script engine keeps a program decoded while its text has the same stamp: a stamp must
// never come to name another text, whatever is assigned, copied or moved.
TEST(ProgramText, AStampNamesOneTextOnly) {
    ProgramText a = "G = 5";
    const ProgramText copy = a;
    EXPECT_EQ(copy.Stamp(), a.Stamp());
    ProgramText moved = std::move(a);
    EXPECT_EQ(a.Stamp() == moved.Stamp(), a.str() == moved.str());
    const std::uint64_t before = moved.Stamp();
    moved = "G = 5";  // even the same text again
    EXPECT_NE(moved.Stamp(), before);
    EXPECT_NE(ProgramText().Stamp(), ProgramText().Stamp());
}

TEST_F(RunMode, SwitchingOffRestoresWhatScriptsChangedAndRebuilds) {
    TestElement& e = *chain[1];
    // The kind has a brush and a pen (chain[0] has neither); scripts change both.
    const auto state = [](const TestElement& e) {
        return std::tuple(e.ang1, e.ang2, e.angPct, e.color, e.colorF, e.borderColor, e.borderWidth,
                          e.file, e.text, FromQColor(e.fillBrush->color()), e.fillBrush->style(),
                          FromQColor(e.borderPen->color()), e.borderPen->width(),
                          e.borderPen->capStyle());
    };
    e.ang1 = 10.0f, e.ang2 = 350.0f, e.angPct = 50.0f, e.borderWidth = 3;
    e.color = 0x112233, e.colorF = 0x445566, e.borderColor = 0x778899;
    e.file = "needle.bmp", e.text = "123";
    e.fillBrush = QBrush(ToQColor(e.colorF), Qt::CrossPattern);
    e.borderPen = QPen(QBrush(ToQColor(e.borderColor)), 3, Qt::SolidLine, Qt::FlatCap);
    const auto before = state(e);
    list.Head()->SetRunMode(&player, true);
    e.ang1 = 1.0f, e.ang2 = 2.0f, e.angPct = 3.0f, e.borderWidth = 9;
    e.color = 1, e.colorF = 2, e.borderColor = 3;
    e.file = "other.bmp", e.text = "456";
    e.fillBrush->setColor(Qt::red);
    e.borderPen->setColor(Qt::red), e.borderPen->setWidth(9);
    e.runRotation = 45.0;
    e.shown = false;
    e.MoveFromRunStart(30, 30, 0);
    const Rect moved = e.GetRect();
    list.Head()->SetRunMode(&editor, false);
    EXPECT_EQ(state(e), before);
    EXPECT_EQ(e.runRotation, 0.0);
    for (TestElement* each : chain) EXPECT_EQ(each->rebuildCalls, 1);
    // Neither position nor visibility is part of the saved state.
    EXPECT_EQ(e.GetRect(), moved);
    EXPECT_FALSE(e.shown);
    EXPECT_FALSE(chain[0]->fillBrush || chain[0]->borderPen);
}

}  // namespace
