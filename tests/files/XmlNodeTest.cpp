// The node handle: shared ownership, building, lookups, copies and very deep trees.
#include <gtest/gtest.h>

#include "files/XmlNode.h"

namespace {

using dw::CreateTopNode;
using dw::XmlNode;

TEST(XmlNodeHandle, CopiesShareTheNodeAndKeepItAlive) {
    XmlNode a = CreateTopNode("gauge", false);
    XmlNode b = a;
    b.AddAttribute("version", "2.0.0.0");
    EXPECT_EQ(a.Attribute("version"), "2.0.0.0");
    XmlNode child = a.AddChild("element");
    a = XmlNode();  // releases one handle; b keeps the node alive
    XmlNode c = std::move(b);
    EXPECT_TRUE(b.IsEmpty());
    c = c;  // self-assignment keeps the node
    EXPECT_EQ(c.Name() + c.Attribute("version"), "gauge2.0.0.0");
    c = XmlNode();  // a child handle outlives its parent
    EXPECT_EQ(child.Name(), "element");
}

// Lookups ignoring case are used by every gauge file read; here the first of two alike and
// the index of a search that finds nothing.
TEST(XmlNodeLookups, IgnoreCaseAndTakeTheFirst) {
    XmlNode node = CreateTopNode("element", false);
    node.AddAttribute("name", "first");
    node.AddAttribute("NAME", "second");
    node.AddAttribute("flag", std::nullopt);
    EXPECT_EQ(node.GetAttribute("Name"), std::optional<std::string>("first"));
    EXPECT_FALSE(node.GetAttribute("missing").has_value() || node.GetAttribute("flag").has_value());
    node.AddChild("Element");
    int index = 0;
    EXPECT_FALSE(node.GetChildNode("ELEMENT", &index).IsEmpty());
    EXPECT_TRUE(node.GetChildNode("element", &index).IsEmpty());
    EXPECT_EQ(index, 1);  // unchanged when nothing is found
}

TEST(XmlNodeTree, AppendChildSharesTheNodeAndRefusesCycles) {
    XmlNode a = CreateTopNode("a", false);
    XmlNode b = a.AddChild("b");
    XmlNode c = CreateTopNode("c", false);
    b.AppendChild(c);
    c.AddAttribute("name", "needle");  // visible through the parent
    EXPECT_TRUE(b.GetChildNode("c").SameNode(c));
    EXPECT_EQ(b.GetChildNode("c").Attribute("name"), "needle");
    c.AppendChild(a);
    b.AppendChild(b);
    EXPECT_EQ(c.ChildCount() + b.ChildCount(), 1);
    c.AppendChild(CreateTopNode("d", false));
    EXPECT_EQ(c.ChildCount(), 1);
}

TEST(XmlNodeTree, CloneIsDeepAndIndependent) {
    XmlNode gauge = CreateTopNode("gauge", false);
    XmlNode element = gauge.AddChild("element");
    element.AddAttribute("name", "a");
    element.AddChild("program").AddClear("set 1");
    XmlNode copied = gauge.Clone().GetChildNode("element");
    element.AddAttribute("extra", "x");
    element.GetChildNode("program").AddText("changed");
    EXPECT_FALSE(copied.SameNode(element));
    EXPECT_EQ(copied.AttributeCount(), 1);
    EXPECT_EQ(copied.GetChildNode("program").GetClear(0).value, "set 1");
    EXPECT_EQ(copied.GetChildNode("program").TextCount(), 0);
}

TEST(XmlNodeTree, ParsedNodesKeepTheirOrderAndCanBeChangedAfterwards) {
    XmlNode top = dw::ParseString("<p a='1'>one<![CDATA[x]]><c/>two<d/></p>", nullptr, nullptr);
    EXPECT_EQ(top.ChildAt(1).Name() + top.GetText(1) + top.GetClear(0).value, "dtwox");
    EXPECT_TRUE(top.GetClear(1).IsEmpty() && top.GetClear(-1).IsEmpty());
    EXPECT_EQ(top.GetText(2), "");
    top.AddAttribute("b", "2");
    top.AddText("three");
    top.ChildAt(0).AddChild("e");
    EXPECT_EQ(dw::CreateString(top, false),
              "<p a=\"1\" b=\"2\">one<![CDATA[x]]><c><e/></c>two<d/>three</p>");
}

TEST(XmlNodeTree, DocumentsNeverKeepEachOtherAlive) {
    // Each document shares a node of the other: the second sharing is made a copy, so both
    // documents are freed with their handles (the leak checker would tell otherwise).
    XmlNode a = CreateTopNode("a", false);
    XmlNode b = CreateTopNode("b", false);
    XmlNode a1 = a.AddChild("a1");
    XmlNode b1 = b.AddChild("b1");
    b.AppendChild(a1);
    a.AppendChild(b1);
    EXPECT_TRUE(b.GetChildNode("a1").SameNode(a1));   // shared
    EXPECT_FALSE(a.GetChildNode("b1").SameNode(b1));  // copied
    EXPECT_EQ(dw::CreateString(a, false) + dw::CreateString(b, false),
              "<a><a1/><b1/></a><b><b1/><a1/></b>");
}

// A chain far deeper than the call stack could follow recursively (and than the parser
// accepts): building, copying, writing and freeing it work without recursion, and formatted
// lines past kMaxXmlIndent keep that indent, so the text grows with the depth, not its square.
TEST(XmlNodeTree, VeryDeepTreeIsCopiedWrittenAndFreed) {
    constexpr int kDepth = 300000;
    XmlNode root = CreateTopNode("d", false);
    XmlNode tip = root;
    for (int i = 0; i < kDepth; ++i) tip = tip.AddChild("d");
    tip = XmlNode();
    XmlNode copy = root.Clone();
    root = XmlNode();
    EXPECT_EQ(dw::CreateString(copy, false).size(), kDepth * 7 + 4);  // <d></d> ... <d/>
    const std::string text = dw::CreateString(copy, true);
    EXPECT_LE(text.size(), (kDepth + 1u) * (2 * dw::kMaxXmlIndent + 9));
    EXPECT_EQ(text.substr(0, 9), "<d>\n\t<d>\n");
    EXPECT_NE(text.find(std::string(dw::kMaxXmlIndent, '\t') + "<d>"), std::string::npos);
    EXPECT_EQ(text.find(std::string(dw::kMaxXmlIndent + 1, '\t')), std::string::npos);
}

}  // namespace
