// The element list: links, destruction, reordering and the owning ElementList.
#include <gtest/gtest.h>

#include "TestKinds.h"
#include "model/ElementList.h"

namespace {

using namespace dw;
using namespace dwtest;

TEST(ElementLinks, SetNextLinksBothWaysAndInvalidatesTheElement) {
    RecordingOwner owner;
    TestElement a(&owner, {0, 0, 5, 5}), b(&owner, {7, 7, 9, 9});
    a.SetNext(&b);
    EXPECT_EQ(a.GetNext(), &b);
    EXPECT_EQ(b.GetPrev(), &a);
    // b's SetPrev invalidates b, then a's SetNext invalidates a.
    ASSERT_EQ(owner.invalidated.size(), 2u);
    EXPECT_EQ(owner.invalidated[0], b.GetRect());
    EXPECT_EQ(owner.invalidated[1], a.GetRect());
    a.SetNext(nullptr);
    EXPECT_EQ(a.GetNext(), nullptr);
    EXPECT_EQ(b.GetPrev(), &a);  // SetNext(null) leaves the former follower alone
    b.SetPrev(nullptr);
}

TEST(ElementDestruction, AMiddleElementRelinksItsNeighbours) {
    int destroyed = 0;
    auto chain = MakeChain(3, nullptr, &destroyed);
    delete chain[1];
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(Order(chain[0]), "e0 e2");
    EXPECT_EQ(ReverseOrder(chain[2]), "e2 e0");
    ElementList cleanup{std::unique_ptr<CElement>(chain[0])};
}

TEST(ElementDestruction, TheHeadWithoutDeleteFollowersLeavesAHeadlessFollower) {
    int destroyed = 0;
    auto chain = MakeChain(3, nullptr, &destroyed);
    delete chain[0];
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(chain[1]->GetPrev(), nullptr);
    EXPECT_EQ(Order(chain[1]), "e1 e2");
    ElementList cleanup{std::unique_ptr<CElement>(chain[1])};
}

TEST(ElementDestruction, TheHeadWithDeleteFollowersDestroysEveryElement) {
    int destroyed = 0;
    auto chain = MakeChain(5, nullptr, &destroyed);
    chain[0]->SetDeleteFollowers(true);
    delete chain[0];
    EXPECT_EQ(destroyed, 5);
}

TEST(ElementDestruction, AMiddleElementWithDeleteFollowersEndsTheListBeforeIt) {
    int destroyed = 0;
    auto chain = MakeChain(4, nullptr, &destroyed);
    chain[1]->SetDeleteFollowers(true);
    delete chain[1];
    EXPECT_EQ(destroyed, 3);
    EXPECT_EQ(chain[0]->GetNext(), nullptr);
    delete chain[0];
    EXPECT_EQ(destroyed, 4);
}

TEST(ElementDestruction, AVeryLongListIsDestroyedWithoutRecursion) {
    int destroyed = 0;
    constexpr int kCount = 100000;
    {
        ElementList list;
        for (int i = 0; i < kCount; ++i) {
            list.Append(std::make_unique<TestElement>(nullptr, Rect{0, 0, 1, 1}, ElementKind::Text,
                                                      &destroyed));
        }
        EXPECT_EQ(list.Count(), static_cast<std::size_t>(kCount));
    }
    EXPECT_EQ(destroyed, kCount);
}

TEST(ElementOrder, BringToFrontMovesAMiddleElementToTheEnd) {
    RecordingOwner owner;
    auto chain = MakeChain(4, &owner);
    ElementList list{std::unique_ptr<CElement>(chain[0])};
    owner.invalidated.clear();
    CElement* head = chain[1]->BringToFront();
    EXPECT_EQ(head, chain[0]);
    EXPECT_EQ(Order(head), "e0 e2 e3 e1");
    EXPECT_EQ(ReverseOrder(chain[1]), "e1 e3 e2 e0");
    // The former last element and the moved one are repainted.
    EXPECT_NE(std::find(owner.invalidated.begin(), owner.invalidated.end(), chain[3]->GetRect()),
              owner.invalidated.end());
    EXPECT_EQ(owner.invalidated.back(), chain[1]->GetRect());
}

TEST(ElementOrder, BringToFrontOfTheHeadReturnsTheNewHead) {
    auto chain = MakeChain(3, nullptr);
    CElement* head = chain[0]->BringToFront();
    EXPECT_EQ(head, chain[1]);
    EXPECT_EQ(head->GetPrev(), nullptr);
    EXPECT_EQ(Order(head), "e1 e2 e0");
    EXPECT_EQ(ReverseOrder(chain[0]), "e0 e2 e1");
    ElementList cleanup{std::unique_ptr<CElement>(head)};
}

TEST(ElementOrder, BringToFrontOfTheLastAndSendToBackOfTheFirstOnlyRepaint) {
    RecordingOwner owner;
    auto chain = MakeChain(3, &owner);
    ElementList list{std::unique_ptr<CElement>(chain[0])};
    owner.invalidated.clear();
    EXPECT_EQ(chain[2]->BringToFront(), chain[0]);
    EXPECT_EQ(Order(chain[0]), "e0 e1 e2");
    ASSERT_EQ(owner.invalidated.size(), 1u);
    EXPECT_EQ(owner.invalidated[0], chain[2]->GetRect());
    owner.invalidated.clear();
    EXPECT_EQ(chain[0]->SendToBack(), chain[0]);
    EXPECT_EQ(Order(chain[0]), "e0 e1 e2");
    ASSERT_EQ(owner.invalidated.size(), 1u);
    EXPECT_EQ(owner.invalidated[0], chain[0]->GetRect());
}

TEST(ElementOrder, SendToBackMakesTheElementTheHead) {
    RecordingOwner owner;
    auto chain = MakeChain(4, &owner);
    owner.invalidated.clear();
    CElement* head = chain[2]->SendToBack();
    EXPECT_EQ(head, chain[2]);
    EXPECT_EQ(head->GetPrev(), nullptr);
    EXPECT_EQ(Order(head), "e2 e0 e1 e3");
    EXPECT_EQ(ReverseOrder(chain[3]), "e3 e1 e0 e2");
    EXPECT_NE(std::find(owner.invalidated.begin(), owner.invalidated.end(), chain[0]->GetRect()),
              owner.invalidated.end());
    EXPECT_EQ(owner.invalidated.back(), chain[2]->GetRect());
    // The last element, too.
    head = chain[3]->SendToBack();
    EXPECT_EQ(Order(head), "e3 e2 e0 e1");
    EXPECT_EQ(chain[1]->GetNext(), nullptr);
    ElementList cleanup{std::unique_ptr<CElement>(head)};
}

TEST(ElementOrder, FrontWalkKeepsTheRelativeOrderOfSelectedElements) {
    // The editor's Front command: the second and fourth of four, walked from the head.
    ElementList list;
    auto chain = MakeChain(4, nullptr);
    list.Append(std::unique_ptr<CElement>(chain[0]));
    for (CElement *e = list.Head(), *stop = nullptr; e != nullptr && e != stop;) {
        CElement* after = e->GetNext();
        if (e == chain[1] || e == chain[3]) {
            if (stop == nullptr) stop = e;
            list.BringToFront(e);
        }
        e = after;
    }
    EXPECT_EQ(Order(list.Head()), "e0 e2 e1 e3");
}

TEST(ElementListOwnership, AppendInsertAndIterateInOrder) {
    ElementList list;
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(list.Head(), nullptr);
    EXPECT_EQ(list.Last(), nullptr);
    auto make = [](const char* name) {
        auto e = std::make_unique<TestElement>(nullptr);
        e->name = name;
        return e;
    };
    CElement* b = list.Append(make("b"));
    list.Append(make("d"));
    list.InsertAfter(nullptr, make("a"));
    list.InsertAfter(b, make("c"));
    EXPECT_EQ(Order(list.Head()), "a b c d");
    EXPECT_EQ(ReverseOrder(list.Last()), "d c b a");
    EXPECT_EQ(list.Count(), 4u);
    EXPECT_EQ(list.IndexOf(b), 1);
    EXPECT_EQ(list.At(2)->name, "c");
    EXPECT_EQ(list.At(4), nullptr);
    std::string names;
    for (CElement& e : list) names += e.name;
    EXPECT_EQ(names, "abcd");
    EXPECT_EQ(list.Append(nullptr), nullptr);
}

TEST(ElementListOwnership, AnElementArrivingWithAChainBringsItAlong) {
    ElementList list;
    auto first = std::make_unique<TestElement>(nullptr);
    first->name = "x";
    auto chain = MakeChain(2, nullptr);
    chain[1]->SetNext(first.get());  // e0 e1 x, handed over through x
    list.Append(std::move(first));
    EXPECT_EQ(Order(list.Head()), "e0 e1 x");
}

TEST(ElementListOwnership, TakeAndRemoveKeepTheHeadRight) {
    int destroyed = 0;
    auto chain = MakeChain(4, nullptr, &destroyed);
    ElementList list{std::unique_ptr<CElement>(chain[2])};  // adopts the whole chain
    EXPECT_EQ(list.Head(), chain[0]);
    std::unique_ptr<CElement> taken = list.Take(chain[0]);
    ASSERT_EQ(taken.get(), chain[0]);
    EXPECT_EQ(taken->GetNext(), nullptr);
    EXPECT_EQ(list.Head(), chain[1]);
    EXPECT_EQ(list.Head()->GetPrev(), nullptr);
    EXPECT_TRUE(list.Remove(chain[2]));
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(Order(list.Head()), "e1 e3");
    // An element of another list is refused.
    EXPECT_EQ(list.Take(taken.get()), nullptr);
    EXPECT_FALSE(list.Remove(taken.get()));
    EXPECT_EQ(list.Take(nullptr), nullptr);
    list.Clear();
    EXPECT_EQ(destroyed, 3);
    EXPECT_TRUE(list.Empty());
}

TEST(ElementListOwnership, RemoveIfDestroysTheMatchingElementsInOneWalk) {
    int destroyed = 0;
    auto chain = MakeChain(5, nullptr, &destroyed);
    ElementList list{std::unique_ptr<CElement>(chain[0])};
    std::string visited;
    const std::size_t removed = list.RemoveIf([&](CElement& e) {
        visited += e.name;
        return e.name == "e0" || e.name == "e2" || e.name == "e4";
    });
    EXPECT_EQ(removed, 3u);
    EXPECT_EQ(visited, "e0e1e2e3e4");
    EXPECT_EQ(destroyed, 3);
    EXPECT_EQ(Order(list.Head()), "e1 e3");
    EXPECT_EQ(ReverseOrder(list.Last()), "e3 e1");
}

TEST(ElementListOwnership, HeadFollowsDirectReorderingOfItsElements) {
    auto chain = MakeChain(3, nullptr);
    ElementList list{std::unique_ptr<CElement>(chain[0])};
    chain[2]->SendToBack();
    EXPECT_EQ(list.Head(), chain[2]);
    list.BringToFront(chain[2]);
    EXPECT_EQ(list.Head(), chain[0]);
    list.SendToBack(chain[1]);
    EXPECT_EQ(Order(list.Head()), "e1 e0 e2");
}

TEST(ElementListOwnership, AppendingFollowsTheCurrentEndAfterEveryChange) {
    auto chain = MakeChain(4, nullptr);
    ElementList list{std::unique_ptr<CElement>(chain[0])};
    auto append = [&](const char* name) {
        auto e = std::make_unique<TestElement>(nullptr);
        e->name = name;
        list.Append(std::move(e));
    };
    chain[1]->BringToFront();  // behind the list's back
    append("a");
    EXPECT_EQ(Order(list.Head()), "e0 e2 e3 e1 a");
    list.Remove(list.Last());
    append("b");
    EXPECT_EQ(Order(list.Head()), "e0 e2 e3 e1 b");
    list.RemoveIf([](CElement& e) { return e.name == "b" || e.name == "e1"; });
    EXPECT_EQ(list.Last(), chain[3]);
    list.InsertAfter(chain[3], std::make_unique<TestElement>(nullptr));
    append("c");
    EXPECT_EQ(list.Count(), 5u);
    EXPECT_EQ(list.Last()->name, "c");
    EXPECT_EQ(ReverseOrder(list.Last()), "c  e3 e2 e0");
    list.RemoveIf([](CElement&) { return true; });
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(list.Last(), nullptr);
    append("d");
    EXPECT_EQ(list.Head(), list.Last());
}

TEST(ElementListOwnership, AppendListMovesEveryElementAndMovingTransfersOwnership) {
    int destroyed = 0;
    ElementList a{std::unique_ptr<CElement>(MakeChain(2, nullptr, &destroyed)[0])};
    auto second = MakeChain(3, nullptr, &destroyed);
    for (auto* e : second) e->name = "n" + e->name;
    ElementList b{std::unique_ptr<CElement>(second[0])};
    a.AppendList(std::move(b));
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(Order(a.Head()), "e0 e1 ne0 ne1 ne2");
    ElementList c = std::move(a);
    EXPECT_TRUE(a.Empty());
    EXPECT_EQ(c.Count(), 5u);
    ElementList d;
    d.AppendList(std::move(c));
    EXPECT_EQ(d.Count(), 5u);
    d = ElementList();
    EXPECT_EQ(destroyed, 5);
}

TEST(ElementListOwnership, ReleaseGivesUpTheChain) {
    int destroyed = 0;
    CElement* head = nullptr;
    {
        ElementList list{std::unique_ptr<CElement>(MakeChain(3, nullptr, &destroyed)[0])};
        head = list.Release();
        EXPECT_TRUE(list.Empty());
    }
    EXPECT_EQ(destroyed, 0);
    head->SetDeleteFollowers(true);
    delete head;
    EXPECT_EQ(destroyed, 3);
}

}  // namespace
