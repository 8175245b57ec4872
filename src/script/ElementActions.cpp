#include "script/ElementActions.h"

#include <QBrush>
#include <QPen>
#include <charconv>

#include "model/ColourConvert.h"
#include "model/GlobalSwitch.h"

namespace dw {

namespace {

std::string Number(double value) {
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

bool IsVisualKind(ScriptVariant variant) {
    return variant != ScriptVariant::Audio;
}
bool IsPrimitive(const ActionContext& c) {
    return c.variant == ScriptVariant::Primitive;
}

// A basic graph redraws at the end of its run; a text at once.
void Refresh(ActionContext& context) {
    if (IsPrimitive(context)) {
        context.rerender = true;
    } else {
        context.Trace("re-render");
        context.element.RenderContent();
    }
}

void RenewFillBrush(CElement& element) {
    if (element.fillBrush) {
        element.fillBrush->setColor(ToQColor(element.colorF));
        element.fillBrush->setStyle(Qt::SolidPattern);
    } else {
        element.fillBrush = QBrush(ToQColor(element.colorF), Qt::SolidPattern);
    }
}

void RenewBorderPen(CElement& element) {
    if (element.borderPen) {
        element.borderPen->setColor(ToQColor(element.borderColor));
        element.borderPen->setWidth(element.borderWidth);
        element.borderPen->setStyle(Qt::SolidLine);
    } else {
        element.borderPen = QPen(ToQColor(element.borderColor), element.borderWidth);
    }
}

}  // namespace

void SwitchGlobal(ActionContext& context, bool on) {
    SetGlobalSwitch(on);
    if (IsVisualKind(context.variant)) context.element.Invalidate();
}

void ShowPlayerWindow(ActionContext& context, bool show) {
    context.Trace(show ? "show the player window" : "hide the player window");
    if (context.player != nullptr) context.player->ShowWindow(show);
}

void SetShown(ActionContext& context, bool shown) {
    context.element.shown = shown;
    context.element.Invalidate();
}

void MoveFromDesignCentre(ActionContext& context, std::int32_t amount, bool horizontal) {
    // The amount is clamped so that coordinates stay far inside the integer range.
    constexpr std::int32_t kLimit = 1 << 28;
    if (amount > kLimit) amount = kLimit;
    if (amount < -kLimit) amount = -kLimit;
    if (horizontal)
        context.element.MoveFromRunStart(amount, 0, 1);
    else
        context.element.MoveFromRunStart(0, amount, 2);
}

void RotateTo(ActionContext& context, double degrees) {
    CElement& element = context.element;
    if (degrees != element.runRotation)
        context.Trace("rotate " + Number(degrees) + " (fill " +
                      std::to_string(element.transparentColor) + ")");
    element.Rotate(degrees, element.transparentColor);
}

void SetSize(ActionContext& context, std::int32_t size, bool width) {
    // A script cannot make a surface larger than any screen, nor a negative one.
    constexpr std::int32_t kLargestSize = 8192;
    if (size < 0) size = 0;
    if (size > kLargestSize) size = kLargestSize;
    CElement& element = context.element;
    const std::int32_t current = width ? element.width : element.height;
    if (size == current) return;
    context.Trace(std::string(width ? "setwidth " : "setheight ") + std::to_string(size) +
                  ": rebuild");
    if (width)
        element.SetWidth(size);
    else
        element.SetHeight(size);
}

void SetFile(ActionContext& context, const std::string& file) {
    context.element.file = file;
    context.Trace("rebuild (file \"" + file + "\")");
    context.element.Rebuild();
    if (context.variant == ScriptVariant::Image || context.variant == ScriptVariant::ImageClick)
        context.element.Invalidate();
}

void ChangeColour(ActionContext& context, std::int32_t from, std::int32_t to) {
    context.Trace("changecolor " + std::to_string(from) + " to " + std::to_string(to));
    context.element.ReplaceSurfaceColour(static_cast<Colour>(from), static_cast<Colour>(to));
    context.element.Invalidate();
}

void SetColour(ActionContext& context, std::int32_t value) {
    CElement& element = context.element;
    const auto colour = static_cast<Colour>(value);
    if (IsPrimitive(context)) {
        if (element.colorF == colour) return;
        element.colorF = colour;
        RenewFillBrush(element);
    } else {
        if (element.color == colour) return;
        element.color = colour;
    }
    Refresh(context);
}

void SetBackColour(ActionContext& context, std::int32_t value) {
    CElement& element = context.element;
    const auto colour = static_cast<Colour>(value);
    if (IsPrimitive(context)) {
        if (element.color == colour) return;
        element.color = colour;
    } else {
        if (element.colorF == colour) return;
        element.colorF = colour;
        RenewFillBrush(element);
    }
    Refresh(context);
}

void SetBorderColour(ActionContext& context, std::int32_t value) {
    CElement& element = context.element;
    const auto colour = static_cast<Colour>(value);
    if (element.borderColor == colour) return;
    element.borderColor = colour;
    RenewBorderPen(element);
    Refresh(context);
}

void SetBorderWidth(ActionContext& context, std::int32_t width) {
    CElement& element = context.element;
    if (element.borderWidth == width) return;
    element.borderWidth = width;
    RenewBorderPen(element);
    Refresh(context);
}

void SetShapeParameter(ActionContext& context, float CElement::*parameter, float value) {
    float& field = context.element.*parameter;
    if (field != value) field = value;
    context.rebuild = true;
}

void PlaySound(ActionContext& context, bool loop) {
    context.Trace(loop ? "play loop" : "play");
    context.element.Play(loop);
}

void StopSound(ActionContext& context) {
    context.Trace("stop");
    context.element.Stop();
}

void ShowText(ActionContext& context, std::string text) {
    if (context.trace != nullptr) {
        std::string shown;
        for (char c : text) shown += c == '\n' ? std::string("\\n") : std::string(1, c);
        context.Trace("print \"" + shown + "\"");
    }
    context.element.text = std::move(text);
    context.element.RenderContent();
}

void StartRun(ActionContext& context) {
    if (context.variant == ScriptVariant::Text) context.element.RenderContent();
}

void FinishRun(ActionContext& context) {
    if (!IsPrimitive(context)) return;
    if (context.rebuild) {
        context.Trace("rebuild");
        context.element.Rebuild();
    } else if (context.rerender) {
        context.Trace("re-render");
        context.element.RenderContent();
    }
}

}  // namespace dw
