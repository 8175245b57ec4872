// The node handle: shared ownership, building, lookups, copies and very deep trees.
#include <gtest/gtest.h>

#include "files/XmlNode.h"

namespace {

using dw::CreateTopNode;
using dw::XmlContent;
using dw::XmlNode;

TEST(XmlNodeHandle, EmptyHandleIsHarmless) {
    XmlNode none;
    EXPECT_TRUE(none.IsEmpty());
    EXPECT_FALSE(none.IsDeclaration());
    EXPECT_EQ(none.Name(), "");
    EXPECT_TRUE(none.AddChild("a").IsEmpty());
    none.AddAttribute("a", "1");
    none.AddText("t");
    none.AddClear("c");
    none.AppendChild(CreateTopNode("x", false));
    EXPECT_EQ(none.AttributeCount(), 0);
    EXPECT_EQ(none.ChildCount(), 0);
    EXPECT_FALSE(none.GetAttribute("a").has_value());
    EXPECT_TRUE(none.GetChildNode("a").IsEmpty());
    EXPECT_TRUE(none.GetClear(0).IsEmpty());
    EXPECT_EQ(none.GetText(0), "");
    EXPECT_TRUE(none.Clone().IsEmpty());
    EXPECT_EQ(dw::CreateString(none, true), "");
}

TEST(XmlNodeHandle, CopiesShareTheNode) {
    XmlNode a = CreateTopNode("gauge", false);
    XmlNode b = a;
    b.AddAttribute("version", "2.0.0.0");
    EXPECT_TRUE(a.SameNode(b));
    EXPECT_EQ(a.Attribute("version"), "2.0.0.0");
    a = XmlNode();  // releases one handle; b keeps the node alive
    EXPECT_EQ(b.Name(), "gauge");
    XmlNode c = std::move(b);
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_EQ(c.Attribute("version"), "2.0.0.0");
    c = c;  // self-assignment keeps the node
    EXPECT_EQ(c.Name(), "gauge");
}

TEST(XmlNodeHandle, ChildHandleOutlivesParent) {
    XmlNode child;
    {
        XmlNode parent = CreateTopNode("gauge", false);
        child = parent.AddChild("element");
        child.AddAttribute("type", "graph");
    }
    EXPECT_EQ(child.Name(), "element");
    EXPECT_EQ(child.Attribute("type"), "graph");
}

TEST(XmlNodeAttributes, LookupIgnoresCaseAndTakesTheFirst) {
    XmlNode node = CreateTopNode("element", false);
    node.AddAttribute("name", "first");
    node.AddAttribute("NAME", "second");
    node.AddAttribute("flag", std::nullopt);
    EXPECT_EQ(node.GetAttribute("Name"), std::optional<std::string>("first"));
    EXPECT_FALSE(node.GetAttribute("missing").has_value());
    EXPECT_EQ(node.Attribute("missing"), "");
    EXPECT_EQ(std::atoi(node.Attribute("missing").c_str()), 0);
    EXPECT_FALSE(node.GetAttribute("flag").has_value());
    ASSERT_EQ(node.AttributeCount(), 3);
    EXPECT_EQ(node.Attributes()[1].name, "NAME");
    EXPECT_EQ(node.Attributes()[2].name, "flag");
}

TEST(XmlNodeChildren, CountAndSearchFromAnIndex) {
    XmlNode gauge = CreateTopNode("gauge", false);
    gauge.AddChild("properties");
    gauge.AddChild("element").AddAttribute("n", "1");
    gauge.AddText("between");
    gauge.AddChild("Element").AddAttribute("n", "2");
    gauge.AddChild("zekolink_1");
    EXPECT_EQ(gauge.ChildCount("ELEMENT"), 2);
    EXPECT_EQ(gauge.ChildCount(), 4);

    int index = 0;
    XmlNode first = gauge.GetChildNode("element", &index);
    EXPECT_EQ(first.Attribute("n"), "1");
    EXPECT_EQ(index, 2);
    XmlNode second = gauge.GetChildNode("element", &index);
    EXPECT_EQ(second.Attribute("n"), "2");
    EXPECT_EQ(index, 3);
    EXPECT_TRUE(gauge.GetChildNode("element", &index).IsEmpty());
    EXPECT_EQ(index, 3);  // unchanged when nothing is found
    EXPECT_EQ(gauge.GetChildNode("element").Attribute("n"), "1");
    int negative = -5;
    EXPECT_EQ(gauge.GetChildNode("properties", &negative).Name(), "properties");
    EXPECT_TRUE(gauge.ChildAt(4).IsEmpty());
    EXPECT_EQ(gauge.ChildAt(3).Name(), "zekolink_1");
}

TEST(XmlNodeContent, KeepsOrderAcrossSorts) {
    XmlNode node = CreateTopNode("program", false);
    node.AddText("one");
    node.AddClear("if value > 3", "<![CDATA[", "]]>");
    node.AddChild("inner");
    node.AddText("two");
    ASSERT_EQ(node.ContentCount(), 4);
    EXPECT_EQ(node.ContentAt(0).kind, XmlContent::Kind::Text);
    EXPECT_EQ(node.ContentAt(1).kind, XmlContent::Kind::Clear);
    EXPECT_EQ(node.ContentAt(2).kind, XmlContent::Kind::Element);
    EXPECT_EQ(node.ContentAt(3).kind, XmlContent::Kind::Text);
    EXPECT_EQ(node.ContentAt(3).index, 1);
    EXPECT_EQ(node.GetText(1), "two");
    EXPECT_EQ(node.GetClear(0).value, "if value > 3");
    EXPECT_EQ(node.GetClear(0).openMark, "<![CDATA[");
    EXPECT_TRUE(node.GetClear(1).IsEmpty());
    EXPECT_TRUE(node.GetClear(-1).IsEmpty());
    EXPECT_EQ(node.GetText(2), "");
}

TEST(XmlNodeTree, AppendChildSharesTheNode) {
    XmlNode gauge = CreateTopNode("gauge", false);
    XmlNode element = CreateTopNode("element", false);
    gauge.AppendChild(element);
    element.AddAttribute("name", "needle");  // visible through the parent
    EXPECT_EQ(gauge.GetChildNode("element").Attribute("name"), "needle");
    EXPECT_TRUE(gauge.GetChildNode("element").SameNode(element));
}

TEST(XmlNodeTree, AppendChildRefusesCycles) {
    XmlNode a = CreateTopNode("a", false);
    XmlNode b = a.AddChild("b");
    XmlNode c = b.AddChild("c");
    c.AppendChild(a);
    b.AppendChild(b);
    EXPECT_EQ(c.ChildCount(), 0);
    EXPECT_EQ(b.ChildCount(), 1);
    c.AppendChild(CreateTopNode("d", false));
    EXPECT_EQ(c.ChildCount(), 1);
}

TEST(XmlNodeTree, CloneIsDeepAndIndependent) {
    XmlNode gauge = CreateTopNode("gauge", false);
    XmlNode element = gauge.AddChild("element");
    element.AddAttribute("name", "a");
    element.AddChild("program").AddClear("set 1");
    XmlNode copy = gauge.Clone();
    element.AddAttribute("extra", "x");
    element.GetChildNode("program").AddText("changed");
    XmlNode copiedElement = copy.GetChildNode("element");
    EXPECT_FALSE(copiedElement.SameNode(element));
    EXPECT_EQ(copiedElement.AttributeCount(), 1);
    EXPECT_EQ(copiedElement.GetChildNode("program").GetClear(0).value, "set 1");
    EXPECT_EQ(copiedElement.GetChildNode("program").TextCount(), 0);
}

// A chain far deeper than the call stack could follow recursively: building, copying,
// writing and freeing it must all work without recursion.
TEST(XmlNodeTree, VeryDeepTreeIsCopiedWrittenAndFreed) {
    constexpr int kDepth = 300000;
    XmlNode root = CreateTopNode("d", false);
    XmlNode tip = root;
    for (int i = 0; i < kDepth; ++i) tip = tip.AddChild("d");
    tip = XmlNode();
    XmlNode copy = root.Clone();
    const std::string compact = dw::CreateString(copy, false);
    EXPECT_EQ(compact.size(), kDepth * std::string("<d></d>").size() + std::string("<d/>").size());
    root = XmlNode();
    copy = XmlNode();
}

}  // namespace
