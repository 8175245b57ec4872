#pragma once
// IGaugeHost: what the gauge document needs of the window that holds it. The editor window
// implements it; tools and tests use HeadlessGaugeHost.
#include <string>

#include "files/GaugeProperties.h"
#include "platform/Interaction.h"

namespace dw {

class IElementOwner;

class IGaugeHost {
public:
    virtual ~IGaugeHost() = default;

    // The window that shows the elements; loaded and pasted elements get it as owner.
    // May be null (no window).
    virtual IElementOwner* ElementOwner() = 0;
    // The main window's title.
    virtual void SetTitle(const std::string& title) = 0;
    // The main window's screen rectangle and maximised state, written into gauge files.
    virtual WindowPlacement CurrentPlacement() const = 0;
    // Moves the main window to a placement stored in a gauge file.
    virtual void RestorePlacement(const WindowPlacement& placement) = 0;
    // Starts the one-shot timer that issues Run after that many milliseconds.
    virtual void StartRunTimer(int milliseconds) = 0;
    // Repaints the whole canvas.
    virtual void Repaint() = 0;
    virtual void UpdateMenuStates() = 0;
    virtual void UpdateStatusLine() = 0;
    // The background colour changed: re-create the background brush and the dotted pen.
    virtual void BackgroundChanged(Colour background) = 0;
    // Marks the alias table as not loaded and loads the alias file of that path.
    virtual void ReloadAliasFile(const std::string& path) = 0;
    // Opens the gauge properties dialog (after Gauge > New).
    virtual void EditGaugeProperties() = 0;
    // Records an undo step with the code of the operation about to change the gauge.
    virtual void RecordUndo(int code) = 0;
};

// Undo codes of the document's own operations.
inline constexpr int kUndoPaste = 3;
inline constexpr int kUndoImportFs = 4;
inline constexpr int kUndoInsertGauge = 8;

}  // namespace dw
