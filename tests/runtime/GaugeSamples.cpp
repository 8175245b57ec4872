#include "GaugeSamples.h"

#include <gtest/gtest.h>

#include "model/ElementFactory.h"
#include "runtime/ElementKinds.h"

namespace dwtest {

using namespace dw;

void RegisterKindsOnce() {
    RegisterAllKinds(ElementFactory::Instance());
}

std::unique_ptr<CGraph> SampleGraph() {
    auto e = std::make_unique<CGraph>(nullptr, Rect{10, 20, 111, 70});
    e->name = "Needle & <hub>";
    e->file = "img\\needle.png";
    e->locked = true;
    e->rotation = 12.0;
    e->transparent = true;
    e->transparentColor = 0xFF00FF;
    e->SetColourChange(0x0000FF, 0x00FF00);
    e->mainProgram = "link offset 3 server 1\r\nrotate value\r\n";
    e->clickProgram = "set 1 = 1\r\n";
    return e;
}

std::unique_ptr<CText> SampleText() {
    auto e = std::make_unique<CText>(nullptr, Rect{-5, 7, 95, 47});
    e->name = "Altitude";
    e->locked = false;
    e->rotation = -90.0;
    e->borderColor = 0xC40000;
    e->borderWidth = 4;
    e->text = "FL\n350 \"ft\"";
    e->transparent = false;
    e->transparentColor = 0x808080;
    e->SetColourChange(1, 2);
    e->face = "Courier New";
    e->position = 5;
    e->fontStyle = 7;
    e->fontWidth = 8;
    e->fontHeight = -20;
    e->weight = 700;
    e->color = 0x00FFFF;
    e->colorF = 0xFFFFFFFF;
    e->mainProgram = "None\r\n";
    return e;
}

std::unique_ptr<CPrimitive> SamplePrimitive() {
    auto e = std::make_unique<CPrimitive>(nullptr, Rect{0, 0, 200, 150});
    e->name = "";
    e->SetSubtype("Scale");
    e->style = 4;
    e->locked = true;
    e->rotation = 45.0;
    e->transparent = true;
    e->transparentColor = 0;
    e->SetColourChange(0x123456, 0x123456);
    e->ang1 = 270.0f;
    e->ang2 = 90.5f;
    e->angPct = 33.25f;
    e->borderColor = 0x00FF00;
    e->borderWidth = 3;
    e->witharc = true;
    e->startmark = -0.125f;
    e->endmark = 0.25f;
    e->color = 0x0000FF;
    e->colorF = 0xFF0000;
    e->mainProgram = "link offset 700 server 2\r\n";
    return e;
}

std::unique_ptr<CAudio> SampleAudio() {
    auto e = std::make_unique<CAudio>(nullptr, Rect{10, 10, 48, 48});
    e->name = "Stall horn";
    e->file = "sounds\\horn.wav";
    e->locked = false;
    e->rotation = 0.0;
    e->transparent = false;
    e->transparentColor = 7;
    e->col1 = 11;
    e->col2 = 12;
    e->mainProgram = "if value > 3\r\nplay loop\r\nendif\r\n";
    return e;
}

ElementList SampleElements() {
    ElementList list;
    list.Append(SampleGraph());
    list.Append(SampleText());
    list.Append(SamplePrimitive());
    list.Append(SampleAudio());
    return list;
}

namespace {

std::string Tabs(int n) {
    return std::string(static_cast<std::size_t>(n), '\t');
}

std::string Program(const char* child, const std::string& program, int depth) {
    return Tabs(depth + 1) + "<" + child + ">\n" + Tabs(depth + 2) + "<![CDATA[" + program +
           "]]>\n" + Tabs(depth + 1) + "</" + child + ">\n";
}

}  // namespace

std::string SampleGraphXml(int depth) {
    return Tabs(depth) +
           "<element type=\"graph\" name=\"Needle &amp; &lt;hub&gt;\" file=\"img\\needle.png\" "
           "locked=\"yes\" left=\"10\" top=\"20\" right=\"110\" width=\"101\" height=\"50\" "
           "rot=\"12.000000\" btr=\"yes\" ntr=\"16711935\" col1=\"255\" col2=\"65280\">\n" +
           Program("program", "link offset 3 server 1\r\nrotate value\r\n", depth) +
           Program("program_lbup", "set 1 = 1\r\n", depth) + Tabs(depth) + "</element>\n";
}

std::string SampleTextXml(int depth) {
    return Tabs(depth) +
           "<element type=\"text\" name=\"Altitude\" locked=\"no\" left=\"-5\" top=\"7\" "
           "right=\"95\" width=\"100\" height=\"40\" rot=\"-90.000000\" bordercolor=\"12845056\" "
           "borderwith=\"4\" literal=\"FL\\n350 &quot;ft&quot;\" btr=\"no\" ntr=\"8421504\" "
           "col1=\"1\" col2=\"2\">\n" +
           Tabs(depth + 1) +
           "<fontdesc face=\"Courier New\" position=\"5\" style=\"7\" width=\"8\" "
           "height=\"-20\" weight=\"700\" color=\"65535\" colorf=\"-1\"/>\n" +
           Program("program", "None\r\n", depth) + Tabs(depth) + "</element>\n";
}

std::string SamplePrimitiveXml(int depth) {
    return Tabs(depth) +
           "<element type=\"primitive\" name=\"\" subtype=\"Scale\" style=\"4\" locked=\"yes\" "
           "left=\"0\" top=\"0\" right=\"200\" width=\"200\" height=\"150\" rot=\"45.000000\" "
           "btr=\"yes\" ntr=\"0\" col1=\"1193046\" col2=\"1193046\" ang1=\"270.000000\" "
           "ang2=\"90.500000\" angpct=\"33.250000\" bordercolor=\"65280\" borderwith=\"3\" "
           "witharc=\"yes\" startmark=\"-0.125000\" endmark=\"0.250000\" color=\"255\" "
           "colorf=\"16711680\">\n" +
           Program("program", "link offset 700 server 2\r\n", depth) + Tabs(depth) + "</element>\n";
}

std::string SampleAudioXml(int depth) {
    return Tabs(depth) +
           "<element type=\"audio\" name=\"Stall horn\" file=\"sounds\\horn.wav\" locked=\"no\" "
           "left=\"10\" top=\"10\" right=\"48\" width=\"38\" height=\"38\" rot=\"0.000000\" "
           "btr=\"no\" ntr=\"7\" col1=\"11\" col2=\"12\">\n" +
           Program("program", "if value > 3\r\nplay loop\r\nendif\r\n", depth) + Tabs(depth) +
           "</element>\n";
}

void ExpectSameStoredFields(const CElement& a, const CElement& b) {
    EXPECT_EQ(a.GetKind(), b.GetKind());
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.mainProgram, b.mainProgram);
    EXPECT_EQ(a.locked, b.locked);
    EXPECT_EQ(a.GetRect(), b.GetRect());
    EXPECT_EQ(a.width, b.width);
    EXPECT_EQ(a.height, b.height);
    EXPECT_EQ(a.rotation, b.rotation);
    EXPECT_EQ(a.transparent, b.transparent);
    EXPECT_EQ(a.transparentColor, b.transparentColor);
    if (auto* ga = dynamic_cast<const CGraph*>(&a)) {
        auto* gb = dynamic_cast<const CGraph*>(&b);
        ASSERT_NE(gb, nullptr);
        EXPECT_EQ(ga->file, gb->file);
        EXPECT_EQ(ga->clickProgram, gb->clickProgram);
        EXPECT_EQ(ga->col1, gb->col1);
        EXPECT_EQ(ga->col2, gb->col2);
        EXPECT_EQ(ga->changeColour, gb->changeColour);
    }
    if (auto* ta = dynamic_cast<const CText*>(&a)) {
        auto* tb = dynamic_cast<const CText*>(&b);
        ASSERT_NE(tb, nullptr);
        EXPECT_EQ(ta->text, tb->text);
        EXPECT_EQ(ta->borderColor, tb->borderColor);
        EXPECT_EQ(ta->borderWidth, tb->borderWidth);
        EXPECT_EQ(ta->col1, tb->col1);
        EXPECT_EQ(ta->col2, tb->col2);
        EXPECT_EQ(ta->changeColour, tb->changeColour);
        EXPECT_EQ(ta->face, tb->face);
        EXPECT_EQ(ta->position, tb->position);
        EXPECT_EQ(ta->fontStyle, tb->fontStyle);
        EXPECT_EQ(ta->fontWidth, tb->fontWidth);
        EXPECT_EQ(ta->fontHeight, tb->fontHeight);
        EXPECT_EQ(ta->weight, tb->weight);
        EXPECT_EQ(ta->color, tb->color);
        EXPECT_EQ(ta->colorF, tb->colorF);
    }
    if (auto* pa = dynamic_cast<const CPrimitive*>(&a)) {
        auto* pb = dynamic_cast<const CPrimitive*>(&b);
        ASSERT_NE(pb, nullptr);
        EXPECT_EQ(pa->subtype, pb->subtype);
        EXPECT_EQ(pa->borderColorOnly, pb->borderColorOnly);
        EXPECT_EQ(pa->style, pb->style);
        EXPECT_EQ(pa->col1, pb->col1);
        EXPECT_EQ(pa->col2, pb->col2);
        EXPECT_EQ(pa->changeColour, pb->changeColour);
        EXPECT_EQ(pa->ang1, pb->ang1);
        EXPECT_EQ(pa->ang2, pb->ang2);
        EXPECT_EQ(pa->angPct, pb->angPct);
        EXPECT_EQ(pa->borderColor, pb->borderColor);
        EXPECT_EQ(pa->borderWidth, pb->borderWidth);
        EXPECT_EQ(pa->witharc, pb->witharc);
        EXPECT_EQ(pa->startmark, pb->startmark);
        EXPECT_EQ(pa->endmark, pb->endmark);
        EXPECT_EQ(pa->color, pb->color);
        EXPECT_EQ(pa->colorF, pb->colorF);
    }
    if (auto* aa = dynamic_cast<const CAudio*>(&a)) {
        auto* ab = dynamic_cast<const CAudio*>(&b);
        ASSERT_NE(ab, nullptr);
        EXPECT_EQ(aa->file, ab->file);
        EXPECT_EQ(aa->col1, ab->col1);
        EXPECT_EQ(aa->col2, ab->col2);
    }
}

void ExpectSameLists(const ElementList& expected, const ElementList& actual) {
    ASSERT_EQ(expected.Count(), actual.Count());
    const CElement* b = actual.Head();
    for (const CElement& a : expected) {
        SCOPED_TRACE(a.GetDisplayName());
        ExpectSameStoredFields(a, *b);
        b = b->GetNext();
    }
}

}  // namespace dwtest
