#pragma once
// CDialwrightDlg: the editor window. It holds the gauge document and shows it on the canvas,
// carries the menu bar built from the command table, runs every command (from the menu,
// the context menu or a hot key), keeps the undo ring, the hot keys and the alias table,
// and hands the gauge to the player for Run.
//
// Its work lives in collaborators: the command table (CommandTable.h), the canvas widget
// and the mouse state machine, the editing commands (EditCommands.h), the undo ring, the hot
// keys (runtime/HotKeys.h) and the alias table (script/AliasTable.h). This class wires them
// together; its code is split over CDialwrightDlg*.cpp by subject.
#include <QMainWindow>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "editor/CanvasMouse.h"
#include "editor/CanvasWidget.h"
#include "editor/CommandTable.h"
#include "editor/EditContext.h"
#include "editor/EditorServices.h"
#include "editor/UndoRing.h"
#include "model/CGaugeDocument.h"
#include "model/ElementOwner.h"
#include "model/FramePens.h"
#include "model/GaugeHost.h"
#include "runtime/HotKeys.h"
#include "runtime/RecoveryFile.h"
#include "script/AliasTable.h"

class QMenu;

namespace dw {

class CDialwrightDlg : public QMainWindow,
                       public IGaugeHost,
                       public IElementOwner,
                       private ICanvasEvents {
    Q_OBJECT
public:
    CDialwrightDlg(EditorEnvironment environment, EditorServices services,
                   QWidget* parent = nullptr);
    ~CDialwrightDlg() override;

    // Replaces the services (the program gives them once its dialogs, which need the window,
    // exist); the menu states follow.
    void SetServices(EditorServices editorServices);

    // The window's start-up: hot keys, placement, settings, alias file, the last or given
    // gauge, the automatic Run; shows the window.
    void Start(const StartOptions& options);

    // Runs a command by its number, as the menu does; greyed commands do nothing. False when
    // the command is unknown or greyed.
    bool ExecuteCommand(int id);
    bool IsCommandEnabled(int id) const;
    QAction* Action(int id) const;
    QMenu* EditMenu() const { return editMenu; }

    CGaugeDocument& Document() { return document; }
    CanvasWidget& Canvas() { return *canvas; }
    const CanvasMouse& Mouse() const { return mouse; }
    const UndoRing& Undo() const { return undo; }
    const HotKeyList& HotKeys() const { return hotKeys; }
    const AliasTable& Aliases() const { return aliases; }
    const std::string& AliasFile() const { return aliasFile; }
    const std::string& StatusText() const { return canvas->StatusText(); }
    const QTimer& RunTimer() const { return runTimer; }

    // After a run that took the program down (a crash record is left): offers the unsaved
    // changes kept before that run and shows the run's report. Call after Start.
    void RecoverAfterCrash();

    // Reads the hot keys from the settings store again.
    void LoadHotKeys();

    // ---- IGaugeHost ---------------------------------------------------------------------
    IElementOwner* ElementOwner() override { return this; }
    void SetTitle(const std::string& title) override;
    WindowPlacement CurrentPlacement() const override;
    void RestorePlacement(const WindowPlacement& placement) override;
    void StartRunTimer(int milliseconds) override;
    void Repaint() override;
    void UpdateMenuStates() override;
    void UpdateStatusLine() override;
    void BackgroundChanged(Colour background) override;
    void ReloadAliasFile(const std::string& path) override;
    void EditGaugeProperties() override;
    void RecordUndo(int code) override;

    // ---- IElementOwner ------------------------------------------------------------------
    void InvalidateRect(const Rect& area) override;
    Point ClientOriginOnScreen() const override;
    const FramePens* GetFramePens() const override { return &pens; }

signals:
    // The window closed for good (the program ends).
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // ICanvasEvents (CDialwrightDlgCanvas.cpp)
    void CanvasKey(int qtKey, Qt::KeyboardModifiers modifiers) override;
    void CanvasDoubleClick() override;
    void CanvasContextMenu(const QPoint& globalPos) override;
    void CanvasWheel(bool forward) override;
    void CanvasDrop(const std::vector<std::string>& paths) override;
    void CanvasPointerChanged() override;

    // Menus (CDialwrightDlgMenus.cpp)
    void BuildMenus();
    void ShowHotKeysInMenus();
    MenuState CurrentMenuState(bool withClipboard = true) const;
    void BindCommands();

    // Commands that are more than one call (CDialwrightDlgCommands.cpp)
    void RunGaugeProperties();
    void ConfigureServerLinks();
    void ConfigureHotKeys();
    void OpenHelpIndex();
    void OpenWebPage();
    void ShowAbout();
    void UndoStep();
    void RedoStep();
    void RunGauge();
    // Shows how the last run ended ("RunTime"), with its offers to edit or configure.
    void ReportLastRun();
    void RestoreRecoveredGauge(const RecoveredGauge& gauge, const std::string& recoveryPath);
    void ImportFsGauge();

    void ApplyPlacement(const WindowPlacement& placement);
    EditContext Edit();
    ServerAliases LinkAliases() const;

    EditorEnvironment env;
    EditorServices services;

    // Declared before the document: elements refer to the pens until they are destroyed.
    FramePens pens;
    CGaugeDocument document;
    UndoRing undo;
    AliasTable aliases;
    std::string aliasFile;            // the alias file in use
    std::string rememberedAliasFile;  // the alias file the program remembers
    HotKeyList hotKeys;
    CanvasMouse mouse;
    CanvasWidget* canvas = nullptr;
    QTimer runTimer;  // timer 1000: issues Run once

    std::map<int, QAction*> actions;
    std::map<int, std::function<void()>> handlers;
    std::map<std::string, QMenu*> menus;  // by path ("Edit/Elements/Align")
    QMenu* editMenu = nullptr;

    // The size the window was last placed at or saved with; a later change of size or of
    // the maximised state is an edit of the gauge.
    QSize knownSize;
    bool knownMaximised = false;
    bool started = false;
    bool closing = false;
    bool running = false;
};

}  // namespace dw
