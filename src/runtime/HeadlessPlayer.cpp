#include "runtime/HeadlessPlayer.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace dw {

HeadlessPlayer::HeadlessPlayer(RunConfig config, Limits limits)
    : session_(std::move(config), *this), limits_(limits) {}

HeadlessPlayer::~HeadlessPlayer() {
    session_.Finish();
}

void HeadlessPlayer::Run(IElementOwner* editorOwner) {
    CElement* elements = session_.Config().elements;
    if (elements == nullptr) return;
    elements->SetRunMode(this, true);
    QEventLoop loop;
    loop_ = &loop;
    session_.Begin();
    session_.Initialise();
    if (limits_.milliseconds > 0)
        QTimer::singleShot(limits_.milliseconds, this, [this] { Stop(); });
    if (!endModal_) loop.exec();
    session_.StopFrameThread();
    if (lastFrame_.isNull() && session_.FramesDrawn() > 0)
        lastFrame_ = session_.Frames().CopyShown();
    session_.Finish();
    loop_ = nullptr;
    elements->SetRunMode(editorOwner, false);
}

QImage HeadlessPlayer::LastFrame() const {
    return lastFrame_;
}

void HeadlessPlayer::PostToWindow(std::function<void()> task) {
    QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
}

bool HeadlessPlayer::IsWindowThread() const {
    return QThread::currentThread() == thread();
}

void HeadlessPlayer::FrameReady() {
    // Without a window the frame thread is the one that "shows" the frames.
    session_.NotePainted();
    const std::uint64_t count = frames_.fetch_add(1) + 1;
    if (count == limits_.frames) lastFrame_ = session_.Frames().CopyShown();
    if (frameObserver_) frameObserver_(count);
    if (limits_.frames > 0 && count >= limits_.frames) Stop();
}

void HeadlessPlayer::EndModal() {
    endModal_ = true;
    if (loop_ != nullptr) loop_->quit();
}

}  // namespace dw
