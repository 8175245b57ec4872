// The gauge file's building blocks: program children, the fragment prefix and the safe file
// replacement (whole files are checked in the document tests).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "files/AtomicFile.h"
#include "files/AttributeCodec.h"
#include "files/GaugeElementXml.h"
#include "files/GaugeSkeleton.h"
#include "support/TempDir.h"

namespace {

using namespace dw;

TEST(GaugeElementXml, ProgramsHoldingTheCdataEndSurviveAsSeveralSections) {
    for (const std::string program : {"a]]>b\r\n", "]]>", "x]]]>y]]>]]>\r\n", "]]]]>>", "end]]"}) {
        XmlNode element = CreateTopNode("element", false);
        AddProgramChild(element, kMainProgramChild, program);
        const std::string text = CreateString(element, true);
        XmlResults results;
        const XmlNode read = ParseString(text, "element", &results);
        ASSERT_EQ(results.error, 0) << text;
        EXPECT_EQ(ReadProgramChild(read, kMainProgramChild), EnsureCrLf(program)) << text;
    }
}

TEST(GaugeSkeleton, FragmentsAreKnownByTheirFirst51Characters) {
    const std::string text = GaugeDocumentText(NewGaugeDocument().declaration);
    EXPECT_TRUE(IsGaugeFragmentText(text.substr(0, 51)));
    for (const std::string& other :
         {text.substr(0, 50), "\xEF\xBB\xBF" + text,
          std::string("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<gauges/>")})
        EXPECT_FALSE(IsGaugeFragmentText(other)) << other;
}

TEST(AtomicFile, ReplacesTheFileThroughALinkKeepingItsPermissions) {
    dwtest::TempDir dir;
    const std::string path = dir.Write("g.dwl", "old");
    std::filesystem::create_symlink(path, dir.File("link.dwl"));
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(dir.File("link.dwl"), std::string("a\0b", 3)).ok);
    EXPECT_EQ(dwtest::ReadFile(path), std::string("a\0b", 3));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.dwl")));
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
}

}  // namespace
