#include "runtime/CPlayerDlg.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QThread>
#include <cmath>

#include "link/UZekoPnp.h"
#include "model/ColourConvert.h"
#include "runtime/CrashGuard.h"

namespace dw {

namespace {

ServerLinkSettings ToLink(const GaugeLink& link) {
    return {link.alias, link.ip, link.port};
}

RunConfig ConfigOf(const PlayerRequest& request) {
    RunConfig config;
    config.elements = request.elements;
    config.link1 = ToLink(request.link1);
    config.link2 = ToLink(request.link2);
    config.fps = request.fps;
    config.backColor = request.backColor;
    config.frameSize = QSize(request.clientOnScreen.Width(), request.clientOnScreen.Height());
    config.gaugeName = request.gaugeName;
    config.store = request.store;
    config.ui = request.ui;
    config.plugInPath = DefaultPlugInPath();
    config.crashRecordPath = CrashRecordPathFor(request.store);
    return config;
}

}  // namespace

CPlayerDlg::CPlayerDlg(const PlayerRequest& request)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      request_(request),
      session_(ConfigOf(request), *this),
      monitor_(new CZEKOConsoleDlg(this)) {
    setWindowTitle(QString::fromStdString(request.gaugeName));
    setWindowModality(Qt::ApplicationModal);
    // The frame covers every pixel: no background is erased before a paint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::ArrowCursor);
}

CPlayerDlg::~CPlayerDlg() {
    session_.Finish();
}

int CPlayerDlg::RunModal(const std::string& gaugeName) {
    session_.Begin();
    try {
        OnInitDialog();
        if (!endModal_) loop_.exec(QEventLoop::DialogExec);
    } catch (...) {
        // An exception that escapes the window ends the run as if it had closed.
    }
    monitor_->hide();
    hide();
    session_.Finish();
    return 0;
}

void CPlayerDlg::OnInitDialog() {
    const Rect& area = request_.clientOnScreen;
    setGeometry(area.left, area.top, std::max(1, area.Width()), std::max(1, area.Height()));
    show();
    raise();
    activateWindow();
    setFocus();
    session_.SetFrameSize(FrameSizeFor(size(), devicePixelRatioF()));
    session_.Initialise();
}

QSize CPlayerDlg::FrameSizeFor(QSize logical, qreal ratio) {
    return QSize(static_cast<int>(std::ceil(logical.width() * ratio - 1e-9)),
                 static_cast<int>(std::ceil(logical.height() * ratio - 1e-9)));
}

Point CPlayerDlg::ToGauge(QPointF logical) const {
    const qreal ratio = devicePixelRatioF();
    return {static_cast<int>(std::floor(logical.x() * ratio)),
            static_cast<int>(std::floor(logical.y() * ratio))};
}

void CPlayerDlg::PostToWindow(std::function<void()> task) {
    QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
}

bool CPlayerDlg::IsWindowThread() const {
    return QThread::currentThread() == thread();
}

void CPlayerDlg::FrameReady() {
    // One paint request at a time: a slow window thread is not flooded with them.
    if (repaintPosted_.exchange(true)) return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            repaintPosted_.store(false);
            update();
        },
        Qt::QueuedConnection);
}

void CPlayerDlg::EndModal() {
    endModal_ = true;
    loop_.quit();
}

void CPlayerDlg::AddMonitorEntry(const std::string& label, const VariableCell* cell) {
    monitor_->AddEntry(QString::fromStdString(label), cell);
}

Point CPlayerDlg::ClientOriginOnScreen() const {
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    return {origin.x(), origin.y()};
}

void CPlayerDlg::paintEvent(QPaintEvent*) {
    session_.NotePainted();
    QPainter painter(this);
    session_.Frames().WithShown([&](const QImage& frame, std::uint64_t) {
        if (frame.isNull()) {
            painter.fillRect(rect(), ToQColor(request_.backColor));
            return;
        }
        // Device pixels onto device pixels: the frame is the client area's device size.
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(frame.size()) / devicePixelRatioF()), frame);
    });
}

void CPlayerDlg::mouseMoveEvent(QMouseEvent* event) {
    const bool hand = session_.ClickableAt(ToGauge(event->position()));
    setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void CPlayerDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    setCursor(Qt::ArrowCursor);
    if (session_.Press(ToGauge(event->position()))) setCursor(Qt::PointingHandCursor);
}

void CPlayerDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    setCursor(Qt::ArrowCursor);
    if (session_.Release(ToGauge(event->position()))) setCursor(Qt::PointingHandCursor);
}

void CPlayerDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            session_.RequestEnd();
            return;
        case Qt::Key_F9:
            if (monitor_->EntryCount() > 0) monitor_->setVisible(!monitor_->isVisible());
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void CPlayerDlg::closeEvent(QCloseEvent* event) {
    // The window stays until the run has finished; the request ends the run.
    event->ignore();
    session_.RequestEnd();
}

}  // namespace dw
