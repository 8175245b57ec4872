#include "PlayerTestSupport.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <stdexcept>

#include "files/Paths.h"
#include "platform/SettingsKeys.h"
#include "render/CGraph.h"
#include "render/CPrimitive.h"
#include "script/ScriptEngine.h"

namespace playertest {

using namespace dw;

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return text;
}

ThrowingElement::ThrowingElement(const Rect& r) : CElement(nullptr, ElementKind::Primitive) {
    rect = r;
    width = r.Width();
    height = r.Height();
}

void ThrowingElement::Draw(QPainter&) {
    if (IsRunMode()) throw std::runtime_error("drawing failed");
}

CElement* Gauge::Add(std::unique_ptr<CElement> element) {
    return list.Append(std::move(element));
}

CElement* Gauge::Shape(Rect rect, const std::string& program) {
    auto shape = std::make_unique<CPrimitive>(nullptr, rect);
    shape->mainProgram = program;
    return Add(std::move(shape));
}

CElement* Gauge::Image(Rect rect, const std::string& program, const std::string& click) {
    auto image = std::make_unique<CGraph>(nullptr, rect);
    image->mainProgram = program;
    image->clickProgram = click;
    return Add(std::move(image));
}

int ClosedPort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
    socklen_t length = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), length);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

void PlayerTest::SetUp() {
    InstallScriptEngine();
    SetWorkingFolder(folder.Path().string());
    for (const char* key : {settings::kLastError, settings::kLastLine, settings::kElement})
        store.SeedInt(settings::kRunTime, key, 0);
}

void PlayerTest::TearDown() {
    ResetWorkingFolder();
}

PlayerRequest PlayerTest::Request(CElement* head) {
    PlayerRequest request;
    request.elements = head;
    request.editorOwner = &editor;
    request.link1 = {"FlightSimulator", "127.0.0.1", server.Port()};
    request.link2 = {"MORV", "0.0.0.0", 8092};
    request.fps = 40;
    request.backColor = 0x000000;
    request.clientOnScreen = Rect{10, 10, 330, 250};
    request.gaugeName = "test";
    request.store = &store;
    request.ui = &ui;
    return request;
}

namespace {

// Calls step on a timer while a player window shows; ends a run that overstays `limit`.
class Stepper {
public:
    Stepper(std::function<bool(CPlayerDlg&)> step, Ms limit) : step_(std::move(step)) {
        clock_.start();
        QObject::connect(&timer_, &QTimer::timeout, [this, limit] {
            CPlayerDlg* player = nullptr;
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* found = qobject_cast<CPlayerDlg*>(widget); found && found->isVisible())
                    player = found;
            if (player == nullptr) return;
            if (clock_.elapsed() > limit.count()) {
                ADD_FAILURE() << "the run did not reach its end in time";
                timer_.stop();
                player->Session().RequestEnd();
                return;
            }
            if (!done_ && step_(*player)) done_ = true;
        });
        timer_.start(5);
    }

private:
    std::function<bool(CPlayerDlg&)> step_;
    QTimer timer_;
    QElapsedTimer clock_;
    bool done_ = false;
};

}  // namespace

void PlayerTest::Play(const PlayerRequest& request, std::function<bool(CPlayerDlg&)> step,
                      Ms limit) {
    Stepper stepper(std::move(step), limit);
    RunPlayer(request);
}

void PlayerTest::PlayWindow(CPlayerDlg& player, std::function<bool(CPlayerDlg&)> step, Ms limit) {
    Stepper stepper(std::move(step), limit);
    CElement* head = player.Session().Config().elements;
    head->SetRunMode(&player, true);
    player.RunModal("test");
    head->SetRunMode(&editor, false);
}

int PlayerTest::RunTime(const char* key) const {
    return store.ReadInt(settings::kRunTime, key, -12345);
}

}  // namespace playertest
