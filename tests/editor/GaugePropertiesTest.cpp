// The gauge properties dialog: the frame-rate slider and its label, "Start Maximized.", and
// the alias file's chooser, Edit button and check on OK.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "DialogTestSupport.h"
#include "editor/dialogs/CGaugeProperties.h"

namespace {

using namespace dialogtest;
using dw::dialogs::CGaugeProperties;

class GaugePropertiesTest : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        dialog = std::make_unique<CGaugeProperties>(context);
        dialog->SetValues(values);
    }
    std::string Alias() const { return Text(Control<QLineEdit>(*dialog, "aliasEdit")); }
    void Click(const char* name) {
        QTest::mouseClick(Control<QAbstractButton>(*dialog, name), Qt::LeftButton);
    }

    dw::GaugePropertiesValues values;
    std::unique_ptr<CGaugeProperties> dialog;
};

TEST_F(GaugePropertiesTest, FieldsComeBackWithTheFrameRateThePlaceAndTheBackground) {
    values.name = "Panel";
    values.window = {5, 6, 700, 500, true};
    values.runAtStart = true;
    values.fps = 1;  // a gauge file may hold 1: the slider's lowest position is 2
    dialog->SetValues(values);
    auto* slider = Control<QSlider>(*dialog, "fpsSlider");
    auto* label = Control<QLabel>(*dialog, "fpsLabel");
    EXPECT_EQ(label->text().toStdString(), "Desired FPS for this gauge: 2");
    EXPECT_EQ(dialog->Values().fps, 2);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_End);
    EXPECT_EQ(label->text().toStdString(), "Desired FPS for this gauge: Auto");

    // "Start Maximized." locks the place; unticked, the place is taken.
    EXPECT_FALSE(Control<QLineEdit>(*dialog, "wEdit")->isEnabled());
    Click("maximizedCheck");
    Control<QLineEdit>(*dialog, "wEdit")->setText("800");

    // The colour chooser starts at the field's colour and shares the custom colours.
    custom[0] = 0xABCDEF;
    Control<QLineEdit>(*dialog, "backEdit")->setText("255");
    user.QueueColour(0x00FF00, dw::CustomColours{0x111111});
    Click("backButton");
    ASSERT_EQ(user.colourCalls.size(), 1u);
    EXPECT_EQ(user.colourCalls[0].initial, 255u);
    EXPECT_EQ(user.colourCalls[0].customBefore[0], 0xABCDEFu);
    EXPECT_EQ(custom[0], 0x111111u);

    const dw::GaugePropertiesValues result = dialog->Values();
    EXPECT_EQ(result.fps, 40);
    EXPECT_EQ(result.window, (dw::WindowPlacement{5, 6, 800, 500, false}));
    EXPECT_EQ(std::make_tuple(result.name, result.backColor, result.runAtStart),
              std::make_tuple(values.name, 0x00FF00u, true));
}

TEST_F(GaugePropertiesTest, EditOpensTheAliasFileOrOffersToCreateAMissingOne) {
    auto* alias = Control<QLineEdit>(*dialog, "aliasEdit");
    const std::string real = dir.Write("Alias.txt", "1 A\n");
    alias->setText("alias.txt");
    Click("aliasEditButton");
    ASSERT_EQ(user.openedTargets.size(), 1u);
    EXPECT_TRUE(std::filesystem::equivalent(user.openedTargets[0], real));

    alias->setText("new.txt");
    user.QueueAnswer(dw::Answer::No);
    Click("aliasEditButton");
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, "File not found");
    EXPECT_EQ(user.messages[0].text,
              "The file [new.txt] does not exists.\r\nDo you want create it with 'notepad.exe'?");
    EXPECT_EQ(user.openedTargets.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(dir.File("new.txt")));
    user.QueueAnswer(dw::Answer::Yes);
    Click("aliasEditButton");
    EXPECT_EQ(user.openedTargets.size(), 2u);
    EXPECT_EQ(std::filesystem::file_size(dir.File("new.txt")), 0u);
}

TEST_F(GaugePropertiesTest, OkWithAMissingAliasFileAsksForAnother) {
    const std::string text =
        "The Alias file [gone.txt] does not exist.\r\n\r\nDo you want select a "
        "new one?";
    auto* alias = Control<QLineEdit>(*dialog, "aliasEdit");
    alias->setText("gone.txt");
    // Yes: the chooser (after its warning) and the dialog stays open; the chosen file is
    // stored relative to the working folder and lower-cased.
    const std::string other = dir.Write("Names/My.TXT", "2 B\n");
    user.QueueAnswer(dw::Answer::Yes);
    user.QueueFile(other);
    dialog->show();
    Click("okButton");
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.messages[0].title, "File not found");
    EXPECT_EQ(user.messages[0].text, text);
    EXPECT_EQ(user.messages[1].text,
              "Please, remember that all offsets names on the alias file, must be on uppercase.");
    ASSERT_EQ(user.fileRequests.size(), 1u);
    EXPECT_EQ(user.fileRequests[0].title, "Select Alias file");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(Alias(), "names/my.txt");
    // The chosen file exists: OK now closes.
    Click("okButton");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);

    // No: the field is emptied and the dialog closes with OK.
    alias->setText("gone.txt");
    dialog->show();
    user.QueueAnswer(dw::Answer::No);
    Click("okButton");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->Values().aliasFile, "");
}

}  // namespace
