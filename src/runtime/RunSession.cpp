// RunSession: the run's steps on the window thread, clicks, paints and the end of a run.
// The frame thread's loop is in RunSessionFrames.cpp.
#include "runtime/RunSession.h"

#include <chrono>

#include "model/GlobalSwitch.h"
#include "platform/SettingsKeys.h"
#include "runtime/CAudio.h"
#include "runtime/RunState.h"
#include "runtime/SubscriptionFromElements.h"

namespace dw {

namespace {

std::int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Stands in for a missing user: every box is dismissed, every chooser cancelled.
IInteraction& NobodyOr(IInteraction* ui) {
    return ui != nullptr ? *ui : RenderInteraction();
}

}  // namespace

RunSession::RunSession(RunConfig config, IRunHost& host)
    : config_(std::move(config)),
      host_(host),
      store_(*config_.store),
      links_(config_.link1, config_.link2),
      calls_(host),
      windowUi_(NobodyOr(config_.ui), calls_) {
    calls_.SetParkHandler([this](bool park) { ParkFrameThread(park); });
}

RunSession::~RunSession() {
    Finish();
}

int RunSession::FramePeriodFor(int fps) {
    if (fps < 1) fps = 1;
    if (fps > 40) fps = 40;
    return 1000 / fps;
}

void RunSession::Begin() {
    if (begun_) return;
    begun_ = true;
    crashGuard_.emplace(config_.crashRecordPath);
    if (!config_.plugInPath.empty()) links_.LoadPlugIn(config_.plugInPath);
    // What scripts and image loads ask during the run reaches the window thread.
    previousServices_ = CurrentRenderServices();
    previousEnvironment_ = CurrentScriptEnvironment();
    InstallRenderServices({&windowUi_, &store_});
    SetScriptEnvironment({&store_, this});
    if (MediaDevices* media = MediaDevices::Instance()) media->SetTarget(this);
    links_.PlugInStart(nullptr, config_.gaugeName);
    frameThread_ = std::thread(&RunSession::FrameLoop, this);
}

void RunSession::Initialise() {
    SetGlobalSwitch(true);
    links_.ClearValues();
    for (const MonitorVariable& line : links_.CollectVariables(LinkedVariablesOf(config_.elements)))
        host_.AddMonitorEntry(line.label, line.cell);
    links_.ResolveAliases();
    // A link that fails has written its "RunTime" code and asked for the end already.
    if (!links_.OpenLinks(this, store_, [this] { RequestEnd(EndReason::LinkFailed); })) return;

    frames_.Create(config_.frameSize);
    host_.AddMonitorEntry("Frame Rate", &measuredFps_);
    host_.SelectFirstMonitorEntry();
    std::this_thread::sleep_for(std::chrono::milliseconds(kSettleWaitMs));

    {
        std::unique_lock<std::recursive_mutex> lock = LockElements();
        std::int32_t identity = 0;
        for (CElement* e = config_.elements; e != nullptr; e = e->GetNext()) {
            ++identity;
            e->values1 = links_.Values(1).data();
            e->values2 = links_.Values(2).data();
            e->client1 = &links_.Client(1);
            e->client2 = &links_.Client(2);
            if (e->GetLinkedServer() <= 0) continue;
            SetCurrentElement(e, identity);
            try {
                e->RunProgram();
            } catch (...) {
                Fault(identity);
                break;
            }
        }
        SetCurrentElement(nullptr, 0);
    }
    std::lock_guard<std::mutex> lock(startMutex_);
    initialised_ = true;
    startChanged_.notify_all();
}

void RunSession::RequestEnd(EndReason reason) {
    {
        std::lock_guard<std::mutex> lock(startMutex_);
        if (endRequested_.exchange(true)) return;
        EndReason none = EndReason::None;
        reason_.compare_exchange_strong(none, reason);
        running_.store(false);
        SetRunning(false);
        startChanged_.notify_all();
    }
    calls_.Cancel();
    if (host_.IsWindowThread())
        host_.EndModal();
    else
        host_.PostToWindow([&host = host_] { host.EndModal(); });
}

void RunSession::Finish() {
    if (!begun_ || finished_) return;
    finished_ = true;
    StopFrameThread();
    links_.CloseLinks();
    if (MediaDevices* media = MediaDevices::Instance()) media->SetTarget(nullptr);
    // The elements go back to the editor without references to this run.
    for (CElement* e = config_.elements; e != nullptr; e = e->GetNext()) {
        e->values1 = e->values2 = nullptr;
        e->client1 = e->client2 = nullptr;
    }
    frames_.Release();
    links_.PlugInStop();
    SetScriptEnvironment(previousEnvironment_);
    InstallRenderServices(previousServices_);
    crashGuard_.reset();
}

void RunSession::StopFrameThread() {
    RequestEnd();
    if (frameThread_.joinable()) frameThread_.join();
}

void RunSession::ShowWindow(bool show) {
    if (host_.IsWindowThread())
        host_.ShowPlayerWindow(show);
    else
        host_.PostToWindow([&host = host_, show] { host.ShowPlayerWindow(show); });
}

bool RunSession::ClickableAt(Point p) {
    std::unique_lock<std::recursive_mutex> lock = LockElements();
    for (CElement* e = config_.elements; e != nullptr; e = e->GetNext())
        if (e->HitTest(p.x, p.y) && !e->GetClickProgram().empty()) return true;
    return false;
}

bool RunSession::Press(Point p) {
    std::unique_lock<std::recursive_mutex> lock = LockElements();
    bool any = false;
    for (CElement* e = config_.elements; e != nullptr; e = e->GetNext()) {
        if (!e->HitTest(p.x, p.y)) continue;
        e->mouseDown = true;
        any = true;
    }
    return any;
}

bool RunSession::Release(Point p) {
    std::unique_lock<std::recursive_mutex> lock = LockElements();
    bool any = false;
    std::int32_t identity = 0;
    for (CElement* e = config_.elements; e != nullptr; e = e->GetNext()) {
        ++identity;
        if (!e->HitTest(p.x, p.y)) continue;
        any = true;
        try {
            e->OnClick();
        } catch (...) {
            Fault(identity);
            break;
        }
    }
    for (CElement* e = config_.elements; e != nullptr; e = e->GetNext()) e->mouseDown = false;
    return any;
}

void RunSession::NotePainted() {
    const std::int64_t now = NowMs();
    if (lastPaintMs_ < 0) lastPaintMs_ = now;
    std::int64_t elapsed = now - lastPaintMs_;
    if (elapsed == 0) elapsed = 200;
    const auto sample = static_cast<std::uint32_t>(1000 / elapsed);
    const auto measured = static_cast<std::uint32_t>(measuredFps_.load());
    measuredFps_.store(static_cast<std::int32_t>((sample + measured) / 2));
    lastPaintMs_ = now;
}

void RunSession::OnMediaNotify(std::uint32_t device, int code) {
    if (code != kMediaNotifySuccessful && code != kMediaNotifyAborted) return;
    std::unique_lock<std::recursive_mutex> lock = LockElements();
    for (CElement* e = config_.elements; e != nullptr; e = e->GetNext())
        if (e->GetLinkedServer() > 0 && e->GetKind() == ElementKind::Audio)
            static_cast<CAudio*>(e)->OnPlayNotify(device);
}

void RunSession::OnMediaError(std::uint32_t device, const std::string& text) {
    {
        std::unique_lock<std::recursive_mutex> lock = LockElements();
        for (CElement* e = config_.elements; e != nullptr; e = e->GetNext()) {
            if (e->GetKind() != ElementKind::Audio) continue;
            auto* audio = static_cast<CAudio*>(e);
            std::uint32_t expected = device;
            audio->deviceId.compare_exchange_strong(expected, 0);
        }
    }
    NobodyOr(config_.ui).ShowMessage({"Media Error", text, Buttons::Ok, Icon::None, false});
}

void RunSession::Fault(std::int32_t identity) {
    store_.WriteInt(settings::kRunTime, settings::kLastError, settings::kInternalFault);
    store_.WriteInt(settings::kRunTime, settings::kLastLine, 0);
    store_.WriteInt(settings::kRunTime, settings::kElement, identity);
    // The frame loop stops at once; the window thread tells the user, then ends the run.
    EndReason none = EndReason::None;
    reason_.compare_exchange_strong(none, EndReason::Fault);
    faulted_.store(true);
    running_.store(false);
    IInteraction& ui = NobodyOr(config_.ui);
    host_.PostToWindow([this, &ui] {
        // A C++ exception carries no system code: the box shows the run-time code.
        ui.ShowMessage({"Internal DW error.",
                        "Internal error code: " + std::to_string(settings::kInternalFault) +
                            "\r\n\r\nAn internal DW error has been detected. DW must stop.",
                        Buttons::Ok, Icon::Error, false});
        RequestEnd(EndReason::Fault);
    });
}

}  // namespace dw
