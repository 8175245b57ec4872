#pragma once
// CPlayerDlg: the player window. A frameless window that stays on top, laid exactly over
// the editor's client area, shows the run's frames one gauge pixel on one device pixel,
// turns clicks into the elements' click programs, toggles the monitor with F9 and ends the
// run on Escape (or Enter, or a close request). The run itself, links, frame thread and
// reports, is its RunSession.
#include <QEventLoop>
#include <QWidget>
#include <atomic>
#include <memory>

#include "model/ElementOwner.h"
#include "runtime/CZEKOConsoleDlg.h"
#include "runtime/PlayerRun.h"
#include "runtime/RunHost.h"
#include "runtime/RunSession.h"

namespace dw {

class CPlayerDlg : public QWidget, public IRunHost, public IElementOwner {
    Q_OBJECT
public:
    explicit CPlayerDlg(const PlayerRequest& request);
    ~CPlayerDlg() override;

    // The whole run: starts the session, shows the window (OnInitDialog), serves events
    // until the run ends, then finishes the session. Returns the dialog result (0, cancel).
    int RunModal(const std::string& gaugeName);

    RunSession& Session() { return session_; }
    CZEKOConsoleDlg& Monitor() { return *monitor_; }
    // Gauge pixel (device pixel of the client area) under a point of the window.
    Point ToGauge(QPointF logical) const;
    // The frame's size for a client area of `logical` size at a device pixel ratio.
    static QSize FrameSizeFor(QSize logical, qreal ratio);

    // ---- IRunHost ------------------------------------------------------------------------
    void PostToWindow(std::function<void()> task) override;
    bool IsWindowThread() const override;
    void FrameReady() override;
    void ShowPlayerWindow(bool show) override { setVisible(show); }
    void EndModal() override;
    void AddMonitorEntry(const std::string& label, const VariableCell* cell) override;
    void SelectFirstMonitorEntry() override { monitor_->SelectFirstEntry(); }

    // ---- IElementOwner ---------------------------------------------------------------------
    // The player redraws the whole gauge every frame: nothing to invalidate.
    void InvalidateRect(const Rect&) override {}
    Point ClientOriginOnScreen() const override;

protected:
    // Places the window, sizes the frame and initialises the run.
    void OnInitDialog();
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    PlayerRequest request_;
    RunSession session_;
    CZEKOConsoleDlg* monitor_;  // a child object: destroyed with the window
    QEventLoop loop_;
    bool endModal_ = false;
    std::atomic<bool> repaintPosted_{false};
};

}  // namespace dw
