// The element properties dialogs as the elements' EditProperties: each kind's dialog is
// filled from the element, run modally and, on OK, applied to it.
#include "editor/EditorDialogs.h"
#include "editor/dialogs/CAudioProperties.h"
#include "editor/dialogs/CGraphProperties.h"
#include "editor/dialogs/CPrimitiveProperties.h"
#include "editor/dialogs/CTextProperties.h"
#include "model/ElementHooks.h"
#include "render/CGraph.h"
#include "render/CPrimitive.h"
#include "render/CText.h"
#include "runtime/CAudio.h"

namespace dw {

namespace {

using namespace dialogs;

void EditImage(const DialogContext& context, CGraph& element) {
    CGraphProperties dialog(context, context.parent);
    dialog.SetValues(ImageValuesOf(element));
    if (dialog.exec() == QDialog::Accepted) ApplyImageProperties(element, dialog.Values());
}

void EditText(const DialogContext& context, CText& element) {
    CTextProperties dialog(context, context.parent);
    dialog.SetValues(TextValuesOf(element));
    if (dialog.exec() == QDialog::Accepted) ApplyTextProperties(element, dialog.Values());
}

void EditShape(const DialogContext& context, CPrimitive& element) {
    CPrimitiveProperties dialog(context, context.parent);
    dialog.SetValues(ShapeValuesOf(element));
    if (dialog.exec() == QDialog::Accepted) ApplyShapeProperties(element, dialog.Values());
}

void EditAudio(const DialogContext& context, CAudio& element) {
    {
        CAudioProperties dialog(context, context.parent);
        dialog.SetValues(AudioValuesOf(element));
        if (dialog.exec() == QDialog::Accepted) ApplyAudioValues(element, dialog.Values());
    }
    element.Rebuild();
    element.Invalidate();
}

void EditElement(const DialogContext& context, CElement& element) {
    // The kind number says which class the factory made.
    switch (element.GetKind()) {
        case ElementKind::Image:
            if (auto* image = dynamic_cast<CGraph*>(&element)) EditImage(context, *image);
            break;
        case ElementKind::Text:
            if (auto* text = dynamic_cast<CText*>(&element)) EditText(context, *text);
            break;
        case ElementKind::Primitive:
            if (auto* shape = dynamic_cast<CPrimitive*>(&element)) EditShape(context, *shape);
            break;
        case ElementKind::Audio:
            if (auto* audio = dynamic_cast<CAudio*>(&element)) EditAudio(context, *audio);
            break;
        default:
            break;
    }
}

}  // namespace

void InstallPropertiesDialogs(const DialogContext& context) {
    ElementHooks hooks = CurrentElementHooks();
    hooks.editProperties = [context](CElement& element) { EditElement(context, element); };
    InstallElementHooks(std::move(hooks));
}

}  // namespace dw
