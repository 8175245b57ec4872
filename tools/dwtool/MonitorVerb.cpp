// dwtool monitor: connects to a ZEKO server with the protocol client, subscribes to the given
// variables, prints their values as they arrive and sends the --set values once.
#include <signal.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "MonitorEvents.h"
#include "Verb.h"
#include "link/ZekoClient.h"

namespace {

std::atomic<bool> g_interrupted{false};

void OnInterrupt(int) {
    g_interrupted = true;
}

bool ToInt(const std::string& text, long long low, long long high, std::int32_t& number) {
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || !end || *end != 0 || value < low || value > high) return false;
    number = static_cast<std::int32_t>(value);
    return true;
}

int Usage(const std::string& problem) {
    std::fprintf(stderr,
                 "dwtool monitor: %s\nusage: dwtool monitor HOST:PORT OFFSET... "
                 "[--set OFFSET=VALUE]... [--duration S]\n",
                 problem.c_str());
    return 2;
}

int RunMonitor(const std::vector<std::string>& args) {
    if (args.empty()) return Usage("missing HOST:PORT");
    const std::size_t colon = args[0].rfind(':');
    std::int32_t port = 0;
    if (colon == std::string::npos || colon == 0 ||
        !ToInt(args[0].substr(colon + 1), 1, 65535, port))
        return Usage("expected HOST:PORT, got " + args[0]);
    const std::string host = args[0].substr(0, colon);
    std::vector<std::int32_t> offsets;
    std::vector<std::pair<std::int32_t, std::int32_t>> sets;
    double duration = 0;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--set" || arg == "--duration") {
            if (i + 1 >= args.size()) return Usage("missing value after " + arg);
            const std::string& value = args[++i];
            if (arg == "--duration") {
                char* end = nullptr;
                duration = std::strtod(value.c_str(), &end);
                if (!end || *end != 0 || duration <= 0) return Usage("--duration takes seconds");
                continue;
            }
            const std::size_t equals = value.find('=');
            std::int32_t offset = 0, number = 0;
            if (equals == std::string::npos ||
                !ToInt(value.substr(0, equals), -2147483648LL, 2147483647LL, offset) ||
                !ToInt(value.substr(equals + 1), -2147483648LL, 2147483647LL, number))
                return Usage("--set takes OFFSET=VALUE, got " + value);
            sets.push_back({offset, number});
            continue;
        }
        std::int32_t offset = 0;
        if (!ToInt(arg, 1, dw::CZekoClient::kTableSize - 1, offset))
            return Usage("offsets are numbers 1.." +
                         std::to_string(dw::CZekoClient::kTableSize - 1) + ", got " + arg);
        offsets.push_back(offset);
    }

    // Stable addresses for the client to write; what the monitor prints comes from the
    // client's value observer, which also tells values that were never published from
    // values that happen to equal the cells' first contents.
    std::map<std::int32_t, dw::VariableCell> cells;
    std::vector<dw::SubscriptionEntry> list;
    for (std::int32_t offset : offsets)
        if (cells.emplace(offset, 0).second) list.push_back({offset, &cells[offset]});
    list.push_back({});

    signal(SIGINT, OnInterrupt);
    signal(SIGTERM, OnInterrupt);
    dwmonitor::MonitorEvents events;
    dw::CZekoClient client;
    client.SetNotifyWindow(&events, 1025);
    client.SetValueObserver(
        [&events](std::int32_t offset, std::int32_t value) { events.OnValue(offset, value); });
    client.Open(host, list.data(), port);
    if (!client.IsConnected()) {
        std::fprintf(stderr, "dwtool monitor: cannot connect to %s (see zekoclient.log)\n",
                     args[0].c_str());
        return 1;
    }
    std::printf("connected to %s\n", args[0].c_str());
    std::fflush(stdout);
    for (const auto& [offset, value] : sets) client.SetValue(offset, value);
    if (client.Flush()) {
        for (const auto& [offset, value] : sets) std::printf("sent %d=%d\n", offset, value);
        std::fflush(stdout);
    }

    std::map<std::int32_t, std::int32_t> shown;
    const auto start = std::chrono::steady_clock::now();
    for (bool running = true; running && !g_interrupted;) {
        if (duration > 0 &&
            std::chrono::steady_clock::now() - start >= std::chrono::duration<double>(duration))
            break;
        const dwmonitor::MonitorBatch batch = events.Take(std::chrono::milliseconds(100));
        for (const auto& [offset, value] : batch.values) {
            const auto previous = shown.find(offset);
            if (previous != shown.end() && previous->second == value) continue;
            shown[offset] = value;
            std::printf("%d = %d\n", offset, value);
        }
        if (batch.resubscribes == 1) std::printf("server asked for the subscription again\n");
        if (batch.resubscribes > 1)
            std::printf("server asked for the subscription again (%lld times)\n",
                        batch.resubscribes);
        if (batch.farewell) std::printf("server said farewell\n");
        if (batch.ended && !batch.farewell) std::printf("connection ended\n");
        running = !batch.farewell && !batch.ended;
        std::fflush(stdout);
    }
    client.SetNotifyWindow(nullptr, 0);
    client.Close();
    return 0;
}

}  // namespace

DWTOOL_VERB(monitor, "monitor HOST:PORT OFFSET... [--set OFFSET=VALUE]...",
            "print ZEKO variables as a server publishes them; send values once", RunMonitor);
