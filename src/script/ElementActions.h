#pragma once
// The statements that act on the element running the script (or on the whole gauge), as the
// interpreter carries them out. Drawing goes through the element's own operations.
#include <cstdint>
#include <string>

#include "model/CElement.h"
#include "script/DecodedProgram.h"
#include "script/ScriptHost.h"

namespace dw {

// One run's view of its element. A basic graph collects its refresh in the two flags and
// carries it out at the end of a run without error (FinishRun).
struct ActionContext {
    CElement& element;
    ScriptVariant variant;
    IPlayerControl* player = nullptr;
    IScriptTrace* trace = nullptr;
    bool rerender = false;
    bool rebuild = false;

    void Trace(const std::string& what) const {
        if (trace != nullptr) trace->Action(what);
    }
};

void SwitchGlobal(ActionContext& context, bool on);
void ShowPlayerWindow(ActionContext& context, bool show);
void SetShown(ActionContext& context, bool shown);
// Places the centre at the design centre plus `amount` along one axis.
void MoveFromDesignCentre(ActionContext& context, std::int32_t amount, bool horizontal);
void RotateTo(ActionContext& context, double degrees);
void SetSize(ActionContext& context, std::int32_t size, bool width);
void SetFile(ActionContext& context, const std::string& file);
void ChangeColour(ActionContext& context, std::int32_t from, std::int32_t to);
void SetColour(ActionContext& context, std::int32_t colour);
void SetBackColour(ActionContext& context, std::int32_t colour);
void SetBorderColour(ActionContext& context, std::int32_t colour);
void SetBorderWidth(ActionContext& context, std::int32_t width);
// setstart, setend, setpos: one of the basic graph's three parameters.
void SetShapeParameter(ActionContext& context, float CElement::*parameter, float value);
void PlaySound(ActionContext& context, bool loop);
void StopSound(ActionContext& context);
// The print statements: the text element shows `text` at once.
void ShowText(ActionContext& context, std::string text);
// Called at the start of a text element's run: the current text is drawn again.
void StartRun(ActionContext& context);
// Called after a run without error: a basic graph rebuilds or re-renders when asked to.
void FinishRun(ActionContext& context);

}  // namespace dw
