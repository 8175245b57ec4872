#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/CGraph.h"
#include "render/ElementProperties.h"
#include "render/ImageRotation.h"

namespace {

using namespace rendertest;

using ImageElementTest = FileFixture;

TEST_F(ImageElementTest, LoadingSizesOrStretchesThePicture) {
    dw::CGraph fresh(nullptr, {10, 10, 210, 210});
    EXPECT_EQ(Count(fresh.surface.Current(), 0), 200 * 200);  // black before any file
    Save("Dial.png");
    dw::CGraph natural(nullptr, {5, 6, 5, 6});  // an empty rectangle takes the picture's size
    natural.SetImageFile(dir.File("Dial.png"));
    EXPECT_EQ(natural.file, "dial.png");
    EXPECT_EQ(natural.GetRect(), (dw::Rect{5, 6, 9, 8}));
    EXPECT_EQ(std::make_pair(natural.width, natural.height), std::make_pair(4, 2));
    EXPECT_EQ(natural.surface.Current(), Sample());
    // Stretched: each picture pixel covers 2 x 3 pixels, copied without blending.
    dw::CGraph stretched(nullptr, {0, 0, 8, 6});
    stretched.SetImageFile("dial.png");
    EXPECT_EQ(stretched.surface.Current(), Sample().scaled(8, 6));
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(ImageElementTest, RejectedOrMissingFileKeepsThePicture) {
    Save("dial.png");
    dw::CGraph image(nullptr, {0, 0, 4, 2});
    image.SetImageFile("dial.png");
    image.SetImageFile(dir.File("dial.jpeg"));
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, "Error");
    EXPECT_EQ(user.messages[0].text, "The image you are loading is on an incompatible format.");
    EXPECT_EQ(user.messages[0].icon, dw::Icon::Error);
    EXPECT_EQ(image.file, "dial.png");
    image.SetImageFile(dw::WorkingFolder() + "/Img/Gone.PNG");  // answered No
    EXPECT_EQ(image.file, "img/gone.png");
    EXPECT_EQ(user.messages.at(1).title, "File not fount");
    EXPECT_EQ(image.surface.Current(), Sample());
}

TEST_F(ImageElementTest, PickedFileLoadsColourReplacedAndItsFolderMayBeRemembered) {
    Save("pics/dial.png");
    dw::CGraph image(nullptr, {0, 0, 4, 2});
    image.SetColourChange(kRed, kGreen);  // red becomes green
    for (const dw::Answer remember : {dw::Answer::Yes, dw::Answer::No}) {
        user.QueueAnswer(dw::Answer::Yes);
        user.QueueFile(dw::WorkingFolder() + "/pics/dial.png");
        user.QueueAnswer(remember);
        image.SetImageFile("gone.png");
    }
    EXPECT_EQ(image.file, "pics/dial.png");
    EXPECT_EQ(At(image.surface.Current(), 0, 0), kGreen);
    EXPECT_EQ(At(image.surface.Current(), 2, 0), kBlue);
    ASSERT_EQ(user.messages.size(), 4u);
    EXPECT_EQ(user.messages[1].title + "|" + user.messages[1].text,
              "New path for search|Would you like to add the path you have selected [pics] to the "
              "list of paths used for search?");
    EXPECT_EQ(settings.writes, (std::vector<std::string>{"Paths/Path_1", "Paths/Total"}));
    EXPECT_EQ(settings.Raw("Paths", "Path_1"), "pics");
    EXPECT_EQ(settings.Raw("Paths", "Total"), "1");
    dw::InstallRenderServices({});  // without services no question is asked
    image.SetImageFile("gone.png");
    EXPECT_EQ(user.messages.size(), 4u);
}

TEST_F(ImageElementTest, RotationKeepsTheSizeAndAddsToTheDesignedOne) {
    Save("white.png", Filled(100, 50, kWhite));
    dw::CGraph image(nullptr, {0, 0, 100, 50});
    image.SetImageFile("white.png");
    image.Rotate(90.0, 0xFF00FF);
    EXPECT_EQ(image.surface.Current(), dw::RotateImage(Filled(100, 50, kWhite), 90.0, 0xFF00FF));
    const qint64 key = image.surface.Current().cacheKey();
    image.Rotate(90.0, 0);  // the same angle again does nothing, not even with another fill
    EXPECT_EQ(image.surface.Current().cacheKey(), key);
    image.rotation = 90.0;
    image.SetImageFile("white.png");
    EXPECT_EQ(image.runRotation, 0.0);
    EXPECT_EQ(image.surface.Current(), dw::RotateImage(Filled(100, 50, kWhite), 90.0, 0));
}

TEST_F(ImageElementTest, RebuildReloadsAndColourChangesSurviveRotation) {
    Save("dial.png", Filled(8, 8, kRed));
    dw::CGraph image(nullptr, {0, 0, 8, 8});
    image.SetImageFile("dial.png");
    image.Rotate(30.0, 0);
    image.ReplaceSurfaceColour(kRed, kGreen);  // a script colour change on the turned picture
    EXPECT_EQ(Count(image.surface.Current(), kRed), 0);
    image.Rotate(0.0, 0);
    EXPECT_EQ(Count(image.surface.Current(), kGreen), 64);
    Save("dial.png", Filled(1, 1, kBlue));
    image.Rotate(45.0, 0);
    image.SetWidth(6);  // reloads from disk at the new size, unturned
    EXPECT_EQ(image.runRotation, 0.0);
    EXPECT_EQ(image.surface.Current(), Filled(6, 8, kBlue));
}

// OK in the properties dialog loads the picture again (here: a new one on disk) only when the
// file name, the size, the rotation or the colour replacement changed.
TEST_F(ImageElementTest, PropertiesReloadThePictureOnlyForWhatShapesIt) {
    using Edit = void (*)(dw::ImageProperties&);
    const std::pair<Edit, bool> cases[] = {
        {[](dw::ImageProperties& v) { v.x = 30, v.y = 40, v.name = "moved"; }, false},
        {[](dw::ImageProperties& v) { v.transparent = true, v.transparentColor = 9; }, false},
        {[](dw::ImageProperties& v) { v.program = "data = 1"; }, false},
        {[](dw::ImageProperties& v) { v.file = "DIAL.png"; }, true},
        {[](dw::ImageProperties& v) { v.h = 9; }, true},
        {[](dw::ImageProperties& v) { v.rotation = 90.0; }, true},
        {[](dw::ImageProperties& v) { v.changeColour = kGreen, v.withColour = kBlue; }, true},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& [edit, reloads] = cases[i];
        Save("dial.png", Filled(8, 8, kRed));
        dw::CGraph image(nullptr, {0, 0, 8, 8});
        image.SetImageFile("dial.png");
        Save("dial.png", Filled(8, 8, kBlue));
        dw::ImageProperties values;
        values.x = 0, values.y = 0, values.w = 8, values.h = 8;
        values.file = image.file;
        edit(values);
        dw::ApplyImageProperties(image, values);
        EXPECT_EQ(Count(image.surface.Current(), kRed) == 0, reloads) << "case " << i;
    }
}

}  // namespace
