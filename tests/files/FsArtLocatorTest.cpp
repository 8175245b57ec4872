// Finding the bitmaps of an MS-FS gauge wherever its art folder really is.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "files/FsArtLocator.h"
#include "support/TempDir.h"

namespace {

using dw::FsArtLocator;

class FsArtLocatorTest : public testing::Test {
protected:
    // The source gauge lives in src/, the imported gauge is written to out/.
    void SetUp() override {
        std::filesystem::create_directories(dir.Path() / "out");
        std::filesystem::create_directories(dir.Path() / "src");
    }
    std::string Src() const { return dir.File("src"); }
    std::string Out() const { return dir.File("out"); }
    // The found path relative to the test folder, or "-" when nothing was found.
    std::string Found(FsArtLocator& locator, const std::string& name) const {
        const std::optional<std::string> found = locator.Find(name);
        if (!found) return "-";
        return std::filesystem::relative(*found, dir.Path()).string();
    }

    dwtest::TempDir dir;
};

// The usual forms of the art folder are checked through the import; here the odd ones.
TEST_F(FsArtLocatorTest, ArtFoldersAsRealFilesNameThem) {
    dir.Write("src/Art/Dial.BMP", "x");
    dir.Write("src/Needle.bmp", "x");
    for (const char* art :
         {"", ".", "D:", " art ", "\\\\buildserver\\share\\ART", "/home/author/fs/art"}) {
        FsArtLocator locator(art, Src(), Out());
        // Without a folder name the art folder is not known.
        EXPECT_EQ(Found(locator, "dial.bmp"), std::strlen(art) > 2 ? "src/Art/Dial.BMP" : "-")
            << art;
        // Beside the source itself, whatever the art folder says.
        EXPECT_EQ(Found(locator, "NEEDLE.BMP"), "src/Needle.bmp") << art;
    }
}

TEST_F(FsArtLocatorTest, TheArtFolderComesFirstThenTheSourceFolder) {
    // A relative art folder is taken from the working folder before the source's folder.
    dir.Write("out/art/a.bmp", "x");
    dir.Write("src/art/a.bmp", "x");
    dir.Write("src/art/b.bmp", "x");
    dir.Write("src/b.bmp", "x");
    dir.Write("src/c.bmp", "x");
    dir.Write("src/sub/d.bmp", "x");
    FsArtLocator locator("art", Src(), Out());
    EXPECT_EQ(Found(locator, "a.bmp"), "out/art/a.bmp");
    EXPECT_EQ(Found(locator, "b.bmp"), "src/art/b.bmp");
    EXPECT_EQ(Found(locator, "C.bmp"), "src/c.bmp");
    EXPECT_EQ(Found(locator, "..\\SUB\\D.BMP"), "src/sub/d.bmp");  // from src/art
    EXPECT_EQ(Found(locator, "Sub\\D.bmp"), "src/sub/d.bmp");
    EXPECT_EQ(Found(locator, "e.bmp"), "-");
    // A folder of that name is no bitmap.
    std::filesystem::create_directories(dir.Path() / "src" / "f.bmp");
    EXPECT_EQ(Found(locator, "f.bmp"), "-");
}

// Without an art folder they go beside the source: see the import's declined bitmap.
TEST_F(FsArtLocatorTest, MissingBitmapsBelongInTheArtFolderWhenItExists) {
    std::filesystem::create_directories(dir.Path() / "out" / "art");
    FsArtLocator here("art", Src(), Out());
    EXPECT_EQ(here.PathForMissing("sub\\x.bmp"), dir.File("out/art/sub/x.bmp"));
}

}  // namespace
