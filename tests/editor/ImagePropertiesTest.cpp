// The image properties dialog: filled from the element, OK applies and Cancel does not, the
// two script tabs, and the image chooser's size question.
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include "DialogTestSupport.h"
#include "editor/dialogs/CGraphProperties.h"
#include "editor/dialogs/DialogText.h"
#include "render/CGraph.h"

namespace {

using namespace dialogtest;
using dw::dialogs::CGraphProperties;

using ImagePropertiesTest = ElementDialogFixture;

TEST_F(ImagePropertiesTest, FillsFromTheElementOkAppliesTheEditsCancelDoesNot) {
    SaveImage("red.png", 4, 4);
    dw::CGraph image(nullptr, {10, 20, 40, 60});
    image.name = "needle";
    image.mainProgram = "link offset 3000 server 1\r\n";
    image.clickProgram = "set 1 1\r\n";
    image.rotation = 12.25;
    image.linkedServer = 1;
    image.linkedOffset = 3000;

    OnNextModal<CGraphProperties>([](CGraphProperties& dialog) {
        EXPECT_EQ(Text(Control<QLineEdit>(dialog, "nameEdit")), "needle");
        EXPECT_EQ(Text(Control<QLineEdit>(dialog, "hEdit")), "40");
        EXPECT_EQ(Control<QPlainTextEdit>(dialog, "scriptEdit")->toPlainText().toStdString(),
                  "link offset 3000 server 1\n");
        Control<QLineEdit>(dialog, "nameEdit")->setText("gear");
        Control<QLineEdit>(dialog, "xEdit")->setText("5");
        Control<QLineEdit>(dialog, "wEdit")->setText("8");
        Control<QLineEdit>(dialog, "fileEdit")->setText("red.png");
        QTest::mouseClick(Control<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    });
    image.EditProperties();

    EXPECT_EQ(image.name, "gear");
    EXPECT_EQ(image.GetRect(), (dw::Rect{5, 20, 13, 60}));
    EXPECT_EQ(image.file, "red.png");
    EXPECT_EQ(image.surface.Source().size(), QSize(8, 40));
    EXPECT_EQ(std::make_pair(image.linkedServer, image.linkedOffset), std::make_pair(0, -1));
    EXPECT_EQ(image.mainProgram + image.clickProgram, "link offset 3000 server 1\r\nset 1 1\r\n");
    EXPECT_DOUBLE_EQ(image.rotation, 12.25);

    // Cancel leaves the element as it was.
    OnNextModal<CGraphProperties>([](CGraphProperties& dialog) {
        Control<QLineEdit>(dialog, "nameEdit")->setText("changed");
        Control<QLineEdit>(dialog, "xEdit")->setText("99");
        QTest::mouseClick(Control<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
    });
    image.EditProperties();
    EXPECT_EQ(image.name, "gear");
    EXPECT_EQ(image.GetRect(), (dw::Rect{5, 20, 13, 60}));
}

TEST_F(ImagePropertiesTest, SwitchingTabsKeepsBothPrograms) {
    CGraphProperties dialog(context);
    dw::ImageProperties values;
    values.program = "main\r\n";
    values.clickProgram = "click\r\n";
    dialog.SetValues(values);
    auto* tabs = Control<QTabBar>(dialog, "scriptTabs");
    auto* box = Control<QPlainTextEdit>(dialog, "scriptEdit");

    tabs->setCurrentIndex(1);
    EXPECT_EQ(box->toPlainText().toStdString(), "click\n");
    box->setPlainText("set 7 1\nset 8 0");
    tabs->setCurrentIndex(0);
    EXPECT_EQ(box->toPlainText().toStdString(), "main\n");
    box->setPlainText("link offset 9");
    tabs->setCurrentIndex(1);
    EXPECT_EQ(box->toPlainText().toStdString(), "set 7 1\nset 8 0");
    box->setPlainText("set 9 9");  // OK on the second tab counts the box as the click program
    const dw::ImageProperties result = dialog.Values();
    EXPECT_EQ(result.program, "link offset 9");
    EXPECT_EQ(result.clickProgram, "set 9 9");
}

TEST_F(ImagePropertiesTest, ChoosingAnImageOfAnotherSizeAsksToFitTheElement) {
    const std::string picked = SaveImage("Pic64x32.PNG", 64, 32);
    // Yes takes the image's size, No keeps the element's 110 x 110.
    const std::pair<dw::Answer, std::string> cases[] = {{dw::Answer::Yes, "64x32"},
                                                        {dw::Answer::No, "110x110"}};
    for (const auto& [answer, size] : cases) {
        CGraphProperties dialog(context);
        dialog.SetValues(dw::ImageProperties{});
        user.QueueFile(picked);
        user.QueueAnswer(answer);
        QTest::mouseClick(Control<QToolButton>(dialog, "fileButton"), Qt::LeftButton);
        ASSERT_FALSE(user.messages.empty());
        ASSERT_EQ(user.messages.size(), user.fileRequests.size());
        EXPECT_TRUE(user.fileRequests.back().mustExist);
        EXPECT_EQ(user.messages.back().title, "Change element size");
        EXPECT_EQ(user.messages.back().text,
                  "The image you selected has diferent size than the element.\r\n\r\nDo you want "
                  "change the element size to fit the image?");
        // The field holds the path lower-cased and relative to the working folder.
        EXPECT_EQ(Text(Control<QLineEdit>(dialog, "fileEdit")), "pic64x32.png");
        EXPECT_EQ(Text(Control<QLineEdit>(dialog, "wEdit")) + "x" +
                      Text(Control<QLineEdit>(dialog, "hEdit")),
                  size);
    }
    EXPECT_EQ(user.messages.size(), 2u);
}

TEST(PropertiesDialogsHook, InstallingKeepsTheOtherHooks) {
    dw::ElementHooks hooks;
    int parsed = 0;
    hooks.parseLink = [&parsed](dw::CElement&) { ++parsed; };
    dw::InstallElementHooks(hooks);
    dw::InstallPropertiesDialogs({});
    EXPECT_TRUE(static_cast<bool>(dw::CurrentElementHooks().editProperties));
    dw::CGraph image(nullptr, {0, 0, 4, 4});
    dw::CallParseLink(image);
    EXPECT_EQ(parsed, 1);
    dw::InstallElementHooks({});
}

TEST(DialogNumbers, RealsReadInSinglePrecisionShowInTheirShortForm) {
    using dw::dialogs::FormatDialogReal;
    EXPECT_EQ(FormatDialogReal(-90.0, true), "-90.0");
    EXPECT_EQ(FormatDialogReal(static_cast<double>(0.1f), true), "0.1");
    EXPECT_EQ(FormatDialogReal(static_cast<double>(33.3f), false), "33.3");
}

}  // namespace
