#pragma once
// The ZEKO server of `dwtool sim`: accepts several clients on one port, records each
// client's subscription, publishes the subscribed variables that the scenario defines at
// the scenario's rate (changed values only, all of them after a (re)subscription), holds
// values that clients send, prints every line clients send, and ends with "Arn.Fin:" to
// every client. Only variable numbers 0..2998 are subscribed and held; others are ignored.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Scenario.h"

namespace dwsim {

struct SimOptions {
    std::string bind = "127.0.0.1";
    int port = 8090;      // 0 picks a free port
    double duration = 0;  // seconds; 0 runs until stopped
    double rate = 0;      // values per second; 0 takes the scenario's rate
};

class SimServer {
public:
    static constexpr int kMaxClients = 64;
    static constexpr std::size_t kMaxLineBytes = 16000;       // keeps lines below 16384 bytes
    static constexpr std::size_t kMaxPendingBytes = 1 << 20;  // per slow client
    static constexpr std::size_t kMaxClientLine = 65536;      // longer client lines are dropped

    SimServer(Scenario scenario, SimOptions options, std::FILE* out);
    ~SimServer();

    // Binds and listens; prints "dwtool sim: listening on ADDRESS:PORT".
    bool Start(std::string& error);
    int Port() const { return port_; }
    // Serves until `stopFd` becomes readable, the duration ends, a "fin" event or command
    // comes, or stdin says "fin"/"quit". Commands read from `commandFd` (-1 for none), one a
    // line: "resubscribe", "fin", "set VAR VALUE". Returns the exit code.
    int Run(int stopFd, int commandFd);

private:
    struct Client {
        int id = 0;
        int fd = -1;
        std::string in;
        std::string out;
        bool subscribed = false;
        std::vector<std::int32_t> variables;
        std::map<std::int32_t, std::int32_t> lastSent;
        bool gone = false;
        bool discarding = false;  // inside an over-long line
    };

    double Seconds() const;
    void AcceptClients();
    void ReadFrom(Client& client);
    void HandleLine(Client& client, const std::string& line);
    void Publish(double seconds);
    void RunEvents(double seconds);
    void HandleCommand(const std::string& command);
    void SendToAll(const std::string& line, const char* what);
    void WriteOut(Client& client);
    void DropGoneClients();
    void SayFarewell();
    void Print(const std::string& text);

    Scenario scenario_;
    SimOptions options_;
    std::FILE* out_;
    int listener_ = -1;
    int port_ = 0;
    int nextId_ = 1;
    std::vector<std::unique_ptr<Client>> clients_;
    std::map<std::int32_t, std::int32_t> held_;  // values set by clients and events (0..2998)
    std::size_t nextEvent_ = 0;
    bool stopping_ = false;
    std::string commandBuffer_;
    std::chrono::steady_clock::time_point start_;
};

}  // namespace dwsim
