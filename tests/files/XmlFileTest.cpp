// Files: WriteToFile's byte-order mark and declaration rules, ParseFile, OpenFileHelper's
// message and the character mode it sets.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "XmlCharModeGuard.h"
#include "files/XmlNode.h"
#include "support/ScriptedInteraction.h"
#include "support/TempDir.h"

namespace {

using dw::CharMode;
using dw::XmlNode;

const std::string kBom = "\xEF\xBB\xBF";

XmlNode GaugeDocument() {
    XmlNode declaration = dw::CreateTopNode("xml", true);
    declaration.AddAttribute("version", "1.0");
    declaration.AddAttribute("encoding", "iso-8859-1");
    declaration.AddChild("gauge").AddAttribute("version", "2.0.0.0");
    return declaration;
}

const std::string kGaugeText =
    "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<gauge version=\"2.0.0.0\"/>\n";

class XmlFile : public testing::Test {
protected:
    dwtest::CharModeGuard mode{CharMode::Utf8};
    dwtest::TempDir dir;
    dwtest::ScriptedInteraction ui;

    // The bytes WriteToFile writes, or "failed" with its code.
    std::string Written(const XmlNode& node, const char* encoding, bool formatted = true) {
        const int code = dw::WriteToFile(node, dir.File("w.dwl"), encoding, formatted);
        return code == 0 ? dwtest::ReadFile(dir.File("w.dwl")) : "failed " + std::to_string(code);
    }
};

// A declaration node gets a byte-order mark only in UTF-8 mode; other nodes get a UTF-8
// declaration line.
TEST_F(XmlFile, ByteOrderMarkAndDeclarationLine) {
    EXPECT_EQ(Written(GaugeDocument(), "iso-8859-1"), kBom + kGaugeText);  // nothing opened yet
    const XmlNode gauge = GaugeDocument().GetChildNode("gauge");
    const std::string utf8 = kBom + "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
    EXPECT_EQ(Written(gauge, "iso-8859-1", false), utf8 + "<gauge version=\"2.0.0.0\"/>");
    dw::SetCharMode(CharMode::SingleByte);
    EXPECT_EQ(Written(gauge, nullptr), utf8 + "<gauge version=\"2.0.0.0\"/>\n");
    EXPECT_EQ(Written(gauge, "iso-8859-1"), kGaugeText);
    // Saving after opening a Latin-1 file writes no byte-order mark.
    dw::SetCharMode(CharMode::Utf8);
    ASSERT_FALSE(dw::OpenFileHelper(dir.Write("in.dwl", kGaugeText), "gauge", ui).IsEmpty());
    EXPECT_EQ(Written(GaugeDocument(), "iso-8859-1"), kGaugeText);
}

TEST_F(XmlFile, WriteFailuresAndReadingBack) {
    EXPECT_EQ(dw::WriteToFile(GaugeDocument(), dir.File("no/folder/g.dwl"), nullptr, true), 16);
    // The full device accepts the open but fails every write.
    EXPECT_EQ(dw::WriteToFile(GaugeDocument(), "/dev/full", nullptr, true), 17);
    for (CharMode written : {CharMode::Utf8, CharMode::SingleByte}) {
        dw::SetCharMode(written);
        const std::string path = dir.File("back.dwl");
        ASSERT_EQ(dw::WriteToFile(GaugeDocument(), path, "iso-8859-1", true), 0);
        dw::XmlResults results;
        EXPECT_EQ(dw::ParseFile(path, "gauge", &results).Attribute("version"), "2.0.0.0");
        EXPECT_EQ(results.error, 0);
    }
    dw::XmlResults results{99, 99, 99};  // a missing file or a folder: code 12
    EXPECT_TRUE(dw::ParseFile(dir.File("none.dwl"), nullptr, &results).IsEmpty());
    EXPECT_EQ(std::make_pair(results.error, results.line), std::make_pair(12, 0));
    EXPECT_TRUE(dw::ParseFile(dir.Path().string(), nullptr, &results).IsEmpty());
    EXPECT_EQ(results.error, 12);
}

TEST_F(XmlFile, OpenFileHelperReportsWrongRoot) {
    const std::string path =
        dir.Write("other.dwl", "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<panel/>\n");
    EXPECT_TRUE(dw::OpenFileHelper(path, "gauge", ui).IsEmpty());
    ASSERT_EQ(ui.messages.size(), 1u);
    const dw::MessageRequest& message = ui.messages[0];
    EXPECT_EQ(
        std::make_tuple(message.title, message.icon, message.buttons, message.topmost),
        std::make_tuple(std::string("XML Parsing error"), dw::Icon::Error, dw::Buttons::Ok, true));
    EXPECT_EQ(message.text, "XML Parsing error inside file '" + path +
                                "'.\nError: First Tag not found\nAt line 2, column 1.\n"
                                "First Tag should be 'gauge'.\n");
    // A missing file keeps the character mode (other texts are checked through dwtool's "xml").
    dw::SetCharMode(CharMode::SingleByte);
    EXPECT_TRUE(dw::OpenFileHelper(dir.File("gone.dwl"), "gauge", ui).IsEmpty());
    EXPECT_EQ(dw::GetCharMode(), CharMode::SingleByte);
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(XmlFile, OpenFileHelperSetsTheCharacterMode) {
    // Shorter than 25 bytes: single-byte (and it still parses).
    EXPECT_FALSE(dw::OpenFileHelper(dir.Write("s.xml", "<gauge/>"), "gauge", ui).IsEmpty());
    EXPECT_EQ(dw::GetCharMode(), CharMode::SingleByte);
    // Declares UTF-8 and holds multi-byte sequences: UTF-8.
    dw::OpenFileHelper(dir.Write("u.xml", "<gauge name=\"Vitesse \xC3\xA9lev\xC3\xA9\xC3\xA9\"/>"),
                       "gauge", ui);
    EXPECT_EQ(dw::GetCharMode(), CharMode::Utf8);
    // Declares iso-8859-1, only 7-bit characters: single-byte.
    dw::OpenFileHelper(dir.Write("i.xml", kGaugeText), "gauge", ui);
    EXPECT_EQ(dw::GetCharMode(), CharMode::SingleByte);
    EXPECT_TRUE(ui.messages.empty());
}

// The guess on a file's first bytes: 16-bit text is never UTF-8 (its NUL bytes would pass
// the sequence check), a sequence cut off by the 200-byte sample is accepted, the
// declaration's value decides last.
TEST(GuessUtf8, FromTheFirstBytes) {
    const std::string decl = "<?xml version=\"1.0\" encoding=\"utf-8\"?><gauge/>";
    auto wide = [&](bool littleEnd) {
        std::string out;
        for (char c : decl) out += littleEnd ? std::string{c, '\0'} : std::string{'\0', c};
        return out;
    };
    std::string cut(199, 'a');
    cut += "\xC3";  // the sample ends inside a two-byte sequence
    cut += "\xA9 and more";
    const struct {
        std::string bytes;
        bool useDeclaration;
        bool utf8;
    } cases[] = {
        {wide(true), true, false},
        {wide(false), false, false},
        {"\xEF\xBB\xBF" + std::string(30, 'x') + "\xFF", true, true},
        {std::string(24, 'x'), false, false},
        {std::string(25, 'x'), false, true},
        {"<gauge name=\"caf\xE9 au lait\" version=\"2\"/>", false, false},
        {cut, true, true},
        {"<?xml version=\"1.0\" encoding =\r\n ' UTF8'?><gauge/>", true, true},
        {"<?xml version=\"1.0\" encoding=\"windows-1252\"?><gauge/>", true, false},
        {"<?xml version=\"1.0\" encoding=\"windows-1252\"?><gauge/>", false, true},
        {"<?xml version=\"1.0\" encoding=windows-1252?><gauge/>", true, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dw::GuessUtf8(c.bytes.data(), c.bytes.size(), c.useDeclaration), c.utf8)
            << testing::PrintToString(c.bytes);
}

}  // namespace
