// The gauge check: one small gauge per kind of problem, each reported exactly as dwtool check
// prints it, and a gauge that uses every kind of element correctly reports nothing.
#include "GaugeTestSupport.h"
#include "files/AttributeCodec.h"
#include "platform/SettingsKeys.h"
#include "runtime/GaugeCheck.h"
#include "support/FsGaugeText.h"

namespace {

using namespace dw;

// An element node of the given kind with a main (and for images a click) program.
std::string Element(const std::string& type, const std::string& name, const std::string& file,
                    const std::string& place, const std::string& program,
                    const std::string& click = "") {
    std::string node = "<element type=\"" + type + "\" name=\"" + name + "\" file=\"" + file +
                       "\" " + place + "><program><![CDATA[" + program + "]]></program>";
    if (!click.empty()) node += "<program_lbup><![CDATA[" + click + "]]></program_lbup>";
    return node + "</element>\n";
}

const std::string kPlace = "left=\"10\" top=\"10\" width=\"20\" height=\"20\"";
const std::string kLinked = "link offset 10 server 1\r\n";
const std::string kLinkOff = "<zekolink_2 alias=\"MORV\" ip=\"0.0.0.0\" port=\"8092\"/>\n";

class GaugeCheck : public dwtest::GaugeDocumentTest {
protected:
    void SetUp() override {
        GaugeDocumentTest::SetUp();
        dir.Write("art/Dial.bmp", dwtest::BmpBytes(4, 4, 0xFFFFFF));
        dir.Write("pics/far.bmp", dwtest::BmpBytes(4, 4, 0xFFFFFF));
        dir.Write("horn.wav", std::string("RIFF\x24\0\0\0WAVEfmt ", 16));
        dir.Write("noise.wav", "just text, no sound");
        settings.SeedInt(settings::kPaths, settings::kTotal, 1);
        settings.Seed(settings::kPaths, settings::PathKey(1), dir.File("pics"));
    }
    // What dwtool check prints for a gauge of these elements (and links), "$DIR" standing for
    // the gauge's folder as the working folder holds it.
    std::string Check(const std::string& elements, const std::string& links = "") {
        const std::string path =
            WriteGauge("g.dwl", "2.0.0.0", "pos_w=\"400\" pos_h=\"300\"", elements, links);
        std::string out;
        for (const GaugeProblem& problem : CheckGaugeFile(path, &settings))
            out += FormatGaugeProblem("g.dwl", problem);
        const std::string folder = LowerLatin1(dir.Path().string());
        for (std::size_t at = out.find(folder); at != std::string::npos; at = out.find(folder))
            out.replace(at, folder.size(), "$DIR");
        return out;
    }
};

TEST_F(GaugeCheck, EachKindOfProblemAsTheCheckReportsIt) {
    const struct {
        const char* kind;
        std::string elements;
        std::string links;
        std::string report;
    } rows[] = {
        {"syntax after comments",
         Element("graph", "N", "art/dial.bmp", kPlace, "// turns\r\n" + kLinked + "round 5\r\n"),
         "",
         "g.dwl: element 1 \"N\": Sintax error at line 2 (comments line hidden) on the script:\n"
         "-->round 5\n"},
        {"click syntax", Element("graph", "Knob", "art/dial.bmp", kPlace, "", "show\r\nplay\r\n"),
         "",
         "g.dwl: element 1 \"Knob\": click script: Sintax error at line 2 on the "
         "script:\n-->play\n"},
        {"print format", Element("text", "Speed", "", kPlace, kLinked + "print %d value\r\n"), "",
         "g.dwl: element 1 \"Speed\": line 2: the player refuses the print format \"%d\": it "
         "takes exactly one floating conversion such as %05.1f\n-->print %d value\n"},
        {"variable range", Element("text", "T", "", kPlace, "link offset 1196 server 1\r\n"), "",
         "g.dwl: element 1 \"T\": line 1: variable 1196 is outside 0..1195\n"
         "-->link offset 1196 server 1\n"},
        {"link off", Element("text", "T", "", kPlace, "link offset 5 server 2\r\n"), kLinkOff,
         "g.dwl: element 1 \"T\": line 1: variable 5 is read from server link 2, which is off "
         "(0.0.0.0)\n-->link offset 5 server 2\n"},
        {"no primary link", Element("text", "T", "", kPlace, "value = 3\r\n"), "",
         "g.dwl: element 1 \"T\": the main script has no \"link offset N server M\", so the "
         "player never runs it\n"},
        {"alias", Element("text", "Alt", "", kPlace, kLinked + "offset ALTITUDE \r\n"), "",
         "g.dwl: element 1 \"Alt\": line 2: alias name \"ALTITUDE\" left unconverted (\"offset "
         "ALTITUDE\"): the player stops there with a syntax error\n-->offset ALTITUDE \n"},
        {"blank line", Element("text", "T", "", kPlace, kLinked + "  \r\nhide\r\n"), "",
         "g.dwl: element 1 \"T\": line 2: this line holds only blanks, so the player never runs "
         "the lines after it\n-->  \n"},
        {"image missing", Element("graph", "G", "art/none.bmp", kPlace, ""), "",
         "g.dwl: element 1 \"G\": image file \"art/none.bmp\" not found in $DIR or the 1 image "
         "search folder(s)\n"},
        {"image format", Element("graph", "G", "art/dial.jpeg", kPlace, ""), "",
         "g.dwl: element 1 \"G\": image file \"art/dial.jpeg\": The image you are loading is on "
         "an incompatible format.\n"},
        {"setfile", Element("graph", "G", "art/dial.bmp", kPlace, kLinked + "setfile show.bmp\r\n"),
         "",
         "g.dwl: element 1 \"G\": line 2: setfile: image file \"M.bmp\" not found in $DIR or the "
         "1 image search folder(s)\n"},
        {"audio undecodable", Element("audio", "A", "noise.wav", kPlace, ""), "",
         "g.dwl: element 1 \"A\": audio file \"noise.wav\" cannot be decoded: it is no WAV, WMA "
         "or MP3 sound\n"},
        {"no file", Element("audio", "A", "", kPlace, ""), "",
         "g.dwl: element 1 \"A\": has no audio file\n"},
        {"outside",
         Element("graph", "Right", "art/dial.bmp",
                 "left=\"400\" top=\"0\" width=\"5\" height=\"5\"", "") +
             Element("graph", "Above", "art/dial.bmp",
                     "left=\"0\" top=\"-5\" width=\"5\" height=\"5\"", "") +
             Element("graph", "Edge", "art/dial.bmp",
                     "left=\"399\" top=\"299\" width=\"5\" height=\"5\"", ""),
         "",
         "g.dwl: element 1 \"Right\": lies wholly outside the gauge's window (0,0)-(400,300): at "
         "(400,0)-(405,5)\n"
         "g.dwl: element 2 \"Above\": lies wholly outside the gauge's window (0,0)-(400,300): at "
         "(0,-5)-(5,0)\n"},
    };
    for (const auto& row : rows) EXPECT_EQ(Check(row.elements, row.links), row.report) << row.kind;
}

TEST_F(GaugeCheck, AGoodGaugeReportsNothing) {
    const std::string elements =
        Element("graph", "Dial", "ART/DIAL.BMP", kPlace, "", "set offset 7 server 1 = 1\r\n") +
        Element("graph", "Far", "elsewhere/far.bmp", kPlace,
                kLinked +
                    "/* turn */\r\ndata = value\r\nrotate\r\nif value > 3\r\nshow\r\nelse\r\n"
                    "hide\r\nendif\r\n") +
        Element("text", "Speed", "", kPlace, kLinked + "print %05.1f value\r\nprint_com\r\n") +
        Element("primitive", "Arc", "", kPlace, "link offset 1195 server 2\r\nsetpos value\r\n") +
        Element("audio", "Horn", "horn.wav", kPlace,
                kLinked + "if value = 1\r\nplay\r\nendifs\r\n") +
        Element("graph", "Plain", "art/dial.bmp", kPlace, "None");
    EXPECT_EQ(Check(elements), "");
}

}  // namespace
