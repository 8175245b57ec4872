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

using ShapeLabelsTest = DialogFixture;

TEST_F(ShapeLabelsTest, ChangingTheSubtypeRelabelsAndEnablesItsControls) {
    CPrimitiveProperties dialog(context);
    auto* subtype = Control<QComboBox>(dialog, "subtypeCombo");
    subtype->setCurrentText("FillRect");
    EXPECT_EQ(Control<QLabel>(dialog, "widthLabel")->text(), "Border width");
    EXPECT_FALSE(Control<QLineEdit>(dialog, "startEdit")->isEnabled());
    subtype->setCurrentText("Scale");
    // The labels in 8-bit text: 0xBA shows as the ordinal indicator.
    EXPECT_EQ(Control<QLabel>(dialog, "widthLabel")->text(), "Line width");
    EXPECT_EQ(Control<QLabel>(dialog, "startLabel")->text(),
              QString::fromLatin1("Start angle in \xBA:"));
    EXPECT_EQ(Control<QLabel>(dialog, "initLabel")->text(), QString::fromLatin1("N\xBA of marks:"));
    for (const char* name : {"startEdit", "startMarkEdit"})
        EXPECT_TRUE(Control<QLineEdit>(dialog, name)->isEnabled()) << name;
    EXPECT_FALSE(Control<QPushButton>(dialog, "fillColourButton")->isEnabled());
    EXPECT_TRUE(Control<QCheckBox>(dialog, "arcCheck")->isEnabled());
    EXPECT_EQ(dialog.Values().subtype, "Scale");
}

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
