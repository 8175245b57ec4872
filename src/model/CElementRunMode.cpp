// CElement: switching a list between the editor and the player.
#include "model/CElement.h"
#include "model/ColourConvert.h"
#include "model/ElementHooks.h"
#include "model/ElementOwner.h"

namespace dw {

void CElement::SetRunMode(IElementOwner* newOwner, bool on) {
    for (CElement* e = this; e != nullptr; e = e->next) {
        if (e->screenPos == Point{}) {
            if (e->owner != nullptr) e->screenPos = e->owner->ClientOriginOnScreen();
        } else {
            e->screenPos = {};
        }
        e->owner = newOwner;
        if (newOwner != nullptr && newOwner->GetFramePens() != nullptr) {
            e->framePens = newOwner->GetFramePens();
        }
        e->runMode = on;
        if (on) {
            CallCompilePrograms(*e);
            e->SaveRunStart();
            e->SaveScriptState();
        } else {
            e->runRotation = 0.0;
            e->RestoreScriptState();
            e->Rebuild();
        }
    }
}

void CElement::SaveScriptState() {
    savedAng1 = ang1;
    savedAng2 = ang2;
    savedAngPct = angPct;
    savedColor = color;
    savedColorF = colorF;
    savedBorderColor = borderColor;
    savedBorderWidth = borderWidth;
    savedFile = file;
    savedText = text;
}

void CElement::RestoreScriptState() {
    color = savedColor;
    colorF = savedColorF;
    // The kind chose the brush's pattern and the pen's ends; only colour and width return.
    if (fillBrush) fillBrush->setColor(ToQColor(colorF));
    ang1 = savedAng1;
    ang2 = savedAng2;
    angPct = savedAngPct;
    borderColor = savedBorderColor;
    borderWidth = savedBorderWidth;
    if (borderPen) {
        borderPen->setColor(ToQColor(borderColor));
        borderPen->setWidth(borderWidth);
    }
    file = savedFile;
    text = savedText;
}

}  // namespace dw
