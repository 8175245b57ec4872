#include "PlayerTestSupport.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

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

void StepWhile(const std::function<void()>& run, const std::function<bool()>& step,
               const std::function<void()>& end, Ms limit) {
    QTimer timer;
    QElapsedTimer clock;
    clock.start();
    bool done = false;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (clock.elapsed() > limit.count()) {
            ADD_FAILURE() << "the run did not reach its end in time";
            timer.stop();
            end();
        } else if (!done) {
            done = step();
        }
    });
    timer.start(5);
    run();
}

void PlayerTest::Play(CPlayerDlg& player, std::function<bool(CPlayerDlg&)> step, Ms limit) {
    CElement* head = player.Session().Config().elements;
    head->SetRunMode(&player, true);
    StepWhile([&] { player.RunModal("test"); }, [&] { return player.isVisible() && step(player); },
              [&] { player.Session().RequestEnd(); }, limit);
    head->SetRunMode(&editor, false);
}

int PlayerTest::RunTime(const char* key) const {
    return store.ReadInt(settings::kRunTime, key, -12345);
}

}  // namespace playertest
