// The player under load: a 500-element gauge at 40 frames per second, every element linked
// to its own variable, the server publishing every variable 40 times a second. The run is
// the player's own (RunSession without a window, frames copied to a screen-sized image on
// the window thread as a paint would).
// Each runs on two gauges (argument 0: mixed elements redrawn on every change; 1: lamps only).
//  - CpuAgainstSim: `dwtool sim` (a separate process) publishes a sine on every variable;
//    the figure is the player process's CPU time over 8 s of steady running, as a percentage
//    of one core (cpu_percent), with frames per second drawn.
//  - SendToFrame: a forked server publishes the send time (the shared monotonic clock) as
//    every variable's value; each new value a probe element sees gives the time from the
//    server's send to the publication of the frame drawn with it (p50/p99/max in ms), with
//    the mean time from one frame to the next (frame_interval_ms).
// dwtool is taken from $DWTOOL, else from ../bin/dwtool beside this program.
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "files/Paths.h"
#include "model/ElementList.h"
#include "platform/SettingsStore.h"
#include "render/CGraph.h"
#include "render/CPrimitive.h"
#include "render/CText.h"
#include "runtime/HeadlessPlayer.h"
#include "script/ScriptEngine.h"

namespace {

using namespace dw;

constexpr int kElements = 500;
constexpr int kColumns = 25;
constexpr int kCellW = 40;
constexpr int kCellH = 38;

// Monotonic time in tenths of a millisecond, kept within 31 bits (shared by both processes).
std::int32_t NowTicks() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    const std::int64_t ticks = t.tv_sec * 10000LL + t.tv_nsec / 100000;
    return static_cast<std::int32_t>(ticks & 0x7FFFFFFF);
}

double TicksToMs(std::int32_t ticks) {
    return ticks / 10.0;
}

class NoSettings : public ISettingsStore {
public:
    std::int32_t ReadInt(const std::string&, const std::string&, std::int32_t v) const override {
        return v;
    }
    std::string ReadString(const std::string&, const std::string&,
                           const std::string& v) const override {
        return v;
    }
    void WriteInt(const std::string&, const std::string&, std::int32_t) override {}
    void WriteString(const std::string&, const std::string&, const std::string&) override {}
};

// A needle that also remembers the value of variable 1 as its last run saw it.
class Probe : public CPrimitive {
public:
    Probe(const Rect& r) : CPrimitive(nullptr, r) {}
    bool RunProgram() override {
        const bool ok = CPrimitive::RunProgram();
        seen.store(values1 ? values1[1].load() : 0);
        return ok;
    }
    std::atomic<std::int32_t> seen{0};
};

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// 500 elements in a 25 x 20 grid. Mixed: needles, turning pictures, printed numbers and
// lamps, each redrawn whenever its value changes. Lamps only: every element a lamp that
// changes colour when its value crosses the middle (the player's own work, little drawing).
ElementList BuildGauge(const std::string& folder, Probe** probe, bool lampsOnly) {
    QImage needle(30, 6, QImage::Format_RGB32);
    needle.fill(Qt::white);
    needle.save(QString::fromStdString(folder + "/needle.png"));
    ElementList list;
    for (int i = 0; i < kElements; ++i) {
        const int x = (i % kColumns) * kCellW;
        const int y = (i / kColumns) * kCellH;
        const Rect r{x, y, x + kCellW - 2, y + kCellH - 2};
        const std::string link = "link offset " + std::to_string(i + 1) + " server 1";
        std::unique_ptr<CElement> e;
        switch (lampsOnly && i > 0 ? 4 : i % 5) {
            case 0:
            case 1: {
                auto shape =
                    i == 0 ? std::make_unique<Probe>(r) : std::make_unique<CPrimitive>(nullptr, r);
                if (i == 0) *probe = static_cast<Probe*>(shape.get());
                shape->SetSubtype("Radius");
                shape->ang1 = 0.1f;
                shape->ang2 = 0.9f;
                shape->borderWidth = 2;
                shape->transparent = true;
                shape->mainProgram = Lines({link, "data = value", "data *= 3.6", "setpos data"});
                e = std::move(shape);
                break;
            }
            case 2: {
                auto image = std::make_unique<CGraph>(nullptr, r);
                image->file = "needle.png";
                image->Rebuild();
                image->mainProgram = Lines({link, "data = value", "data *= 3.6", "rotate"});
                e = std::move(image);
                break;
            }
            case 3: {
                auto text = std::make_unique<CText>(nullptr, r);
                text->mainProgram = Lines({link, "print %05.1f value"});
                e = std::move(text);
                break;
            }
            default: {
                auto lamp = std::make_unique<CPrimitive>(nullptr, r);
                lamp->mainProgram = Lines(
                    {link, "if value > 50", "setcolor 255", "else", "setcolor 65280", "endif"});
                e = std::move(lamp);
            }
        }
        list.Append(std::move(e));
    }
    return list;
}

std::string DwtoolPath() {
    if (const char* path = std::getenv("DWTOOL")) return path;
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "bin" /
            "dwtool")
        .string();
}

// A child process with its stdout on a pipe; killed at the end.
struct Child {
    pid_t pid = -1;
    ~Child() {
        if (pid > 0) kill(pid, SIGTERM), waitpid(pid, nullptr, 0);
    }
};

// Starts `dwtool sim`; returns its port (0 when it did not start).
int StartSim(Child& child, const std::string& scenario) {
    int out[2];
    if (pipe(out) != 0) return 0;
    const std::string tool = DwtoolPath();
    if ((child.pid = fork()) == 0) {
        dup2(out[1], 1);
        close(out[0]);
        execl(tool.c_str(), tool.c_str(), "sim", "--port", "0", "--scenario", scenario.c_str(),
              "--duration", "60", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[256];
    const std::string mark = "listening on 127.0.0.1:";
    for (ssize_t got; text.find('\n', text.find(mark)) == std::string::npos &&
                      (got = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    // The sim goes on printing what its clients send: keep reading it away.
    if (fork() == 0) {
        while (read(out[0], buffer, sizeof buffer) > 0) {
        }
        _exit(0);
    }
    close(out[0]);
    const std::size_t at = text.find(mark);
    return at == std::string::npos ? 0 : std::atoi(text.c_str() + at + mark.size());
}

// Starts a server that publishes the send time as the value of every subscribed variable,
// 40 times a second; returns its port.
int StartClockServer(Child& child) {
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(listener, reinterpret_cast<sockaddr*>(&address), length);
    listen(listener, 1);
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    if ((child.pid = fork()) == 0) {
        const int client = accept(listener, nullptr, nullptr);
        std::string line;
        char c;
        while (recv(client, &c, 1, 0) == 1 && c != '\n') line += c;
        std::vector<int> numbers;
        for (std::size_t at = line.find(':'); at != std::string::npos; at = line.find(':', at + 1))
            if (const int n = std::atoi(line.c_str() + at + 1); n > 0) numbers.push_back(n);
        fcntl(client, F_SETFL, O_NONBLOCK);
        auto next = std::chrono::steady_clock::now();
        for (;;) {
            next += std::chrono::milliseconds(25);
            std::this_thread::sleep_until(next);
            char drain[4096];
            if (recv(client, drain, sizeof drain, 0) == 0) _exit(0);
            const std::string stamp = std::to_string(NowTicks());
            std::string out = "Arn.Resp:";
            for (int n : numbers) out += std::to_string(n) + "=" + stamp + ":";
            out += "\r\n";
            if (send(client, out.data(), out.size(), MSG_NOSIGNAL) < 0 && errno != EAGAIN) _exit(0);
        }
    }
    close(listener);
    return ntohs(address.sin_port);
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct RunFigures {
    double cpuPercent = 0;
    double framesPerSecond = 0;
    std::vector<double> latencies;  // ms
    double frameIntervalMs = 0;
};

// Plays the gauge against the server at `port` for 2 s of warm-up and 8 s measured.
RunFigures Play(int port, bool latency, bool lampsOnly) {
    RunFigures figures;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("dw-bench-player-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    SetWorkingFolder(folder.string());
    Probe* probe = nullptr;
    ElementList gauge = BuildGauge(folder.string(), &probe, lampsOnly);
    NoSettings settings;
    RunConfig config;
    config.elements = gauge.Head();
    config.link1 = {"FlightSimulator", "127.0.0.1", port};
    config.link2 = {"MORV", "0.0.0.0", 8092};
    config.fps = 40;
    config.frameSize = QSize(1024, 768);
    config.store = &settings;
    HeadlessPlayer player(config, {});

    // The window thread paints every frame with one copy onto a screen-sized image.
    QImage screen(1024, 768, QImage::Format_RGB32);
    std::atomic<bool> paintPosted{false};
    std::atomic<bool> measuring{false};
    std::mutex mutex;
    std::int32_t lastSeen = 0;
    std::vector<double> stamps;
    player.SetFrameObserver([&](std::uint64_t) {
        const std::int32_t now = NowTicks();
        if (measuring.load()) {
            std::lock_guard<std::mutex> lock(mutex);
            stamps.push_back(TicksToMs(now));
            const std::int32_t seen = probe->seen.load();
            if (latency && seen != lastSeen && seen != 0)
                figures.latencies.push_back(TicksToMs((now - seen) & 0x7FFFFFFF));
            lastSeen = seen;
        }
        if (paintPosted.exchange(true)) return;
        QMetaObject::invokeMethod(
            &player,
            [&] {
                paintPosted.store(false);
                QPainter painter(&screen);
                player.Session().Frames().WithShown(
                    [&](const QImage& frame, std::uint64_t) { painter.drawImage(0, 0, frame); });
            },
            Qt::QueuedConnection);
    });
    double cpu0 = 0, wall0 = 0;
    std::uint64_t frames0 = 0;
    QTimer::singleShot(2000, &player, [&] {
        cpu0 = CpuSeconds();
        wall0 = NowTicks() / 10000.0;
        frames0 = player.Frames();
        measuring.store(true);
    });
    QTimer::singleShot(10000, &player, [&] {
        measuring.store(false);
        const double wall = NowTicks() / 10000.0 - wall0;
        figures.cpuPercent = 100.0 * (CpuSeconds() - cpu0) / wall;
        figures.framesPerSecond = (player.Frames() - frames0) / wall;
        player.Stop();
    });
    player.Run(nullptr);
    ResetWorkingFolder();
    std::filesystem::remove_all(folder);
    std::lock_guard<std::mutex> lock(mutex);
    if (stamps.size() > 1)
        figures.frameIntervalMs = (stamps.back() - stamps.front()) / (stamps.size() - 1);
    return figures;
}

double Percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(p * values.size()))];
}

void CpuAgainstSim(benchmark::State& state) {
    const std::string scenario =
        (std::filesystem::temp_directory_path() / "dw-bench-player.txt").string();
    std::ofstream(scenario) << "rate 40\n* sine 50 50 4\n";
    for (auto _ : state) {
        Child sim;
        const int port = StartSim(sim, scenario);
        if (port == 0) {
            state.SkipWithError("dwtool sim did not start (set DWTOOL)");
            return;
        }
        const RunFigures figures = Play(port, false, state.range(0) == 1);
        state.counters["cpu_percent"] = figures.cpuPercent;
        state.counters["frames_per_s"] = figures.framesPerSecond;
        state.counters["frame_interval_ms"] = figures.frameIntervalMs;
    }
}

void SendToFrame(benchmark::State& state) {
    for (auto _ : state) {
        Child server;
        const RunFigures figures = Play(StartClockServer(server), true, state.range(0) == 1);
        state.counters["p50_ms"] = Percentile(figures.latencies, 0.50);
        state.counters["p99_ms"] = Percentile(figures.latencies, 0.99);
        state.counters["max_ms"] = Percentile(figures.latencies, 1.0);
        state.counters["samples"] = static_cast<double>(figures.latencies.size());
        state.counters["frame_interval_ms"] = figures.frameIntervalMs;
        state.counters["cpu_percent"] = figures.cpuPercent;
    }
}

// Argument 0: the mixed gauge; 1: lamps only.
BENCHMARK(CpuAgainstSim)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(SendToFrame)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    InstallScriptEngine();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
