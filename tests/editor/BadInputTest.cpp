// Number fields are free text: garbage, huge and negative numbers typed into the dialogs
// must still leave elements that draw, without a crash or a giant allocation.
#include <QPainter>

#include "DialogTestSupport.h"
#include "editor/dialogs/CGraphProperties.h"
#include "editor/dialogs/CPrimitiveProperties.h"
#include "editor/dialogs/CTextProperties.h"
#include "editor/dialogs/ElementDialogValues.h"
#include "render/CGraph.h"
#include "render/CPrimitive.h"
#include "render/CText.h"
#include "render/ElementSurface.h"

namespace {

using namespace dialogtest;

// Field values typed by a careless or hostile user.
const char* const kGarbage[] = {"abc", "-5", "99999999999999999999", "-2147483648", "1e30",
                                "nan", "",   "  12garbage",          "0x10",        "-99999999999"};

const char* const kNumberFields[] = {
    "xEdit", "yEdit", "rotEdit", "transparentColourEdit", "changeColourEdit", "withColourEdit"};
const char* const kSizeFields[] = {"wEdit", "hEdit"};

void FillAll(QDialog& dialog, const char* const* names, std::size_t count, const char* value) {
    for (std::size_t i = 0; i < count; ++i) Control<QLineEdit>(dialog, names[i])->setText(value);
}

// The element draws onto a small target and keeps its surfaces within the side limit.
void ExpectDrawable(dw::CElement& element, const QImage& surface, const char* value) {
    QImage target(64, 64, QImage::Format_RGB32);
    target.fill(Qt::black);
    QPainter painter(&target);
    element.Draw(painter);
    painter.end();
    EXPECT_LE(surface.width(), dw::kMaxSurfaceSide) << value;
    EXPECT_LE(surface.height(), dw::kMaxSurfaceSide) << value;
}

using BadInputTest = DialogFixture;

TEST_F(BadInputTest, ImageAndTextFieldsOfAnyTextLeaveDrawableElements) {
    SaveImage("pic.png", 8, 8);
    const char* const textFields[] = {"borderWidthEdit", "borderColourEdit"};
    for (const char* value : kGarbage) {
        dw::CGraph image(nullptr, {10, 10, 40, 40});
        dw::dialogs::CGraphProperties imageDialog(context);
        imageDialog.SetValues(dw::dialogs::ImageValuesOf(image));
        FillAll(imageDialog, kNumberFields, std::size(kNumberFields), value);
        FillAll(imageDialog, kSizeFields, std::size(kSizeFields), value);
        Control<QLineEdit>(imageDialog, "fileEdit")->setText("pic.png");
        dw::ApplyImageProperties(image, imageDialog.Values());
        ExpectDrawable(image, image.surface.Current(), value);

        dw::CText text(nullptr, {10, 10, 110, 30});
        dw::dialogs::CTextProperties textDialog(context);
        textDialog.SetValues(dw::dialogs::TextValuesOf(text));
        FillAll(textDialog, kNumberFields, std::size(kNumberFields), value);
        FillAll(textDialog, kSizeFields, std::size(kSizeFields), value);
        FillAll(textDialog, textFields, std::size(textFields), value);
        dw::TextProperties values = textDialog.Values();
        // The font numbers come from the font chooser, which a hostile file can bypass.
        values.fontHeight = values.fontWidth = values.weight = values.borderWidth;
        dw::ApplyTextProperties(text, values);
        ExpectDrawable(text, text.surface.Current(), value);
    }
}

TEST_F(BadInputTest, ShapeFieldsOfAnyTextLeaveADrawableShape) {
    const char* const fields[] = {"borderWidthEdit", "borderColourEdit", "startEdit",  "endEdit",
                                  "initEdit",        "startMarkEdit",    "endMarkEdit"};
    for (const char* subtype : {"FillRect", "Pie", "ArcTo", "ArcFrom", "Radius", "Bug", "Scale"}) {
        for (const char* value : kGarbage) {
            dw::CPrimitive shape(nullptr, {10, 10, 110, 110});
            dw::dialogs::CPrimitiveProperties dialog(context);
            dw::ShapeProperties start = dw::dialogs::ShapeValuesOf(shape);
            start.subtype = subtype;
            start.witharc = true;
            dialog.SetValues(start);
            FillAll(dialog, kNumberFields, std::size(kNumberFields), value);
            FillAll(dialog, fields, std::size(fields), value);
            // Huge sizes once: every shape shares the size handling.
            if (std::string(subtype) == "Scale")
                FillAll(dialog, kSizeFields, std::size(kSizeFields), value);
            dw::ApplyShapeProperties(shape, dialog.Values());
            ExpectDrawable(shape, shape.surface.Current(), value);
        }
    }
}

}  // namespace
