// Element identity (type words, display names), the factory and
// writing a list through AppendXml.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestKinds.h"
#include "model/ElementFactory.h"
#include "model/ElementList.h"

namespace {

using namespace dw;
using namespace dwtest;
using Status = ElementFactory::LoadStatus;

// A loading constructor in the manner of the kinds: reads name and width, fails on "bad".
std::unique_ptr<CElement> LoadTestElement(const XmlNode& node, IElementOwner* owner) {
    auto e = std::make_unique<TestElement>(owner, Rect{0, 0, 30, 10}, ElementKind::Text);
    e->name = node.Attribute("name");
    e->linkedServer = e->linkedOffset = 5;  // the factory resets the link before parsing it
    e->loadedOk = e->name != "bad";
    return e;
}

class Factory : public ::testing::Test {
protected:
    void SetUp() override {
        ElementFactory::Instance().Register(
            "text",
            [](IElementOwner* owner, const Rect& r) {
                return std::make_unique<TestElement>(owner, r, ElementKind::Text);
            },
            LoadTestElement);
    }
    void TearDown() override { ElementFactory::Instance().Unregister("text"); }

    static XmlNode Node(const std::string& type, const std::string& name) {
        XmlNode node = CreateTopNode("element", false);
        node.AddAttribute("type", type);
        node.AddAttribute("name", name);
        return node;
    }
    const ElementFactory& factory = ElementFactory::Instance();
};

TEST_F(Factory, LoadsByTheTypeAttributeAndReadsThePrimaryLinkAfterAReset) {
    std::vector<std::pair<int, int>> seen;
    HooksGuard hooks({.parseLink = [&](CElement& e) {
        seen.emplace_back(e.linkedServer, e.linkedOffset);
        e.linkedServer = 1;
        e.linkedOffset = 3000;
    }});
    auto result = factory.Load(Node("text", "speed"), nullptr);
    ASSERT_EQ(result.status, Status::Loaded);
    EXPECT_EQ(result.element->linkedOffset, 3000);
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{0, 0}}));
    // A failed load destroys the element before any parsing.
    result = factory.Load(Node("text", "bad"), nullptr);
    EXPECT_EQ(result.status, Status::Failed);
    EXPECT_EQ(result.element, nullptr);
    EXPECT_EQ(seen.size(), 1u);
}

TEST_F(Factory, UnknownTypesAreReportedForSkippingAndNotCreated) {
    ASSERT_NE(factory.Create("text", nullptr, {}), nullptr);
    EXPECT_EQ(factory.Create("graph", nullptr, {}), nullptr);
    for (const char* type : {"graph", "Text", ""})
        EXPECT_EQ(factory.Load(Node(type, "x"), nullptr).status, Status::UnknownType) << type;
    EXPECT_EQ(factory.Load(XmlNode(), nullptr).status, Status::UnknownType);
    // Registering again replaces the kind, here with one that cannot load.
    ElementFactory::Instance().Register(
        "text", [](IElementOwner*, const Rect&) { return std::unique_ptr<CElement>(); }, nullptr);
    EXPECT_EQ(factory.Create("text", nullptr, {}), nullptr);
    EXPECT_EQ(factory.Load(Node("text", "x"), nullptr).status, Status::UnknownType);
    EXPECT_EQ(std::ranges::count(factory.TypeWords(), "text"), 1);
}

TEST(AppendXml, TheHeadWritesTheWholeListInOrderAsCopiesOfTheNodes) {
    auto chain = MakeChain(3, nullptr);
    ElementList list{std::unique_ptr<CElement>(chain[0])};
    for (int i = 0; i < 20000; ++i) list.Append(std::make_unique<TestElement>(nullptr));
    XmlNode root = CreateTopNode("gauge", false);
    list.Head()->AppendXml(root, true);  // without deep recursion
    ASSERT_EQ(root.ChildCount("element"), 20003);
    EXPECT_EQ(root.ChildAt(0).Attribute("name"), "e0");
    EXPECT_EQ(root.ChildAt(2).Attribute("name"), "e2");
    XmlNode fragment = CreateTopNode("gauge", false);
    chain[1]->AppendXml(fragment, false);  // without followers only the element itself
    ASSERT_EQ(fragment.ChildCount(), 1);
}

TEST(Identity, TypeWordsAndDisplayNames) {
    const std::tuple<ElementKind, const char*, const char*> kinds[] = {
        {ElementKind::Image, "graph", "No name image"},
        {ElementKind::Primitive, "primitive", "No name Scale"},
        {static_cast<ElementKind>(4), "", "Unknown type of element"}};
    for (const auto& [kind, word, display] : kinds) {
        TestElement element(nullptr, {}, kind);
        element.subtype = "Scale";  // the shape name of the basic graph kind
        EXPECT_EQ(element.GetDisplayName(), display);
        EXPECT_EQ(TypeWordOf(kind), word);
        EXPECT_EQ(KindOfTypeWord(word), *word != 0 ? std::optional(kind) : std::nullopt);
        element.name = "Needle";
        EXPECT_EQ(element.GetDisplayName(), "Needle");
    }
    EXPECT_EQ(KindOfTypeWord("Graph"), std::nullopt);  // exact words only
}

}  // namespace
