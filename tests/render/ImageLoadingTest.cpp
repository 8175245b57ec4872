#include "render/ImageLoading.h"

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/ImageFiles.h"

namespace {

using namespace rendertest;

// An uncompressed 24-bit Targa file of Sample(), rows from the top.
std::string TargaBytes() {
    std::string bytes(18, '\0');
    std::tie(bytes[2], bytes[12], bytes[14], bytes[16], bytes[17]) =
        std::make_tuple(2, 4, 2, 24, 0x20);  // true colour, 4 x 2, 24 bits, rows from the top
    const QImage bgr = Sample().convertToFormat(QImage::Format_BGR888);
    return bytes + std::string(reinterpret_cast<const char*>(bgr.constBits()), 4 * 2 * 3);
}

void ExpectSample(const QImage& image) {
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image, Sample());
}

using ImageFilesTest = FileFixture;

TEST_F(ImageFilesTest, DecodesTheFormatsDropsAlphaAndFailsCleanly) {
    ExpectSample(dw::DecodeImageFile(Save("a.png")));
    ExpectSample(dw::DecodeImageFile(Save("a.bmp", Sample(), "bmp")));
    ExpectSample(dw::DecodeImageFile(Save("a.tif", Sample(), "tiff")));
    ExpectSample(dw::DecodeImageFile(dir.Write("a.tga", TargaBytes())));
    EXPECT_EQ(dw::DecodeImageFile(Save("a.jpg", Sample(), "jpeg")).size(), QSize(4, 2));
    QImage withAlpha(1, 1, QImage::Format_ARGB32);
    withAlpha.fill(qRgba(10, 20, 30, 0));
    const QImage opaque = dw::DecodeImageFile(Save("alpha.png", withAlpha));
    EXPECT_EQ(std::make_pair(opaque.format(), qAlpha(opaque.pixel(0, 0))),
              std::make_pair(QImage::Format_RGB32, 255));
    EXPECT_TRUE(dw::DecodeImageFile(dir.File("none.png")).isNull());
    EXPECT_TRUE(dw::DecodeImageFile(dir.Write("bad.png", "not a picture")).isNull());
    EXPECT_TRUE(dw::DecodeImageFile("").isNull());
}

TEST_F(ImageFilesTest, SearchPathsTryTheNameInEachFolder) {
    dir.Write("pics/dial.png", dwtest::ReadFile(Save("src.png")));
    dw::SetWorkingFolder(dir.File("gauges"));
    settings.SeedInt("Paths", "Total", 3);
    settings.Seed("Paths", "Path_1", "  " + dir.File("empty") + "  ");
    settings.Seed("Paths", "Path_2", dir.File("pics") + "/");
    settings.Seed("Paths", "Path_3", dir.File("never"));
    QImage picture;
    EXPECT_EQ(dw::LoadImageWithSearchPaths(picture, "img\\sub\\dial.png", settings), 0);
    ExpectSample(picture);
    // The third folder was not needed.
    EXPECT_EQ(std::count(settings.reads.begin(), settings.reads.end(), "Paths/Path_3"), 0);
    EXPECT_EQ(dw::LoadImageWithSearchPaths(picture, "x/none.png", settings), 1);
    // An empty folder tries the bare name in the working folder.
    Save("dial.png");
    dw::SetWorkingFolder(Folder());
    settings.SeedInt("Paths", "Total", 1);
    settings.Seed("Paths", "Path_1", "   ");
    EXPECT_EQ(dw::LoadImageWithSearchPaths(picture, "elsewhere/dial.png", settings), 0);
    // A damaged count stays bounded.
    settings.SeedInt("Paths", "Total", 2000000000);
    settings.reads.clear();
    EXPECT_EQ(dw::LoadImageWithSearchPaths(picture, "none.png", settings), 1);
    EXPECT_LE(settings.reads.size(), 1100u);
}

TEST_F(ImageFilesTest, MissingFileAskedOnceAndKeptRelative) {
    const dw::ImageLoadOutcome out =
        dw::LoadImageFile(Folder() + "/Img/Missing.png", user, settings);
    EXPECT_FALSE(out.loaded);
    EXPECT_EQ(out.file, "img/missing.png");
    ASSERT_EQ(user.messages.size(), 1u);
    const dw::MessageRequest& m = user.messages[0];
    EXPECT_EQ(m.title + "|" + m.text,
              "File not fount|Could not find the file [missing.png] at path [img].\r\nWould you "
              "like to select a new path or file?");
    EXPECT_EQ(std::make_pair(m.buttons, m.icon),
              std::make_pair(dw::Buttons::YesNo, dw::Icon::Error));
    EXPECT_TRUE(user.fileRequests.empty());
}

TEST_F(ImageFilesTest, RecoveryLoopUntilAPickedFileLoadsOrTheUserStops) {
    Save("Good.png");
    user.QueueAnswer(dw::Answer::Yes);
    user.QueueFile(Folder() + "/also-missing.png");
    user.QueueAnswer(dw::Answer::Yes);
    user.QueueFile(Folder() + "/Good.png");
    const dw::ImageLoadOutcome out = dw::LoadImageFile("missing.png", user, settings);
    EXPECT_TRUE(out.loaded && out.userPicked);
    EXPECT_EQ(out.file, "good.png");
    ExpectSample(out.picture);
    EXPECT_EQ(user.messages.size(), 2u);
    ASSERT_EQ(user.fileRequests.size(), 2u);
    EXPECT_EQ(user.fileRequests[0].initialName, "missing.png");
    EXPECT_EQ(user.fileRequests[1].initialName, "also-missing.png");
    // Yes, then a cancelled chooser: nothing loaded; an empty path asks nothing.
    user.QueueAnswer(dw::Answer::Yes);
    const dw::ImageLoadOutcome cancelled = dw::LoadImageFile("missing.png", user, settings);
    EXPECT_FALSE(cancelled.loaded || cancelled.userPicked);
    EXPECT_EQ(user.fileRequests.size(), 3u);
    EXPECT_FALSE(dw::LoadImageFile("", user, settings).loaded);
    EXPECT_EQ(user.messages.size(), 3u);
}

}  // namespace
