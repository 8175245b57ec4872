#include "files/Paths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"

namespace {

using dw::MakeRelativePathTo;
using dw::ResolveStoredPath;

TEST(Paths, LowerLatin1) {
    EXPECT_EQ(dw::LowerLatin1("ABC xyz 09/\\\xC0\xC9\xDE"), "abc xyz 09/\\\xE0\xE9\xFE");
    // The multiplication sign and sharp s have no lower-case partner.
    EXPECT_EQ(dw::LowerLatin1("\xD7\xDF"), "\xD7\xDF");
}

TEST(MakeRelativePath, Forms) {
    const std::string longName(520, 'n'), deep = "/d/" + std::string(505, 'q');
    const struct {
        std::string path, folder, relative;
    } cases[] = {
        {"/gauges/IMG/Dial.BMP", "/gauges", "img/dial.bmp"},
        // The path is lower-cased, the folder is not: they part at the capital.
        {"/Gauges/a.bmp", "/Gauges", "../gauges/a.bmp"},
        {"/home/gauges2/a.png", "/home/gauges", "../gauges2/a.png"},  // a sibling of like name
        {"/a/x", "/a/b/", "../x"},        // a trailing separator is not one more level
        {"/a/bx", "/a/b/c", "../../bx"},  // the difference lies on a separator of the folder
        {"..\\Pics\\A.BMP", "/gauges", "..\\pics\\a.bmp"},
        // No relative form: the root as working folder, overlong paths.
        {"/a.bmp", "/", "/a.bmp"},
        {"/gauges/" + longName, "/gauges", "/gauges/" + longName},
        {deep, "/a/b/c", deep},  // 508 characters plus three levels
    };
    for (const auto& c : cases)
        EXPECT_EQ(MakeRelativePathTo(c.path, c.folder), c.relative) << c.path;
}

TEST(MakeRelativePath, UsesTheWorkingFolder) {
    dw::SetWorkingFolder("/srv/gauges");
    EXPECT_EQ(dw::MakeRelativePath("/srv/gauges/Needle.PNG"), "needle.png");
    // A folder longer than can be read leaves the path absolute (lower-cased).
    const std::string w = "/" + std::string(300, 'w');
    dw::SetWorkingFolder(w);
    EXPECT_EQ(dw::MakeRelativePath(w + "/A.png"), w + "/a.png");
    dw::ResetWorkingFolder();
    EXPECT_EQ(dw::WorkingFolder(), std::filesystem::current_path().string());
}

TEST(ResolveStoredPath, FindsTheRealFileWhateverTheCaseAndSeparator) {
    dwtest::TempDir dir;
    const std::string root = dir.Path().string();
    const std::string real = dir.Write("Gauges/Img/Dial.PNG", "x");
    EXPECT_EQ(ResolveStoredPath("img\\dial.png", root + "/Gauges"), real);
    EXPECT_EQ(ResolveStoredPath("IMG\\DIAL.png", root + "\\GAUGES\\"), real);
    // An absolute stored path ignores the base, also with capitals in the temporary folder.
    EXPECT_EQ(ResolveStoredPath(dw::LowerLatin1(real), "/somewhere/else"), real);
    // Parent folders.
    const std::string pics = dir.Write("Pics/Needle.bmp", "x");
    EXPECT_EQ(ResolveStoredPath("..\\pics\\needle.bmp", root + "/gauges"), pics);
    EXPECT_EQ(ResolveStoredPath("./../PICS/./needle.bmp", root + "/Gauges"), pics);
    // A missing file keeps the stored rest; an empty one stays empty; no base stays relative.
    EXPECT_EQ(ResolveStoredPath("sub\\Missing.bmp", root + "/gauges"),
              root + "/Gauges/sub/Missing.bmp");
    EXPECT_EQ(ResolveStoredPath("", root), "");
    EXPECT_EQ(ResolveStoredPath("..\\..\\nowhere\\x.bmp", ""), "../../nowhere/x.bmp");
    // UTF-8 names on disk match Latin-1 text: "Été.png" found as "été.png".
    const std::string accented = dir.Write("\xC3\x89t\xC3\xA9.png", "x");
    EXPECT_EQ(ResolveStoredPath("\xE9t\xE9.png", root), accented);
}

TEST(ResolveStoredPath, ExactNameWinsOverOtherSpellings) {
    dwtest::TempDir dir;
    const std::string lower = dir.Write("a.png", "lower");
    const std::string upper = dir.Write("A.png", "upper");
    EXPECT_EQ(ResolveStoredPath("a.png", dir.Path().string()), lower);
    EXPECT_EQ(ResolveStoredPath("A.png", dir.Path().string()), upper);
    // With no exact match the choice is stable: the smallest name.
    EXPECT_EQ(ResolveStoredPath("A.PNG", dir.Path().string()), upper);
}

}  // namespace
