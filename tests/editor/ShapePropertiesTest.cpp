// The basic graph properties dialog: labels and controls per shape, "Color 2" only for
// hatches, and OK through the element.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "DialogTestSupport.h"
#include "editor/dialogs/CPrimitiveProperties.h"
#include "render/CPrimitive.h"

namespace {

using namespace dialogtest;
using dw::dialogs::CPrimitiveProperties;

struct SubtypeRow {
    const char* subtype;
    const char* width;
    const char* start;
    const char* end;
    const char* init;
    bool values, colourAndStyle, marks, arc;
};

// The labels in 8-bit text: 0xBA shows as the ordinal indicator.
const SubtypeRow kRows[] = {
    {"FillRect", "Border width", "Start angle (0%):", "End angle (100%):", "Init pos in %:", false,
     true, false, false},
    {"ArcTo", "Line width", "Start angle (0%):", "End angle (100%):", "Init pos in %:", true, false,
     true, false},
    {"Radius", "Line width", "Start (0.0-1.0):", "End (0.0-1.0):", "Init pos in \xBA:", true, false,
     false, false},
    {"Scale", "Line width", "Start angle in \xBA:", "End angle in \xBA:", "N\xBA of marks:", true,
     false, true, true},
};

class SubtypeRelabelTest : public DialogFixture,
                           public ::testing::WithParamInterface<SubtypeRow> {};

QString Latin1(const char* text) {
    return QString::fromLatin1(text);
}

TEST_P(SubtypeRelabelTest, ChangingTheSubtypeRelabelsAndEnablesItsControls) {
    const SubtypeRow& row = GetParam();
    CPrimitiveProperties dialog(context);
    auto* subtype = Control<QComboBox>(dialog, "subtypeCombo");
    // Start from a shape of the other kind so that every label really changes.
    subtype->setCurrentText(row.values ? "FillRect" : "Scale");
    subtype->setCurrentText(QString::fromLatin1(row.subtype));
    ASSERT_EQ(subtype->currentText(), Latin1(row.subtype));

    EXPECT_EQ(Control<QLabel>(dialog, "widthLabel")->text(), Latin1(row.width));
    EXPECT_EQ(Control<QLabel>(dialog, "startLabel")->text(), Latin1(row.start));
    EXPECT_EQ(Control<QLabel>(dialog, "endLabel")->text(), Latin1(row.end));
    EXPECT_EQ(Control<QLabel>(dialog, "initLabel")->text(), Latin1(row.init));
    for (const char* name : {"startEdit", "endEdit", "initEdit"})
        EXPECT_EQ(Control<QLineEdit>(dialog, name)->isEnabled(), row.values) << name;
    EXPECT_EQ(Control<QPushButton>(dialog, "fillColourButton")->isEnabled(), row.colourAndStyle);
    EXPECT_EQ(Control<QComboBox>(dialog, "styleCombo")->isEnabled(), row.colourAndStyle);
    for (const char* name : {"startMarkEdit", "endMarkEdit"})
        EXPECT_EQ(Control<QLineEdit>(dialog, name)->isEnabled(), row.marks) << name;
    EXPECT_EQ(Control<QCheckBox>(dialog, "arcCheck")->isEnabled(), row.arc);
    EXPECT_EQ(dialog.Values().subtype, row.subtype);
}

INSTANTIATE_TEST_SUITE_P(Subtypes, SubtypeRelabelTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.subtype); });

using ShapeElementTest = ElementDialogFixture;

TEST_F(ShapeElementTest, OkThroughTheElementAppliesEveryField) {
    dw::CPrimitive shape(nullptr, {10, 10, 110, 110});
    shape.linkedServer = 2;
    user.QueueColour(0x0000FF);  // Color
    user.QueueColour(0x00FF00);  // Color 2
    OnNextModal<CPrimitiveProperties>([](CPrimitiveProperties& dialog) {
        EXPECT_EQ(Text(Control<QLineEdit>(dialog, "endEdit")), "360");
        // "Color 2" is for hatched styles only.
        EXPECT_FALSE(Control<QPushButton>(dialog, "secondColourButton")->isEnabled());
        Control<QComboBox>(dialog, "subtypeCombo")->setCurrentText("Pie");
        Control<QComboBox>(dialog, "styleCombo")->setCurrentText("Cross");
        QTest::mouseClick(Control<QPushButton>(dialog, "fillColourButton"), Qt::LeftButton);
        QTest::mouseClick(Control<QPushButton>(dialog, "secondColourButton"), Qt::LeftButton);
        Control<QLineEdit>(dialog, "startEdit")->setText("270");
        Control<QLineEdit>(dialog, "endEdit")->setText("90");
        Control<QLineEdit>(dialog, "initEdit")->setText("33.5");
        Control<QLineEdit>(dialog, "borderWidthEdit")->setText("2");
        Control<QLineEdit>(dialog, "wEdit")->setText("60");
        dialog.accept();
    });
    shape.EditProperties();
    EXPECT_EQ(shape.subtype, "Pie");
    EXPECT_EQ(shape.style, 4);
    EXPECT_EQ(std::make_pair(shape.colorF, shape.color), std::make_pair(0x0000FFu, 0x00FF00u));
    EXPECT_EQ(std::make_tuple(shape.ang1, shape.ang2, shape.angPct),
              std::make_tuple(270.0f, 90.0f, 33.5f));
    EXPECT_EQ(shape.borderWidth, 2);
    EXPECT_EQ(shape.surface.Source().size(), QSize(60, 100));
    EXPECT_EQ(shape.linkedServer, 0);
}

}  // namespace
