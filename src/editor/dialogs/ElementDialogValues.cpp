#include "editor/dialogs/ElementDialogValues.h"

#include "editor/dialogs/ShapeSubtypeTable.h"
#include "files/AttributeCodec.h"
#include "render/CGraph.h"
#include "render/CPrimitive.h"
#include "render/CText.h"
#include "runtime/CAudio.h"

namespace dw::dialogs {

namespace {

void FillCommon(CommonProperties& v, const CElement& e) {
    v.name = e.name;
    v.x = e.GetRect().left;
    v.y = e.GetRect().top;
    v.w = e.width;
    v.h = e.height;
    v.rotation = e.rotation;
    v.program = e.mainProgram;
    v.transparent = e.transparent;
    v.transparentColor = e.transparentColor;
    v.changeColour = e.col1;
    v.withColour = e.col2;
}

}  // namespace

ImageProperties ImageValuesOf(const CGraph& e) {
    ImageProperties v;
    FillCommon(v, e);
    v.clickProgram = e.clickProgram;
    v.file = e.file;
    return v;
}

TextProperties TextValuesOf(const CText& e) {
    TextProperties v;
    FillCommon(v, e);
    v.face = e.face;
    v.position = e.position;
    v.fontStyle = e.fontStyle;
    v.fontWidth = e.fontWidth;
    v.fontHeight = e.fontHeight;
    v.weight = e.weight;
    v.color = e.color;
    v.colorF = e.colorF;
    v.text = EncodeLiteral(e.text);
    v.borderColor = e.borderColor;
    v.borderWidth = e.borderWidth;
    return v;
}

ShapeProperties ShapeValuesOf(const CPrimitive& e) {
    ShapeProperties v;
    FillCommon(v, e);
    v.subtype = e.subtype;
    v.styleName = StyleNameOf(e.style);
    v.colorF = e.colorF;
    v.color = e.color;
    v.borderColor = e.borderColor;
    v.borderWidth = e.borderWidth;
    v.ang1 = e.ang1;
    v.ang2 = e.ang2;
    v.angPct = e.angPct;
    v.startmark = e.startmark;
    v.endmark = e.endmark;
    v.witharc = e.witharc;
    return v;
}

AudioValues AudioValuesOf(const CAudio& e) {
    return {e.name, e.file, e.mainProgram};
}

void ApplyAudioValues(CAudio& e, const AudioValues& v) {
    e.name = v.name;
    e.linkedServer = 0;
    e.linkedOffset = -1;
    e.mainProgram = EnsureCrLf(v.program);
    if (v.file != e.file) e.file = v.file;
}

}  // namespace dw::dialogs
