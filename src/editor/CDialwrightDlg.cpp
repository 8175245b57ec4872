// CDialwrightDlg: construction, start-up, closing, and the window's side of the gauge
// document (IGaugeHost) and of the elements (IElementOwner).
#include "editor/CDialwrightDlg.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <filesystem>

#include "editor/CommandIds.h"
#include "editor/ProgramIcon.h"
#include "editor/StartupRules.h"
#include "editor/StatusLine.h"
#include "files/Paths.h"
#include "platform/AppSettings.h"
#include "platform/qt/QtText.h"

namespace dw {

CDialwrightDlg::CDialwrightDlg(EditorEnvironment environment, EditorServices editorServices,
                               QWidget* parent)
    : QMainWindow(parent),
      env(environment),
      services(std::move(editorServices)),
      pens(kDefaultBackColour),
      document(env.ui, env.clipboard, *this, &env.settings),
      mouse(document, *this, *this) {
    canvas = new CanvasWidget(document, mouse, pens, *this, this);
    setCentralWidget(canvas);
    setWindowIcon(ProgramIcon());
    runTimer.setSingleShot(true);
    connect(&runTimer, &QTimer::timeout, this, [this] { ExecuteCommand(cmd::kRun); });
    BuildMenus();
    BindCommands();
    SetTitle(CGaugeDocument::TitleFor(document.gaugeName));
}

CDialwrightDlg::~CDialwrightDlg() {
    // The elements go first, while the canvas they ask to repaint still exists.
    closing = true;
    document.elements.Clear();
}

void CDialwrightDlg::SetServices(EditorServices editorServices) {
    services = std::move(editorServices);
    UpdateMenuStates();
}

void CDialwrightDlg::Start(const StartOptions& options) {
    LoadHotKeys();
    const AppSettings stored = AppSettings::Load(env.settings, env.programFolder);
    const AppSettings::WindowRect& r = stored.windowRect;
    ApplyPlacement({r.left, r.top, r.right - r.left, r.bottom - r.top, stored.StartMaximised()});
    document.modified = false;

    document.backColor = stored.backColor;
    BackgroundChanged(stored.backColor);
    document.gaugePath = stored.lastGauge;
    document.link1 = stored.link1;
    document.link2 = stored.link2;
    rememberedAliasFile = stored.aliasFile;
    ReloadAliasFile(stored.aliasFile);

    document.gaugeName = CGaugeDocument::kNewGaugeName;
    document.runAtStart = false;
    SetTitle(CGaugeDocument::TitleFor(document.gaugeName));

    const bool fileGiven = !options.file.empty();
    if (fileGiven) {
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(options.file, ec);
        document.gaugePath = ec ? options.file : absolute.lexically_normal().string();
    }
    // A gauge that can't be opened is not saved over by the next Save.
    if (!document.gaugePath.empty() && !document.LoadGauge(false)) document.gaugePath.clear();

    switch (DecideStartRun(fileGiven, options.play, document.runAtStart)) {
        case StartRun::RunAfterStart:
            runTimer.start(kStartRunDelayMs);
            break;
        case StartRun::EditorOnly:
            runTimer.stop();
            break;
        case StartRun::KeepPending:
            break;
    }

    show();
    knownSize = size();
    knownMaximised = isMaximized();
    canvas->setFocus();
    UpdateMenuStates();
    UpdateStatusLine();
    started = true;
}

EditContext CDialwrightDlg::Edit() {
    return EditContext{document, *this, env.ui,
                       [this](CElement& e) { aliases.NumbersToNames(e, LinkAliases()); },
                       [this](CElement& e) { aliases.NamesToNumbers(e, LinkAliases()); }};
}

ServerAliases CDialwrightDlg::LinkAliases() const {
    return {document.link1.alias, document.link2.alias};
}

void CDialwrightDlg::LoadHotKeys() {
    hotKeys = dw::LoadHotKeys(env.settings);
    ShowHotKeysInMenus();
}

// ---- Closing ------------------------------------------------------------------------------

void CDialwrightDlg::closeEvent(QCloseEvent* event) {
    // The save prompt: Cancel (or a save that failed) keeps the program open.
    if (running || !document.AskSaveChanges()) {
        event->ignore();
        return;
    }
    runTimer.stop();
    event->accept();
    emit Closed();
}

void CDialwrightDlg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) UpdateMenuStates();
    QMainWindow::changeEvent(event);
}

void CDialwrightDlg::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The window's size is stored with the gauge.
    const bool maximised = isMaximized();
    if (started && isVisible() &&
        (maximised != knownMaximised || (!maximised && size() != knownSize)))
        document.modified = true;
    knownSize = size();
    knownMaximised = maximised;
}

// ---- IGaugeHost ---------------------------------------------------------------------------

void CDialwrightDlg::SetTitle(const std::string& title) {
    setWindowTitle(qt::FromLatin1(title));
}

WindowPlacement CDialwrightDlg::CurrentPlacement() const {
    QRect r = isMaximized() ? normalGeometry() : geometry();
    if (!r.isValid()) r = geometry();
    return {r.x(), r.y(), r.width(), r.height(), isMaximized()};
}

void CDialwrightDlg::ApplyPlacement(const WindowPlacement& placement) {
    std::vector<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(screen->availableGeometry());
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect primaryArea = primary ? primary->availableGeometry() : QRect(0, 0, 1024, 768);
    const WindowPlacement fitted = FitToScreens(placement, screens, primaryArea);
    const QRect rect(fitted.x, fitted.y, fitted.width, fitted.height);
    if (fitted.maximized) {
        if (!isMaximized()) setGeometry(rect);
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        setGeometry(rect);
    }
    knownSize = fitted.maximized ? size() : rect.size();
    knownMaximised = fitted.maximized;
}

void CDialwrightDlg::RestorePlacement(const WindowPlacement& placement) {
    ApplyPlacement(placement);
}

void CDialwrightDlg::StartRunTimer(int milliseconds) {
    runTimer.start(milliseconds);
}

void CDialwrightDlg::Repaint() {
    canvas->update();
}

void CDialwrightDlg::UpdateStatusLine() {
    const Rect& track = mouse.TrackRect();
    const bool resizing = mouse.GetState() == CanvasMouse::State::Resizing;
    canvas->SetStatusText(
        StatusLineText(document.elements, canvas->PointerPosition(), resizing ? &track : nullptr));
}

void CDialwrightDlg::BackgroundChanged(Colour background) {
    pens.SetBackground(background);
    canvas->SetBackground(background);
}

void CDialwrightDlg::ReloadAliasFile(const std::string& path) {
    aliasFile = path;
    if (aliasFile.empty() && !rememberedAliasFile.empty())
        aliasFile = MakeRelativePath(rememberedAliasFile);
    rememberedAliasFile = aliasFile;
    document.aliasFile = aliasFile;
    aliases.Load(aliasFile);
}

void CDialwrightDlg::EditGaugeProperties() {
    RunGaugeProperties();
}

void CDialwrightDlg::RecordUndo(int code) {
    const int before = undo.LastCode();
    const bool taken = undo.Record(code, [this] { return document.SnapshotText(); });
    // Repeated records of the same code change nothing the menus show.
    if (taken || before != code) UpdateMenuStates();
}

// ---- IElementOwner ------------------------------------------------------------------------

void CDialwrightDlg::InvalidateRect(const Rect& area) {
    // Elements draw a pixel beyond their rectangle (opaque copies one wider, 2-pixel frames).
    if (!closing && canvas != nullptr) canvas->InvalidateGauge(Grow(area, kDrawMargin));
}

Point CDialwrightDlg::ClientOriginOnScreen() const {
    const QPoint origin = canvas->mapToGlobal(QPoint(0, 0));
    return {origin.x(), origin.y()};
}

}  // namespace dw
