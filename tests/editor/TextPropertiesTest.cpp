// The text properties dialog: font and colour choosers with the sample, the alignment lists,
// the literal text and the border.
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "DialogTestSupport.h"
#include "editor/dialogs/CTextProperties.h"
#include "editor/dialogs/TextSampleView.h"
#include "platform/qt/QtText.h"
#include "render/CText.h"
#include "render/TextFont.h"

namespace {

using namespace dialogtest;
using dw::dialogs::CTextProperties;
using dw::dialogs::TextSampleView;

using TextPropertiesTest = DialogFixture;
using TextElementTest = ElementDialogFixture;

TEST_F(TextPropertiesTest, FontAndColourChoosersFillTheFieldsAndTheSample) {
    CTextProperties dialog(context);
    dialog.resize(500, 500);
    dialog.show();
    dw::TextProperties values;
    values.fontStyle = 5;  // italic and underline
    dialog.SetValues(values);
    // Keeping the family that "DW_LCD" stands for keeps the stored face name.
    const std::string lcd = dw::qt::ToLatin1(dw::MapFaceName("DW_LCD"));
    user.QueueFont(dw::FontChoice{lcd, -30});
    user.QueueFont(dw::FontChoice{"DejaVu Sans", -20, 700, false, false, true, 0x123456});
    auto* font = Control<QPushButton>(dialog, "fontButton");
    QTest::mouseClick(font, Qt::LeftButton);
    EXPECT_EQ(dialog.Values().face, "DW_LCD");
    EXPECT_EQ(dialog.Values().fontHeight, -30);
    QTest::mouseClick(font, Qt::LeftButton);
    ASSERT_EQ(user.fontCalls.size(), 2u);
    EXPECT_EQ(user.fontCalls[0].face, lcd);  // the chooser starts on the mapped family
    EXPECT_EQ(user.fontCalls[0].height, -13);
    EXPECT_TRUE(user.fontCalls[0].italic && user.fontCalls[0].underline);
    EXPECT_EQ(dialog.Values().color, 0xFFFFFFu) << "the font's colour is not taken";

    user.QueueColour(0x0000FF);
    user.QueueColour(0x00FF00);
    QTest::mouseClick(Control<QPushButton>(dialog, "colourButton"), Qt::LeftButton);
    QTest::mouseClick(Control<QPushButton>(dialog, "backButton"), Qt::LeftButton);
    ASSERT_EQ(user.colourCalls.size(), 2u);
    EXPECT_EQ(user.colourCalls[1].initial, 0u);  // black background
    const dw::TextProperties result = dialog.Values();
    EXPECT_EQ(result.face, "DejaVu Sans");
    EXPECT_EQ(std::make_tuple(result.fontHeight, result.weight, result.fontStyle),
              std::make_tuple(-20, 700, 2));
    EXPECT_EQ(std::make_pair(result.color, result.colorF), std::make_pair(0x0000FFu, 0x00FF00u));

    auto* sample = Control<TextSampleView>(dialog, "sampleView");
    EXPECT_EQ(sample->SampleFont().face, "DejaVu Sans");
    const QImage shown = sample->grab().toImage();
    EXPECT_EQ(shown.pixelColor(shown.width() / 2, 3), QColor(0, 255, 0)) << "background";
}

TEST_F(TextElementTest, OkThroughTheElementAppliesTextWithLineBreaks) {
    dw::CText text(nullptr, {10, 10, 110, 30});
    text.text = "A\nB";
    text.position = 12;  // both vertical flags: the bottom one counts
    OnNextModal<CTextProperties>([](CTextProperties& dialog) {
        EXPECT_EQ(Text(Control<QLineEdit>(dialog, "textEdit")), "A\\nB");
        EXPECT_EQ(Control<QComboBox>(dialog, "verticalCombo")->currentText(), "Bottom");
        EXPECT_EQ(Control<QComboBox>(dialog, "horizontalCombo")->currentText(), "Left");
        Control<QLineEdit>(dialog, "textEdit")->setText("X\\nY\\nZ");
        Control<QComboBox>(dialog, "horizontalCombo")->setCurrentIndex(2);
        Control<QLineEdit>(dialog, "borderWidthEdit")->setText("3");
        Control<QLineEdit>(dialog, "borderColourEdit")->setText("255");
        Control<QPlainTextEdit>(dialog, "scriptEdit")->setPlainText("print 1");
        dialog.accept();
    });
    text.EditProperties();
    EXPECT_EQ(text.text, "X\nY\nZ");
    EXPECT_EQ(text.position, 10);
    EXPECT_EQ(std::make_pair(text.borderWidth, text.borderColor), std::make_pair(3, 255u));
    EXPECT_EQ(text.mainProgram, "print 1\r\n");
}

}  // namespace
