// The four element kinds' loading constructors: how they read the gauge file's attributes,
// chosen by type word through the factory (the exact written form is checked through whole
// files in the document tests).
#include "GaugeTestSupport.h"
#include "files/GaugeLimits.h"
#include "render/CPrimitive.h"
#include "render/CText.h"

namespace {

using namespace dw;
using Status = ElementFactory::LoadStatus;

class ElementKinds : public testing::Test {
protected:
    void SetUp() override { dwtest::RegisterKindsOnce(); }
    static ElementFactory::LoadResult Loaded(const std::string& text) {
        XmlResults results;
        XmlNode node = ParseString(text, "element", &results);
        EXPECT_EQ(results.error, 0) << text;
        return ElementFactory::Instance().Load(node, nullptr);
    }
    static std::unique_ptr<CElement> Element(const std::string& text) {
        ElementFactory::LoadResult result = Loaded(text);
        EXPECT_EQ(result.status, Status::Loaded) << text;
        return std::move(result.element);
    }
};

// The text and the basic graph carry every common attribute besides their own; the image's
// flag and click program are read in the case test below.
TEST_F(ElementKinds, EachAttributeIsReadIntoItsOwnField) {
    const ElementList samples = dwtest::SampleElements();
    const auto& t = dynamic_cast<const CText&>(*samples.At(1));
    EXPECT_EQ(std::make_tuple(t.locked, t.rotation, t.borderColor, t.borderWidth, t.text,
                              t.transparentColor, t.col1, t.col2, t.face, t.position, t.fontStyle,
                              t.fontWidth, t.fontHeight, t.weight, t.color, t.colorF),
              std::make_tuple(false, -90.0, 0xC40000u, 4, "FL\n350 \"ft\" 'x'", 0x808080u, 1u, 2u,
                              "Courier New", 5, 7, 8, -20, 700, 0x00FFFFu, 0xFFFFFFFFu));
    const auto& p = dynamic_cast<const CPrimitive&>(*samples.At(2));
    EXPECT_EQ(std::make_tuple(p.name, p.subtype, p.style, p.col1, p.changeColour, p.ang1, p.ang2,
                              p.angPct, p.borderColor, p.borderWidth, p.witharc, p.startmark,
                              p.endmark, p.color, p.colorF, p.borderColorOnly),
              std::make_tuple("", "Scale", 4, 0x123456u, false, 270.0f, 90.5f, 33.25f, 0x00FF00u, 3,
                              true, -0.125f, 0.25f, 0x0000FFu, 0xFF0000u, true));
}

TEST_F(ElementKinds, ProgramsEndInCrLfNamesIgnoreCaseFlagsNeedExactlyYes) {
    auto graph = Element(  // "right" is never read
        "<ELEMENT TYPE=\"graph\" NAME=\"Dial\" Locked=\"YES\" BTR=\"yes\" Left=\"10\" "
        "right=\"999\" "
        "Width=\"5\" HEIGHT=\"6\"><PROGRAM><![CDATA[rotate 5]]></PROGRAM>"
        "<program_lbup><![CDATA[set 1\r\n]]></program_lbup></ELEMENT>");
    EXPECT_EQ(
        std::make_tuple(graph->name, graph->locked, graph->transparent, graph->GetRect(),
                        graph->mainProgram, graph->clickProgram),
        std::make_tuple("Dial", false, true, Rect{10, 0, 15, 6}, "rotate 5\r\n", "set 1\r\n"));
}

TEST_F(ElementKinds, SizesAndPositionsBeyondTheBoundsAreClamped) {
    const std::pair<const char*, Rect> cases[] = {
        {"width=\"-1\"", Rect{0, 0, 0, 0}},
        {"left=\"16777217\" top=\"-99999999999\"", Rect{16777216, -16777216, 16777216, -16777216}},
        {"left=\"-300\" width=\"16384\" height=\"2\"", Rect{-300, 0, 16084, 2}}};
    for (const std::string type : {"graph", "text", "primitive", "audio"}) {
        const std::string start = "<element type=\"" + type + "\" ";
        for (const auto& [size, rect] : cases) {
            auto loaded = Loaded(start + size + "/>");
            ASSERT_EQ(loaded.status, Status::Loaded) << type << size;
            EXPECT_EQ(loaded.element->GetRect(), rect) << type << size;
            EXPECT_EQ(std::tie(loaded.element->width, loaded.element->height),
                      std::make_tuple(rect.Width(), rect.Height()))
                << type << size;
        }
    }
    // Scripts and commands can't go past the bound either.
    auto text = Element("<element type=\"text\"/>");
    text->SetWidth(-40);
    EXPECT_EQ(text->width, 0);
    text->SetWidth(1 << 30);
    EXPECT_EQ(text->width, kMaxElementSide);
}

}  // namespace
