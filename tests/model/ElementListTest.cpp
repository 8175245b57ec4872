// The element list: links, destruction, reordering and the owning ElementList.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestKinds.h"
#include "model/ElementList.h"

namespace {

using namespace dw;
using namespace dwtest;

std::unique_ptr<CElement> Named(const char* name) {
    auto e = std::make_unique<TestElement>(nullptr);
    e->name = name;
    return e;
}

TEST(ElementLinks, SetNextLinksBothWaysAndDestructionUnlinksOrDestroysTheFollowers) {
    RecordingOwner owner;
    TestElement a(&owner, {0, 0, 5, 5}), b(&owner, {7, 7, 9, 9});
    a.SetNext(&b);
    // b's SetPrev invalidates b, then a's SetNext invalidates a.
    EXPECT_EQ(owner.invalidated, (std::vector<Rect>{b.GetRect(), a.GetRect()}));
    a.SetNext(nullptr);
    EXPECT_EQ(b.GetPrev(), &a);  // SetNext(null) leaves the former follower alone
    b.SetPrev(nullptr);
    // Destroying an element unlinks it, or first destroys its followers.
    int destroyed = 0;
    auto chain = MakeChain(3, nullptr, &destroyed);
    delete chain[1];  // a middle element relinks its neighbours
    EXPECT_EQ(Order(chain[2]), "e0 e2");
    delete chain[0];  // a head without deleteFollowers leaves a headless follower
    EXPECT_EQ(chain[2]->GetPrev(), nullptr);
    delete chain[2];
    chain = MakeChain(5, nullptr, &destroyed);
    chain[0]->SetDeleteFollowers(true);
    delete chain[0];  // the head with deleteFollowers destroys every element
    EXPECT_EQ(destroyed, 8);
}

TEST(ElementOrder, BringToFrontAndSendToBackMoveTheElementToAnEndAndReturnTheHead) {
    // Moved element, to the front?, the new order, the head returned, and the former end that
    // is repainted besides the moved element (-1: nothing moves, only the repaint).
    // clang-format off
    const std::tuple<int, bool, const char*, int, int> rows[] = {
        {1, true, "e0 e2 e3 e1", 0, 3},  {0, true, "e1 e2 e3 e0", 1, 3},
        {2, false, "e2 e0 e1 e3", 2, 0}, {3, false, "e3 e0 e1 e2", 3, 0},
        {3, true, "e0 e1 e2 e3", 0, -1}, {0, false, "e0 e1 e2 e3", 0, -1}};
    // clang-format on
    for (const auto& [moved, front, order, first, formerEnd] : rows) {
        SCOPED_TRACE(order);
        RecordingOwner owner;
        auto chain = MakeChain(4, &owner);
        owner.invalidated.clear();
        CElement* head = front ? chain[moved]->BringToFront() : chain[moved]->SendToBack();
        ElementList cleanup{std::unique_ptr<CElement>(head)};
        EXPECT_EQ(head, chain[first]);
        EXPECT_EQ(Order(chain[0]), order);
        EXPECT_EQ(owner.invalidated.back(), chain[moved]->GetRect());
        EXPECT_TRUE(formerEnd < 0 ? owner.invalidated.size() == 1
                                  : std::count(owner.invalidated.begin(), owner.invalidated.end(),
                                               chain[formerEnd]->GetRect()) > 0);
    }
}

TEST(ElementList, TakeRemoveAndRemoveIfKeepTheEndsRight) {
    int destroyed = 0;
    auto chain = MakeChain(6, nullptr, &destroyed);
    ElementList list{std::unique_ptr<CElement>(chain[2])};  // adopts the whole chain
    std::unique_ptr<CElement> taken = list.Take(chain[0]);
    ASSERT_EQ(taken.get(), chain[0]);
    EXPECT_EQ(taken->GetNext(), nullptr);
    EXPECT_EQ(list.Head(), chain[1]);
    EXPECT_TRUE(list.Remove(chain[2]));
    EXPECT_EQ(destroyed, 1);
    // An element of another list is refused.
    EXPECT_EQ(list.Take(taken.get()), nullptr);
    EXPECT_FALSE(list.Remove(taken.get()));
    std::string visited;
    const auto pick = [&](CElement& e) { return (visited += e.name).back() != '3'; };
    EXPECT_EQ(list.RemoveIf(pick), 3u);
    EXPECT_EQ(visited, "e1e3e4e5");
    EXPECT_EQ(list.Head(), chain[3]);
    EXPECT_EQ(list.Last(), chain[3]);
    list.Clear();
    EXPECT_EQ(destroyed, 5);
    EXPECT_TRUE(list.Empty());
}

TEST(ElementList, InsertAppendAndTheEndsFollowEveryReordering) {
    auto chain = MakeChain(4, nullptr);
    ElementList list{std::unique_ptr<CElement>(chain[0])};
    chain[3]->SendToBack();  // behind the list's back
    EXPECT_EQ(list.Head(), chain[3]);
    list.BringToFront(chain[3]);
    chain[1]->BringToFront();
    list.InsertAfter(nullptr, Named("a"));  // at the head
    list.InsertAfter(chain[2], Named("b"));
    list.Append(Named("c"));
    EXPECT_EQ(Order(list.Head()), "a e0 e2 b e3 e1 c");
    EXPECT_EQ(list.IndexOf(chain[2]), 2);
    list.SendToBack(chain[1]);
    list.RemoveIf([](CElement& e) { return e.name == "c" || e.name == "a"; });
    EXPECT_EQ(list.Head(), chain[1]);
    EXPECT_EQ(list.Last(), chain[3]);
    list.InsertAfter(chain[3], Named("d"));
    // An element arriving chained to others brings its chain along, after the new end.
    auto x = Named("x");
    MakeChain(2, nullptr)[1]->SetNext(x.get());
    list.Append(std::move(x));
    EXPECT_EQ(Order(list.Head()), "e1 e0 e2 b e3 d e0 e1 x");
    list.RemoveIf([](CElement&) { return true; });
    EXPECT_EQ(list.Last(), nullptr);
    list.Append(Named("e"));
    EXPECT_EQ(list.Head(), list.Last());
}

TEST(ElementList, AppendListAndReleaseHandOverOwnershipAndLongListsNeedNoRecursion) {
    int destroyed = 0;
    ElementList a{std::unique_ptr<CElement>(MakeChain(2, nullptr, &destroyed)[0])};
    ElementList b{std::unique_ptr<CElement>(MakeChain(3, nullptr, &destroyed)[0])};
    b.Head()->name = "x";
    a.AppendList(std::move(b));
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(Order(a.Head()), "e0 e1 x e1 e2");
    CElement* head = a.Release();
    EXPECT_TRUE(a.Empty());
    EXPECT_EQ(destroyed, 0);
    for (int i = 0; i < 100000; ++i) {
        b.Append(std::make_unique<TestElement>(nullptr, Rect{}, ElementKind::Text, &destroyed));
    }
    b.AppendList(ElementList{std::unique_ptr<CElement>(head)});
    b = ElementList();
    EXPECT_EQ(destroyed, 100005);
}

}  // namespace
