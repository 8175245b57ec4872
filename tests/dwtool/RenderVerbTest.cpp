// Runs the built dwtool (path in the environment variable DWTOOL): "render" draws a gauge
// into a PNG file as the editor shows it, or with --run as the player does.
#include <QImage>

#include "DwtoolRun.h"

namespace {

class RenderVerb : public dwtooltest::DwtoolTest {
protected:
    int Render(const std::string& arguments) { return Dwtool("render " + arguments); }
    // The pixels of an output file as 0xRRGGBB; the file must be a PNG.
    QImage Output(const std::string& name) {
        EXPECT_EQ(dwtest::ReadFile(dir.File(name)).substr(0, 8), "\x89PNG\r\n\x1a\n") << name;
        return QImage(QString::fromStdString(dir.File(name))).convertToFormat(QImage::Format_RGB32);
    }
    static QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }
};

std::string Element(const std::string& attributes, const std::string& program) {
    return "\t<element type=\"primitive\" style=\"-1\" " + attributes +
           ">\n\t\t<program><![CDATA[" + program + "]]></program>\n\t</element>\n";
}

// Background 0x204080 (as 0x00BBGGRR: red 0x80, green 0x40, blue 0x20); a red 20 x 10
// rectangle at (5, 5); a 41 x 41 needle at (30, 0) whose position follows variable 7 of
// link 1.
void WriteGauge(dwtest::TempDir& dir,
                const std::string& program = "link offset 7 server 1\r\nsetpos value\r\n") {
    dir.Write(
        "g.dwl",
        "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<gauge xmlns=\"x\" version=\"2.0.0.0\">\n"
        "\t<properties name=\"t\" fps=\"10\" backcolor=\"2113664\" runatstart=\"no\"/>\n" +
            Element("name=\"box\" subtype=\"FillRect\" left=\"5\" top=\"5\" width=\"20\" "
                    "height=\"10\" borderwith=\"0\" colorf=\"255\"",
                    "None") +
            Element("name=\"needle\" subtype=\"Radius\" left=\"30\" top=\"0\" width=\"41\" "
                    "height=\"41\" btr=\"yes\" ang2=\"1\" angpct=\"0\" "
                    "bordercolor=\"16777215\" borderwith=\"1\" colorf=\"0\"",
                    program) +
            "</gauge>\n");
}

constexpr QRgb kBackground = 0x804020;
constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kWhite = 0xFFFFFF;

TEST_F(RenderVerb, EditorViewAndSize) {
    WriteGauge(dir);
    ASSERT_EQ(Render("g.dwl -o out.png"), 0) << out;
    const QImage pic = Output("out.png");
    // Wide enough for every element, with the extra pixel of a basic graph.
    EXPECT_EQ(pic.size(), QSize(72, 42));
    EXPECT_EQ(At(pic, 0, 0), kBackground);
    EXPECT_EQ(At(pic, 24, 14), kRed);
    // The needle at 0 degrees points up from (30 + 20, 21) (inset 1: cx 20, cy 21, R 19).
    EXPECT_EQ(At(pic, 50, 10), kWhite);
    EXPECT_EQ(At(pic, 60, 21), kBackground);
}

TEST_F(RenderVerb, RunDrawsThePlayersFrameWithTheGivenValues) {
    WriteGauge(dir);
    ASSERT_EQ(Render("g.dwl -o run.png --run --var 1:7=90 --frames 2"), 0) << out;
    // Position 90: the needle points right, from (50, 21) to (69, 21).
    EXPECT_EQ(At(Output("run.png"), 60, 21), kWhite);
    EXPECT_EQ(At(Output("run.png"), 50, 10), kBackground);
    // Another link's value does not move it.
    ASSERT_EQ(Render("g.dwl -o other.png --run --var 2:7=90"), 0) << out;
    EXPECT_EQ(At(Output("other.png"), 50, 10), kWhite);
}

TEST_F(RenderVerb, ScriptErrorsMissingFilesAndBadArguments) {
    WriteGauge(dir, "link offset 7 server 1\r\nblorp 3\r\n");
    EXPECT_EQ(Render("g.dwl -o bad.png --run"), 1);
    EXPECT_NE(out.find("script error 1 at line 2 in element 2 (needle)"), std::string::npos) << out;
    EXPECT_EQ(Render("g.dwl -o fine.png"), 0);  // the editor view does not run scripts
    EXPECT_EQ(Render("none.dwl -o x.png"), 1);
    EXPECT_EQ(Render("g.dwl -o missing-folder/x.png"), 1);
    for (const char* bad : {"", " --size 0x5", " --size 10", " --run --var 3:7=1",
                            " --run --var 1:1196=1", " --run --frames 0", " --var 1:7=1"})
        EXPECT_EQ(Render(std::string("g.dwl") + (*bad ? " -o x.png" : "") + bad), 2) << bad;
}

}  // namespace
