// Selection and primary rules, hit tests and the identity accessors.
#include <gtest/gtest.h>

#include "TestKinds.h"
#include "model/ElementList.h"

namespace {

using namespace dw;
using namespace dwtest;

class Selection : public ::testing::Test {
protected:
    void SetUp() override {
        chain = MakeChain(4, &owner);
        list = ElementList(std::unique_ptr<CElement>(chain[0]));
    }
    int PrimaryCount() const {
        int n = 0;
        for (CElement& e : list) n += e.IsPrimary() ? 1 : 0;
        return n;
    }
    RecordingOwner owner;
    std::vector<TestElement*> chain;
    ElementList list;
};

TEST_F(Selection, TheFirstSelectedElementBecomesPrimaryAndOnlyIt) {
    chain[2]->Select(true);
    EXPECT_TRUE(chain[2]->IsSelected());
    EXPECT_TRUE(chain[2]->IsPrimary());
    chain[0]->Select(true);
    chain[3]->Select(true);
    EXPECT_TRUE(chain[0]->IsSelected());
    EXPECT_FALSE(chain[0]->IsPrimary());
    EXPECT_FALSE(chain[3]->IsPrimary());
    EXPECT_EQ(PrimaryCount(), 1);
    // Selecting the primary element again keeps it primary.
    chain[2]->Select(true);
    EXPECT_TRUE(chain[2]->IsPrimary());
    EXPECT_EQ(PrimaryCount(), 1);
}

TEST_F(Selection, SelectInvalidatesTheElement) {
    owner.invalidated.clear();
    chain[1]->Select(true);
    ASSERT_EQ(owner.invalidated.size(), 1u);
    EXPECT_EQ(owner.invalidated[0], chain[1]->GetRect());
}

TEST_F(Selection, DeselectingThePrimaryPassesTheRoleToTheFirstSelectedOfTheList) {
    chain[2]->Select(true);
    chain[3]->Select(true);
    chain[1]->Select(true);
    chain[2]->Select(false);
    EXPECT_FALSE(chain[2]->IsSelected());
    EXPECT_FALSE(chain[2]->IsPrimary());
    EXPECT_TRUE(chain[1]->IsPrimary());  // first selected in list order, not in selection order
    EXPECT_EQ(PrimaryCount(), 1);
}

TEST_F(Selection, DeselectingTheLastSelectedLeavesNoPrimary) {
    chain[1]->Select(true);
    chain[1]->Deselect();
    EXPECT_EQ(PrimaryCount(), 0);
    // The next selection becomes primary again.
    chain[3]->Select(true);
    EXPECT_TRUE(chain[3]->IsPrimary());
}

TEST_F(Selection, DeselectingAnElementThatIsNotPrimaryKeepsThePrimary) {
    chain[0]->Select(true);
    chain[1]->Select(true);
    chain[1]->Deselect();
    EXPECT_TRUE(chain[0]->IsPrimary());
    EXPECT_FALSE(chain[1]->IsSelected());
}

TEST_F(Selection, MakePrimaryAndGroupsInvalidate) {
    owner.invalidated.clear();
    chain[3]->MakePrimary();
    chain[3]->SetGroup(7);
    EXPECT_TRUE(chain[3]->IsPrimary());
    EXPECT_EQ(chain[3]->GetGroup(), 7);
    EXPECT_EQ(owner.invalidated.size(), 2u);
}

TEST(HitTest, IncludesLeftAndTopAndExcludesRightAndBottom) {
    TestElement e(nullptr, {10, 20, 60, 50});
    EXPECT_TRUE(e.HitTest(10, 20));
    EXPECT_TRUE(e.HitTest(59, 49));
    EXPECT_FALSE(e.HitTest(60, 30));
    EXPECT_FALSE(e.HitTest(30, 50));
    EXPECT_FALSE(e.HitTest(9, 30));
    EXPECT_FALSE(e.HitTest(30, 19));
    // Not primary: the resize square counts and is no handle.
    EXPECT_TRUE(e.HitTest(55, 45));
    EXPECT_FALSE(e.HitResizeHandle(55, 45));
}

TEST(HitTest, ThePrimaryElementsResizeSquareIsAHandleNotTheElement) {
    TestElement e(nullptr, {10, 20, 60, 50});
    e.Select(true);
    ASSERT_TRUE(e.IsPrimary());
    EXPECT_FALSE(e.HitTest(55, 45));  // (right - 5, bottom - 5)
    EXPECT_TRUE(e.HitResizeHandle(55, 45));
    // The square runs from (right - 10, bottom - 10) to (right - 1, bottom - 1), excluded.
    EXPECT_TRUE(e.HitResizeHandle(50, 40));
    EXPECT_TRUE(e.HitResizeHandle(58, 48));
    EXPECT_FALSE(e.HitResizeHandle(59, 48));
    EXPECT_FALSE(e.HitResizeHandle(58, 49));
    EXPECT_FALSE(e.HitResizeHandle(49, 45));
    EXPECT_TRUE(e.HitTest(59, 49));
    EXPECT_TRUE(e.HitTest(49, 45));
    // A locked element has no handle; the square still does not count as the element.
    e.locked = true;
    EXPECT_FALSE(e.HitResizeHandle(55, 45));
    EXPECT_FALSE(e.HitTest(55, 45));
}

TEST(HitTest, IntersectsNeedsACommonPixel) {
    TestElement a(nullptr, {0, 0, 10, 10}), b(nullptr, {10, 0, 20, 10}), c(nullptr, {9, 9, 12, 12});
    EXPECT_FALSE(a.Intersects(b));
    EXPECT_TRUE(a.Intersects(c));
    EXPECT_TRUE(c.Intersects(b));
    TestElement empty(nullptr, {5, 5, 5, 5});
    EXPECT_FALSE(a.Intersects(empty));
}

TEST(Identity, LinkedServerAndOffsetIgnoreTheFieldsWithoutAProgram) {
    TestElement e(nullptr);
    e.linkedServer = 2;
    e.linkedOffset = 3000;
    EXPECT_EQ(e.GetMainProgram(), "None");
    EXPECT_EQ(e.GetLinkedServer(), 2);  // "None" is not "none"
    EXPECT_EQ(e.GetLinkedOffset(), 3000);
    e.mainProgram = "none";
    EXPECT_EQ(e.GetLinkedServer(), 0);
    EXPECT_EQ(e.GetLinkedOffset(), -1);
    e.mainProgram.clear();
    EXPECT_EQ(e.GetLinkedServer(), 0);
    EXPECT_EQ(e.GetLinkedOffset(), -1);
    e.mainProgram = "link offset 3000 server 2\r\n";
    EXPECT_EQ(e.GetLinkedServer(), 2);
    EXPECT_EQ(e.GetLinkedOffset(), 3000);
}

TEST(Identity, NewElementsStartWithTheDocumentedValues) {
    TestElement e(nullptr, {0, 0, 20, 10}, ElementKind::Audio);
    EXPECT_EQ(e.GetKind(), ElementKind::Audio);
    EXPECT_EQ(e.clickProgram, "");
    EXPECT_EQ(e.linkedServer, 0);
    EXPECT_EQ(e.linkedOffset, -1);
    EXPECT_FALSE(e.IsSelected());
    EXPECT_FALSE(e.IsPrimary());
    EXPECT_FALSE(e.IsLocked());
    EXPECT_FALSE(e.IsRunMode());
    EXPECT_FALSE(e.loadedOk);
    EXPECT_FALSE(e.GetDeleteFollowers());
    EXPECT_EQ(e.GetGroup(), 0);
    EXPECT_TRUE(e.xmlNode.IsEmpty());
    EXPECT_EQ(e.values1, nullptr);
    EXPECT_EQ(e.client2, nullptr);
}

TEST(Identity, DisplayNameFallsBackToTheKind) {
    TestElement image(nullptr), text(nullptr, {}, ElementKind::Text),
        shape(nullptr, {}, ElementKind::Primitive), audio(nullptr, {}, ElementKind::Audio),
        other(nullptr, {}, static_cast<ElementKind>(9));
    EXPECT_EQ(image.GetDisplayName(), "No name image");
    EXPECT_EQ(text.GetDisplayName(), "No name text");
    shape.subtype = "Scale";
    EXPECT_EQ(shape.GetDisplayName(), "No name Scale");
    EXPECT_EQ(audio.GetDisplayName(), "No name audio");
    EXPECT_EQ(other.GetDisplayName(), "Unknown type of element");
    other.name = "Needle";
    EXPECT_EQ(other.GetDisplayName(), "Needle");
    EXPECT_EQ(other.GetName(), "Needle");
}

TEST(Identity, TypeWordsOfTheKinds) {
    EXPECT_EQ(TypeWordOf(ElementKind::Image), "graph");
    EXPECT_EQ(TypeWordOf(ElementKind::Text), "text");
    EXPECT_EQ(TypeWordOf(ElementKind::Primitive), "primitive");
    EXPECT_EQ(TypeWordOf(ElementKind::Audio), "audio");
    EXPECT_EQ(TypeWordOf(static_cast<ElementKind>(4)), "");
    EXPECT_EQ(KindOfTypeWord("primitive"), ElementKind::Primitive);
    EXPECT_EQ(KindOfTypeWord("Graph"), std::nullopt);  // exact words only
    EXPECT_EQ(KindOfTypeWord(""), std::nullopt);
}

}  // namespace
