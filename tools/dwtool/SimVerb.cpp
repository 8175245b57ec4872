// dwtool sim: a ZEKO server for demonstrations and tests (see sim/Scenario.h for the
// scenario format and sim/SimServer.h for what it does).
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Verb.h"
#include "sim/Scenario.h"
#include "sim/SimServer.h"

namespace {

int g_stopPipe[2] = {-1, -1};

void OnStopSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = write(g_stopPipe[1], &byte, 1);
}

bool ReadNumber(const std::string& text, double& number) {
    char* end = nullptr;
    number = std::strtod(text.c_str(), &end);
    return !text.empty() && end && *end == 0;
}

int Usage(const std::string& problem) {
    std::fprintf(stderr,
                 "dwtool sim: %s\nusage: dwtool sim [--port P] [--scenario FILE] "
                 "[--duration S] [--rate HZ] [--bind ADDRESS]\n",
                 problem.c_str());
    return 2;
}

int RunSim(const std::vector<std::string>& args) {
    dwsim::SimOptions options;
    std::string scenarioPath;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (i + 1 >= args.size()) return Usage("missing value after " + option);
        const std::string& value = args[++i];
        double number = 0;
        if (option == "--port") {
            if (!ReadNumber(value, number) || number < 0 || number > 65535 ||
                number != static_cast<int>(number))
                return Usage("--port takes 0..65535");
            options.port = static_cast<int>(number);
        } else if (option == "--duration") {
            if (!ReadNumber(value, number) || number <= 0)
                return Usage("--duration takes seconds above 0");
            options.duration = number;
        } else if (option == "--rate") {
            if (!ReadNumber(value, number) || number < 1 || number > 1000)
                return Usage("--rate takes 1..1000 values per second");
            options.rate = number;
        } else if (option == "--scenario") {
            scenarioPath = value;
        } else if (option == "--bind") {
            options.bind = value;
        } else {
            return Usage("unknown option " + option);
        }
    }
    dwsim::Scenario scenario = dwsim::Scenario::Default();
    if (!scenarioPath.empty()) {
        scenario = dwsim::Scenario();
        std::string error;
        if (!scenario.Load(scenarioPath, error)) {
            std::fprintf(stderr, "dwtool sim: %s\n", error.c_str());
            return 1;
        }
    }
    if (pipe2(g_stopPipe, O_CLOEXEC) != 0) {
        std::perror("dwtool sim: pipe");
        return 1;
    }
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);

    dwsim::SimServer server(std::move(scenario), options, stdout);
    std::string error;
    if (!server.Start(error)) {
        std::fprintf(stderr, "dwtool sim: %s\n", error.c_str());
        return 1;
    }
    return server.Run(g_stopPipe[0], STDIN_FILENO);
}

}  // namespace

DWTOOL_VERB(sim, "sim [--port P] [--scenario FILE] [--duration S]",
            "serve ZEKO variables from a scenario (a server for demos and tests)", RunSim);
