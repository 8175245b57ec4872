// Reading MS-FS XML gauges into the import's description: numbers, file names, what is left
// out, text quirks of real files, hostile sources (the placement of nested elements and axes
// is checked through the import).
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "files/FsGaugeSource.h"
#include "support/FsGaugeText.h"

namespace {

using dw::FsAnchor;
using dw::FsGaugeSource;
using dwtest::FsElement;
using dwtest::FsGaugeXml;

FsGaugeSource Describe(const std::string& text, const dw::FsSourceLimits& limits = {}) {
    FsGaugeSource source;
    dw::XmlResults results;
    EXPECT_TRUE(dw::ParseFsGauge(text, source, &results, limits)) << results.error;
    return source;
}

// Each image as "name@x,y" plus the anchor's mark: "c" centred, "a(ax,ay)" on an axis point.
std::string Layout(const FsGaugeSource& source) {
    std::string out;
    for (const dw::FsGaugeImage& i : source.images) {
        out += (out.empty() ? "" : " ") + i.imageName + "@" + std::to_string(i.x) + "," +
               std::to_string(i.y);
        if (i.anchor == FsAnchor::Centre) out += "c";
        if (i.anchor == FsAnchor::Axis)
            out += "a(" + std::to_string(i.axisX) + "," + std::to_string(i.axisY) + ")";
    }
    return out;
}

std::string Notes(const FsGaugeSource& source) {
    std::string out;
    for (const dw::FsGaugeNote& n : source.skipped)
        out += (out.empty() ? "" : " | ") + n.where + ": " + n.text;
    return out;
}

// The file name in "Descr" and its absence are checked through the import.
TEST(FsGaugeSource, FileNameFromAFilenameAfterTheDocument) {
    EXPECT_EQ(
        Describe("<?xml version=\"1.0\"?>\n<SimBase.Document version=\"1,0\"><Descr>x</Descr>"
                 "<SimGauge.Gauge id=\"G\"/></SimBase.Document>\n<Filename> d.xml </Filename>\n")
            .fileName,
        "d.xml");
}

// The background's place, size and transparency are checked through the import; here the
// first of two sizes, transparency by the word true alone and "id" naming the bitmap.
TEST(FsGaugeSource, BackgroundTakesTheFirstSizeAndItsBitmapFromId) {
    const FsGaugeSource s = Describe(
        FsGaugeXml("art",
                   "<Size>200,100</Size><Size>1,1</Size><Image id=\"Dial.BMP\"><Transparent>1"
                   "</Transparent></Image>"));
    EXPECT_EQ(Layout(s), "Dial.BMP@0,0");
    EXPECT_EQ(std::tie(s.images.at(0).where, s.images[0].width, s.images[0].height),
              std::make_tuple("background", 200, 100));
    EXPECT_FALSE(s.images[0].transparent);
}

TEST(FsGaugeSource, ImagesTheImportDoesNotTakeAreListedAsLeftOut) {
    const std::string body =
        "<Element id=\"Flag\"><FloatPosition>1,1</FloatPosition><Select><Value>1</Value>"
        "<Case Value=\"1\"><Image Name=\"on.bmp\"/></Case><Case Value=\"0\"><Image "
        "Name=\"off.bmp\"/></Case></Select></Element>"
        "<Element id=\"Masked\"><FloatPosition>2,2</FloatPosition><MaskImage Name=\"m.bmp\"/>"
        "<Image Name=\"n.bmp\"/></Element>"
        "<Element id=\"Empty\"><FloatPosition>3,3</FloatPosition></Element>"
        "<Element id=\"Lost\"><Image Name=\"lost.bmp\"/></Element>"
        "<Element id=\"Nameless\"><FloatPosition>4,4</FloatPosition><Image/></Element>";
    const FsGaugeSource s = Describe(FsGaugeXml("art", body));
    EXPECT_EQ(Layout(s), "n.bmp@2,2");
    // (GaugeText is left out as the import's report shows.)
    EXPECT_EQ(Notes(s),
              "element 1 \"Flag\": 2 image(s) inside Select/Case left out | element 2 \"Masked\": "
              "mask image m.bmp left out | element 3 \"Empty\": no image | element 4 \"Lost\": no "
              "FloatPosition: its image is left out | element 5 \"Nameless\": its image names no "
              "bitmap");
}

// Groups: an element without a position of its own places what it holds from its parent's
// origin, a positioned one shifts what it holds; neither is noted for having no image.
TEST(FsGaugeSource, NestedElementsAddTheirGroupsPositions) {
    const std::string body = "<Element id=\"Group\">" + FsElement("5,6", "a.bmp") +
                             "<Element id=\"Sub\"><FloatPosition>10,10</FloatPosition>" +
                             FsElement("1,2", "b.bmp") + "</Element></Element>" +
                             FsElement("7,7", "c.bmp");
    const FsGaugeSource s = Describe(FsGaugeXml("art", body));
    EXPECT_EQ(Layout(s), "a.bmp@5,6 b.bmp@11,12 c.bmp@7,7");
    EXPECT_EQ(Notes(s), "");
    EXPECT_EQ(s.images.at(1).where, "element 1.2.1");
}

TEST(FsGaugeSource, TextQuirksOfRealFilesReadAlike) {
    const std::string body =
        "<FloatPosition>0,0</FloatPosition><Image Name=\"bg.bmp\"/>" + FsElement("50,320", "n.bmp");
    const std::string plain = FsGaugeXml("art", body);
    const std::string noDeclaration = plain.substr(plain.find('\n') + 1);
    std::string crlf;
    for (char c : plain) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::string degrees = plain;
    degrees.insert(degrees.find("<Element>"),
                   "<!-- \xC2\xB0 --><Element><FloatPosition>1,1</FloatPosition><GaugeText>"
                   "<GaugeString>120\xC2\xB0</GaugeString></GaugeText></Element>");
    // (A byte-order mark before the declaration is read by the import.)
    const std::string texts[] = {"\xEF\xBB\xBF" + noDeclaration, "\r\n\r\n" + crlf, degrees};
    for (const std::string& text : texts) {
        const FsGaugeSource s = Describe(text);
        EXPECT_EQ(Layout(s), "bg.bmp@0,0 n.bmp@50,320") << text;
        EXPECT_TRUE(s.IsSupportedVersion());
        EXPECT_EQ(s.gaugeName, "Test Gauge");
        EXPECT_EQ(s.artDirectory, "art");
    }
}

TEST(FsGaugeSource, HostileSourcesStayWithinBounds) {
    // Nesting far deeper than the bound (yet within what the XML layer reads): the elements
    // within it come, the rest is one note.
    std::string deep;
    for (int i = 0; i < 200; ++i)
        deep += "<Element><FloatPosition>1,1</FloatPosition><Image Name=\"x.bmp\"/>";
    for (int i = 0; i < 200; ++i) deep += "</Element>";
    dw::FsSourceLimits limits;
    limits.maxDepth = 20;
    FsGaugeSource s = Describe(FsGaugeXml("a", deep), limits);
    EXPECT_EQ(s.images.size(), 20u);
    EXPECT_EQ(s.images.back().x, 20);
    ASSERT_EQ(s.skipped.size(), 1u);
    EXPECT_NE(s.skipped[0].text.find("nested more than 20 levels"), std::string::npos);

    // More images than a gauge may hold: described up to the bound and marked.
    std::string many;
    for (int i = 0; i < 2000; ++i) many += FsElement("99999999999999999999,-99999999999", "x.bmp");
    limits.maxImages = 1500;
    s = Describe(FsGaugeXml("a", many), limits);
    EXPECT_TRUE(s.truncated);
    EXPECT_EQ(s.images.size(), 1500u);
    EXPECT_EQ(s.images[0].x, INT_MAX);
    EXPECT_EQ(s.images[0].y, INT_MIN);

    // Notes beyond their bound are counted.
    std::string empty;
    for (int i = 0; i < 50; ++i) empty += "<Element><FloatPosition>1,1</FloatPosition></Element>";
    limits.maxNotes = 10;
    s = Describe(FsGaugeXml("a", empty), limits);
    EXPECT_EQ(s.skipped.size(), 10u);
    EXPECT_EQ(s.moreSkipped, 40u);
}

}  // namespace
