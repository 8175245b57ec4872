// Speed of the ZEKO client on loopback:
//  - ValuesStored: a server floods one client with "Arn.Resp:" lines of many pairs; the
//    figure is values stored into cells per second (items_per_second).
//  - SendToCell: the time from the server's send of one value to the cell holding it;
//    p50/p99/max are reported as counters (microseconds).
//  - CloseWithQueueFull: the time Close takes while a hostile server has filled the line
//    queue with resubscription requests (each would pause the dispatcher for 500 ms) and
//    keeps sending; max is reported as a counter (milliseconds).
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "link/ZekoClient.h"

namespace {

constexpr int kPairsPerLine = 400;
constexpr int kLinesPerBlock = 50;
constexpr int kSequenceVariable = 1000;

// One connected client and the server side of its socket.
class Connection {
public:
    Connection() {
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(listener_, 1);
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        for (int i = 1; i <= kPairsPerLine; ++i) list_.push_back({i, &cells_[i]});
        list_.push_back({kSequenceVariable, &cells_[kSequenceVariable]});
        list_.push_back({});
        client_.Open("127.0.0.1", list_.data(), ntohs(address.sin_port));
        server_ = accept(listener_, nullptr, nullptr);
        const int noDelay = 1;
        setsockopt(server_, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
    }
    ~Connection() {
        client_.Close();
        close(server_);
        close(listener_);
    }
    bool Ok() const { return client_.IsConnected() && server_ >= 0; }
    bool Send(const std::string& bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t sent = send(server_, bytes.data() + done, bytes.size() - done, 0);
            if (sent <= 0) return false;
            done += static_cast<std::size_t>(sent);
        }
        return true;
    }
    std::int32_t Sequence() { return dw::LoadCell(cells_[kSequenceVariable]); }
    dw::CZekoClient& Client() { return client_; }

private:
    int listener_ = -1;
    int server_ = -1;
    dw::VariableCell cells_[kSequenceVariable + 1] = {};
    std::vector<dw::SubscriptionEntry> list_;
    dw::CZekoClient client_;
};

// Spins (yielding) until the sequence cell shows `value`; false after a second.
bool AwaitSequence(Connection& connection, std::int32_t value) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (connection.Sequence() != value) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::yield();
    }
    return true;
}

void ValuesStored(benchmark::State& state) {
    Connection connection;
    if (!connection.Ok()) {
        state.SkipWithError("no connection");
        return;
    }
    std::string block;
    for (int line = 0; line < kLinesPerBlock; ++line) {
        block += "Arn.Resp:";
        for (int i = 1; i <= kPairsPerLine; ++i)
            block += std::to_string(i) + "=" + std::to_string(line * 100000 + i) + ":";
        block += "\r\n";
    }
    std::int32_t sequence = 0;
    for (auto _ : state) {
        ++sequence;
        if (!connection.Send(block + "Arn.Resp:" + std::to_string(kSequenceVariable) + "=" +
                             std::to_string(sequence) + ":\r\n") ||
            !AwaitSequence(connection, sequence)) {
            state.SkipWithError("values did not arrive");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * (kLinesPerBlock * kPairsPerLine + 1));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(block.size()));
}
BENCHMARK(ValuesStored)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

void SendToCell(benchmark::State& state) {
    Connection connection;
    if (!connection.Ok()) {
        state.SkipWithError("no connection");
        return;
    }
    std::vector<double> micros;
    std::int32_t sequence = 0;
    for (auto _ : state) {
        ++sequence;
        const std::string line = "Arn.Resp:" + std::to_string(kSequenceVariable) + "=" +
                                 std::to_string(sequence) + ":\r\n";
        const auto start = std::chrono::steady_clock::now();
        if (!connection.Send(line) || !AwaitSequence(connection, sequence)) {
            state.SkipWithError("value did not arrive");
            return;
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        micros.push_back(elapsed.count() * 1e6);
    }
    std::sort(micros.begin(), micros.end());
    auto at = [&](double fraction) {
        return micros[std::min(micros.size() - 1,
                               static_cast<std::size_t>(fraction * micros.size()))];
    };
    state.counters["p50_us"] = at(0.50);
    state.counters["p99_us"] = at(0.99);
    state.counters["max_us"] = micros.back();
}
BENCHMARK(SendToCell)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(5000);

void CloseWithQueueFull(benchmark::State& state) {
    std::string resets;
    for (int i = 0; i < 3000; ++i) resets += "Arn.Reset:\r\n";
    double slowest = 0;
    for (auto _ : state) {
        Connection connection;
        // More than the queue holds: the receiver waits for a free slot when Close comes.
        if (!connection.Ok() || !connection.Send(resets)) {
            state.SkipWithError("no connection");
            return;
        }
        const auto start = std::chrono::steady_clock::now();
        connection.Client().Close();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        slowest = std::max(slowest, elapsed.count() * 1e3);
    }
    state.counters["max_ms"] = slowest;
}
BENCHMARK(CloseWithQueueFull)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace

BENCHMARK_MAIN();
