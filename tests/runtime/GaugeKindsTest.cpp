// The four element kinds: creation values, the gauge-file form of every attribute in each
// kind's order, the loading constructors and the factory that makes kinds by type word.
#include <gtest/gtest.h>

#include "GaugeSamples.h"
#include "files/XmlNode.h"
#include "model/ElementFactory.h"

namespace {

using namespace dw;
using dwtest::RegisterKindsOnce;

XmlNode ElementNode(const std::string& text) {
    XmlResults results;
    XmlNode node = ParseString(text, "element", &results);
    EXPECT_EQ(results.error, 0) << text;
    return node;
}

template <class Kind>
std::unique_ptr<Kind> Load(const std::string& text) {
    return std::make_unique<Kind>(ElementNode(text), nullptr);
}

class ElementKinds : public testing::Test {
protected:
    void SetUp() override { RegisterKindsOnce(); }
};

TEST_F(ElementKinds, NewElementsTakeTheirCreationValues) {
    CGraph graph(nullptr, {10, 10, 210, 210});
    EXPECT_EQ(graph.GetKind(), ElementKind::Image);
    EXPECT_EQ(graph.width, 200);
    EXPECT_EQ(graph.height, 200);
    EXPECT_EQ(graph.file, "");
    EXPECT_EQ(graph.mainProgram, "None");
    EXPECT_EQ(graph.rotation, 0.0);
    EXPECT_FALSE(graph.transparent);
    EXPECT_EQ(graph.col1, 0u);
    EXPECT_FALSE(graph.changeColour);
    EXPECT_EQ(graph.linkedOffset, -1);
    EXPECT_TRUE(graph.shown);

    CText text(nullptr, {0, 0, 80, 20});
    EXPECT_EQ(text.GetKind(), ElementKind::Text);
    EXPECT_EQ(text.text, "123.45");
    EXPECT_EQ(text.face, "DW_LCD");
    EXPECT_EQ(text.fontHeight, -13);
    EXPECT_EQ(text.weight, 400);
    EXPECT_EQ(text.position, 0);
    EXPECT_EQ(text.color, 0xFFFFFFu);
    EXPECT_EQ(text.colorF, 0u);
    EXPECT_EQ(text.borderWidth, 0);

    CPrimitive shape(nullptr, {0, 0, 50, 50});
    EXPECT_EQ(shape.GetKind(), ElementKind::Primitive);
    EXPECT_EQ(shape.subtype, "FillRect");
    EXPECT_FALSE(shape.borderColorOnly);
    EXPECT_EQ(shape.ang1, 0.0f);
    EXPECT_EQ(shape.ang2, 360.0f);
    EXPECT_EQ(shape.angPct, 50.0f);
    EXPECT_EQ(shape.style, -1);
    EXPECT_EQ(shape.color, 0xFFFFFFu);
    EXPECT_EQ(shape.colorF, 0u);
    EXPECT_EQ(shape.borderColor, 0xFFFFFFu);
    EXPECT_EQ(shape.borderWidth, 1);
    EXPECT_EQ(shape.GetDisplayName(), "No name FillRect");

    CAudio audio(nullptr, {10, 10, 48, 48});
    EXPECT_EQ(audio.GetKind(), ElementKind::Audio);
    EXPECT_EQ(audio.width, 38);
    EXPECT_FLOAT_EQ(audio.lastValue, -9999.85f);
    EXPECT_FALSE(audio.playing);
    EXPECT_FALSE(audio.looping);
    EXPECT_EQ(audio.deviceId, 0u);
}

TEST_F(ElementKinds, EachKindWritesItsAttributesInItsOwnOrder) {
    EXPECT_EQ(CreateString(dwtest::SampleGraph()->ToXml(), true), dwtest::SampleGraphXml(0));
    EXPECT_EQ(CreateString(dwtest::SampleText()->ToXml(), true), dwtest::SampleTextXml(0));
    EXPECT_EQ(CreateString(dwtest::SamplePrimitive()->ToXml(), true),
              dwtest::SamplePrimitiveXml(0));
    EXPECT_EQ(CreateString(dwtest::SampleAudio()->ToXml(), true), dwtest::SampleAudioXml(0));
}

TEST_F(ElementKinds, ToXmlRebuildsTheNodeFromTheCurrentFields) {
    auto graph = dwtest::SampleGraph();
    graph->ToXml();
    graph->name = "Renamed";
    EXPECT_EQ(graph->ToXml().Attribute("name"), "Renamed");
    EXPECT_EQ(graph->xmlNode.Attribute("name"), "Renamed");
    EXPECT_EQ(graph->xmlNode.ChildCount("program"), 1);
}

TEST_F(ElementKinds, LoadingConstructorsReadBackWhatWasWritten) {
    const std::unique_ptr<CElement> samples[] = {dwtest::SampleGraph(), dwtest::SampleText(),
                                                 dwtest::SamplePrimitive(), dwtest::SampleAudio()};
    for (const auto& sample : samples) {
        SCOPED_TRACE(sample->GetDisplayName());
        const std::string text = CreateString(sample->ToXml(), true);
        ElementFactory::LoadResult loaded =
            ElementFactory::Instance().Load(ElementNode(text), nullptr);
        ASSERT_EQ(loaded.status, ElementFactory::LoadStatus::Loaded);
        EXPECT_TRUE(loaded.element->loadedOk);
        dwtest::ExpectSameStoredFields(*sample, *loaded.element);
        EXPECT_EQ(CreateString(loaded.element->ToXml(), true), text);
    }
}

TEST_F(ElementKinds, OddWidthsKeepTheirWidthAndLoseAPixelOfRight) {
    auto graph = Load<CGraph>(
        "<element type=\"graph\" left=\"10\" top=\"0\" right=\"110\" width=\"101\" height=\"3\"/>");
    ASSERT_TRUE(graph->loadedOk);
    EXPECT_EQ(graph->GetRect(), (Rect{10, 0, 111, 3}));
    EXPECT_EQ(graph->ToXml().Attribute("right"), "110");
    // "right" is never read.
    auto other = Load<CGraph>(
        "<element type=\"graph\" left=\"10\" top=\"0\" right=\"999\" width=\"4\" height=\"3\"/>");
    EXPECT_EQ(other->GetRect(), (Rect{10, 0, 14, 3}));
}

TEST_F(ElementKinds, RotationIsWrittenWithDecimalsAndReadAsAnInteger) {
    auto text = dwtest::SampleText();
    text->rotation = 12.5;
    EXPECT_EQ(text->ToXml().Attribute("rot"), "12.500000");
    auto loaded = std::make_unique<CText>(text->ToXml(), nullptr);
    EXPECT_EQ(loaded->rotation, 12.0);
    text->rotation = -12.9;
    EXPECT_EQ(CText(text->ToXml(), nullptr).rotation, -12.0);
}

TEST_F(ElementKinds, LiteralKeepsLineBreaksAsBackslashN) {
    auto text = dwtest::SampleText();
    text->text = "one\ntwo";
    EXPECT_EQ(text->ToXml().Attribute("literal"), "one\\ntwo");
    EXPECT_EQ(CText(text->ToXml(), nullptr).text, "one\ntwo");
    // A backslash-n typed into the text comes back as a line break.
    text->text = "C:\\new";
    EXPECT_EQ(CText(text->ToXml(), nullptr).text, "C:\new");
}

TEST_F(ElementKinds, ProgramsGetATrailingCrLf) {
    auto graph = Load<CGraph>(
        "<element type=\"graph\"><program><![CDATA[rotate 5]]></program>"
        "<program_lbup><![CDATA[set 1\r\n]]></program_lbup></element>");
    EXPECT_EQ(graph->mainProgram, "rotate 5\r\n");
    EXPECT_EQ(graph->clickProgram, "set 1\r\n");
    auto bare = Load<CPrimitive>("<element type=\"primitive\"/>");
    EXPECT_EQ(bare->mainProgram, "\r\n");
    EXPECT_EQ(bare->clickProgram, "");  // only images have a click program
    auto noClick = Load<CGraph>("<element type=\"graph\"/>");
    EXPECT_EQ(noClick->clickProgram, "\r\n");
}

TEST_F(ElementKinds, MissingAttributesReadAsEmptyZeroOrFalse) {
    auto shape = Load<CPrimitive>("<element type=\"primitive\"/>");
    ASSERT_TRUE(shape->loadedOk);
    EXPECT_EQ(shape->subtype, "");
    EXPECT_EQ(shape->style, 0);
    EXPECT_EQ(shape->GetRect(), (Rect{0, 0, 0, 0}));
    EXPECT_EQ(shape->ang2, 0.0f);
    EXPECT_EQ(shape->angPct, 0.0f);
    EXPECT_EQ(shape->borderWidth, 0);
    EXPECT_EQ(shape->color, 0u);
    EXPECT_EQ(shape->borderColor, 0u);
    EXPECT_FALSE(shape->locked);
    EXPECT_FALSE(shape->witharc);

    auto text = Load<CText>("<element type=\"text\"/>");
    ASSERT_TRUE(text->loadedOk);
    EXPECT_EQ(text->text, "");
    EXPECT_EQ(text->face, "");
    EXPECT_EQ(text->fontHeight, 0);
    EXPECT_EQ(text->weight, 0);
    EXPECT_EQ(text->color, 0u);
}

TEST_F(ElementKinds, NamesIgnoreCaseButFlagsNeedExactlyYes) {
    auto graph = Load<CGraph>(
        "<ELEMENT TYPE=\"graph\" NAME=\"Dial\" Locked=\"YES\" BTR=\"yes\" Width=\"5\" "
        "HEIGHT=\"6\"><PROGRAM><![CDATA[x\r\n]]></PROGRAM></ELEMENT>");
    EXPECT_EQ(graph->name, "Dial");
    EXPECT_FALSE(graph->locked);
    EXPECT_TRUE(graph->transparent);
    EXPECT_EQ(graph->width, 5);
    EXPECT_EQ(graph->height, 6);
    EXPECT_EQ(graph->mainProgram, "x\r\n");
}

TEST_F(ElementKinds, ElementsBeyondTheLimitsAreNotLoaded) {
    EXPECT_FALSE(Load<CGraph>("<element width=\"-1\" height=\"5\"/>")->loadedOk);
    EXPECT_FALSE(Load<CText>("<element width=\"100000\" height=\"5\"/>")->loadedOk);
    EXPECT_FALSE(Load<CPrimitive>("<element left=\"2147483647\" width=\"5\"/>")->loadedOk);
    EXPECT_FALSE(Load<CAudio>("<element width=\"16000\" height=\"16000\"/>")->loadedOk);
    EXPECT_TRUE(
        Load<CAudio>("<element left=\"-300\" top=\"-2\" width=\"16384\" height=\"2\"/>")->loadedOk);
}

TEST_F(ElementKinds, ShapesDrawnWithLinesActOnTheBorderColour) {
    for (const char* shape : {"ArcTo", "ArcFrom", "Radius", "Bug", "Scale"}) {
        auto e = Load<CPrimitive>(std::string("<element subtype=\"") + shape + "\"/>");
        EXPECT_TRUE(e->borderColorOnly) << shape;
    }
    for (const char* shape : {"FillRect", "Pie", "scale", ""}) {
        auto e = Load<CPrimitive>(std::string("<element subtype=\"") + shape + "\"/>");
        EXPECT_FALSE(e->borderColorOnly) << shape;
    }
}

TEST_F(ElementKinds, TheFactoryMakesEveryKindByItsTypeWord) {
    ElementFactory& factory = ElementFactory::Instance();
    for (const char* word : {"graph", "text", "primitive", "audio"}) {
        ASSERT_TRUE(factory.IsRegistered(word)) << word;
        std::unique_ptr<CElement> fresh = factory.Create(word, nullptr, {1, 2, 30, 40});
        ASSERT_NE(fresh, nullptr);
        EXPECT_EQ(TypeWordOf(fresh->GetKind()), word);
        EXPECT_EQ(fresh->GetRect(), (Rect{1, 2, 30, 40}));
        ElementFactory::LoadResult loaded = factory.Load(fresh->ToXml(), nullptr);
        ASSERT_EQ(loaded.status, ElementFactory::LoadStatus::Loaded) << word;
        EXPECT_EQ(loaded.element->GetKind(), fresh->GetKind());
    }
    EXPECT_EQ(factory.Load(ElementNode("<element type=\"Graph\"/>"), nullptr).status,
              ElementFactory::LoadStatus::UnknownType);
    EXPECT_EQ(factory.Load(ElementNode("<element type=\"gauge\"/>"), nullptr).status,
              ElementFactory::LoadStatus::UnknownType);
    EXPECT_EQ(factory.Load(ElementNode("<element type=\"text\" width=\"-4\"/>"), nullptr).status,
              ElementFactory::LoadStatus::Failed);
}

TEST_F(ElementKinds, TheHeadAppendsTheWholeListInOrder) {
    ElementList list = dwtest::SampleElements();
    XmlNode root = CreateTopNode("gauge", false);
    list.Head()->AppendXml(root, true);
    EXPECT_EQ(CreateString(root, true),
              "<gauge>\n" + dwtest::SampleGraphXml(1) + dwtest::SampleTextXml(1) +
                  dwtest::SamplePrimitiveXml(1) + dwtest::SampleAudioXml(1) + "</gauge>\n");
    XmlNode one = CreateTopNode("gauge", false);
    list.At(1)->AppendXml(one, false);
    EXPECT_EQ(one.ChildCount("element"), 1);
    EXPECT_EQ(one.ChildAt(0).Attribute("type"), "text");
}

}  // namespace
