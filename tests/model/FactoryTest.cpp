// The element factory and writing a list through AppendXml.
#include <gtest/gtest.h>

#include "HooksGuard.h"
#include "TestKinds.h"
#include "model/ElementFactory.h"
#include "model/ElementList.h"

namespace {

using namespace dw;
using namespace dwtest;

// A loading constructor in the manner of the kinds: reads name and size, fails on "bad".
std::unique_ptr<CElement> LoadTestElement(const XmlNode& node, IElementOwner* owner) {
    const int w = std::stoi("0" + node.Attribute("width"));
    auto e = std::make_unique<TestElement>(owner, Rect{0, 0, w, 10}, ElementKind::Text);
    e->name = node.Attribute("name");
    e->mainProgram = node.Attribute("program");
    e->linkedServer = 5;  // the factory resets the link before parsing it
    e->linkedOffset = 5;
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
        node.AddAttribute("width", std::string("30"));
        return node;
    }
};

TEST_F(Factory, CreatesANewElementOfARegisteredKind) {
    RecordingOwner owner;
    auto e = ElementFactory::Instance().Create("text", &owner, {10, 10, 110, 30});
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->GetKind(), ElementKind::Text);
    EXPECT_EQ(e->GetRect(), (Rect{10, 10, 110, 30}));
    EXPECT_EQ(e->GetOwner(), &owner);
    EXPECT_EQ(ElementFactory::Instance().Create("graph", &owner, {}), nullptr);
    EXPECT_TRUE(ElementFactory::Instance().IsRegistered("text"));
    EXPECT_FALSE(ElementFactory::Instance().IsRegistered("Text"));
}

TEST_F(Factory, LoadsByTheTypeAttributeAndReadsThePrimaryLink) {
    std::vector<std::string> parsed;
    HooksGuard hooks({.parseLink = [&](CElement& e) {
        parsed.push_back(e.name);
        EXPECT_EQ(e.linkedServer, 0);
        EXPECT_EQ(e.linkedOffset, 0);
        e.linkedServer = 1;
        e.linkedOffset = 3000;
    }});
    XmlNode node = Node("text", "speed");
    node.AddAttribute("program", std::string("link offset 3000 server 1\r\n"));
    auto result = ElementFactory::Instance().Load(node, nullptr);
    ASSERT_EQ(result.status, ElementFactory::LoadStatus::Loaded);
    ASSERT_NE(result.element, nullptr);
    EXPECT_EQ(result.element->name, "speed");
    EXPECT_EQ(result.element->GetWidth(), 30);
    EXPECT_EQ(result.element->GetLinkedServer(), 1);
    EXPECT_EQ(result.element->GetLinkedOffset(), 3000);
    EXPECT_EQ(parsed, std::vector<std::string>{"speed"});
}

TEST_F(Factory, WithoutAParseHookALoadedElementHasOffsetZero) {
    HooksGuard none({});
    auto result = ElementFactory::Instance().Load(Node("text", "x"), nullptr);
    ASSERT_EQ(result.status, ElementFactory::LoadStatus::Loaded);
    EXPECT_EQ(result.element->linkedServer, 0);
    EXPECT_EQ(result.element->linkedOffset, 0);
}

TEST_F(Factory, UnknownTypesAreReportedForSkipping) {
    for (const char* type : {"graph", "TEXT", "", "element"}) {
        auto result = ElementFactory::Instance().Load(Node(type, "x"), nullptr);
        EXPECT_EQ(result.status, ElementFactory::LoadStatus::UnknownType) << type;
        EXPECT_EQ(result.element, nullptr);
    }
    auto result = ElementFactory::Instance().Load(XmlNode(), nullptr);
    EXPECT_EQ(result.status, ElementFactory::LoadStatus::UnknownType);
}

TEST_F(Factory, AFailedLoadDestroysTheElement) {
    int parses = 0;
    HooksGuard hooks({.parseLink = [&](CElement&) { ++parses; }});
    auto result = ElementFactory::Instance().Load(Node("text", "bad"), nullptr);
    EXPECT_EQ(result.status, ElementFactory::LoadStatus::Failed);
    EXPECT_EQ(result.element, nullptr);
    EXPECT_EQ(parses, 0);
}

TEST_F(Factory, RegisteringAgainReplacesTheKind) {
    ElementFactory::Instance().Register(
        "text", [](IElementOwner*, const Rect&) { return std::unique_ptr<CElement>(); }, nullptr);
    EXPECT_EQ(ElementFactory::Instance().Create("text", nullptr, {}), nullptr);
    EXPECT_EQ(ElementFactory::Instance().Load(Node("text", "x"), nullptr).status,
              ElementFactory::LoadStatus::UnknownType);
    const auto words = ElementFactory::Instance().TypeWords();
    EXPECT_EQ(std::count(words.begin(), words.end(), "text"), 1);
}

TEST(AppendXml, TheHeadWritesTheWholeListInOrder) {
    auto chain = MakeChain(3, nullptr);
    ElementList list{std::unique_ptr<CElement>(chain[0])};
    XmlNode root = CreateTopNode("gauge", false);
    list.Head()->AppendXml(root, true);
    ASSERT_EQ(root.ChildCount("element"), 3);
    EXPECT_EQ(root.ChildAt(0).Attribute("name"), "e0");
    EXPECT_EQ(root.ChildAt(2).Attribute("name"), "e2");
    // Children are copies: later changes of the element's node do not reach the document.
    chain[0]->xmlNode.AddAttribute("late", std::string("1"));
    EXPECT_EQ(root.ChildAt(0).Attribute("late"), "");
    // Without followers only the element itself.
    XmlNode fragment = CreateTopNode("gauge", false);
    chain[1]->AppendXml(fragment, false);
    ASSERT_EQ(fragment.ChildCount(), 1);
    EXPECT_EQ(fragment.ChildAt(0).Attribute("name"), "e1");
    EXPECT_EQ(chain[1]->toXmlCalls, 2);
}

TEST(AppendXml, ALongListIsWrittenWithoutDeepRecursion) {
    ElementList list;
    for (int i = 0; i < 20000; ++i) list.Append(std::make_unique<TestElement>(nullptr));
    XmlNode root = CreateTopNode("gauge", false);
    list.Head()->AppendXml(root, true);
    EXPECT_EQ(root.ChildCount(), 20000);
}

TEST(AppendXml, TheBaseToXmlReturnsTheNodeUnchanged) {
    class Bare : public CElement {
    public:
        Bare() : CElement(nullptr, ElementKind::Audio) {}
    } bare;
    bare.xmlNode = CreateTopNode("element", false);
    bare.xmlNode.AddAttribute("type", std::string("audio"));
    EXPECT_TRUE(bare.ToXml().SameNode(bare.xmlNode));
    XmlNode root = CreateTopNode("gauge", false);
    bare.AppendXml(root, true);
    ASSERT_EQ(root.ChildCount(), 1);
    EXPECT_FALSE(root.ChildAt(0).SameNode(bare.xmlNode));
    EXPECT_EQ(root.ChildAt(0).Attribute("type"), "audio");
}

}  // namespace
