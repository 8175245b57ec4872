#include "SimServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <sstream>

#include "ClientLine.h"

namespace dwsim {
namespace {

bool IsVariable(std::int32_t number) {
    return number >= 0 && number <= Scenario::kMaxVariable;
}

}  // namespace

SimServer::SimServer(Scenario scenario, SimOptions options, std::FILE* out)
    : scenario_(std::move(scenario)), options_(std::move(options)), out_(out) {
    if (options_.rate <= 0) options_.rate = scenario_.rate;
}

SimServer::~SimServer() {
    for (auto& client : clients_) close(client->fd);
    if (listener_ >= 0) close(listener_);
}

void SimServer::Print(const std::string& text) {
    std::fprintf(out_, "%s\n", text.c_str());
    std::fflush(out_);
}

bool SimServer::Start(std::string& error) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(options_.port));
    if (inet_pton(AF_INET, options_.bind.c_str(), &address.sin_addr) != 1) {
        error = "not a dotted IPv4 address: " + options_.bind;
        return false;
    }
    listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const int reuse = 1;
    setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    socklen_t length = sizeof address;
    if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) ||
        listen(listener_, 16) ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length)) {
        error = "cannot listen on " + options_.bind + ":" + std::to_string(options_.port) + ": " +
                std::strerror(errno);
        return false;
    }
    port_ = ntohs(address.sin_port);
    Print("dwtool sim: listening on " + options_.bind + ":" + std::to_string(port_));
    return true;
}

double SimServer::Seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

int SimServer::Run(int stopFd, int commandFd) {
    start_ = std::chrono::steady_clock::now();
    const double period = 1.0 / options_.rate;
    double nextTick = 0;
    while (!stopping_) {
        std::vector<pollfd> waits;
        waits.push_back({listener_, POLLIN, 0});
        waits.push_back({stopFd, POLLIN, 0});
        waits.push_back({commandFd, POLLIN, 0});
        for (auto& client : clients_)
            waits.push_back(
                {client->fd, static_cast<short>(POLLIN | (client->out.empty() ? 0 : POLLOUT)), 0});
        const double now = Seconds();
        double wake = nextTick;
        if (options_.duration > 0) wake = std::min(wake, options_.duration);
        const int timeout = static_cast<int>(std::max(0.0, std::ceil((wake - now) * 1000)));
        if (poll(waits.data(), waits.size(), timeout) < 0 && errno != EINTR) break;
        if (waits[1].revents) {
            Print("dwtool sim: stop requested");
            break;
        }
        if (waits[2].revents) {
            char buffer[512];
            const ssize_t got = read(commandFd, buffer, sizeof buffer);
            if (got <= 0) {
                commandFd = -1;  // end of input: keep serving
            } else {
                commandBuffer_.append(buffer, static_cast<std::size_t>(got));
                for (std::size_t end; (end = commandBuffer_.find('\n')) != std::string::npos;) {
                    HandleCommand(commandBuffer_.substr(0, end));
                    commandBuffer_.erase(0, end + 1);
                }
                if (commandBuffer_.size() > 4096) commandBuffer_.clear();
            }
        }
        // Clients accepted below have no entry in `waits` yet: serve the polled ones first.
        const std::size_t polled = clients_.size();
        for (std::size_t i = 0; i < polled; ++i) {
            const short events = waits[3 + i].revents;
            if (events & (POLLIN | POLLHUP | POLLERR)) ReadFrom(*clients_[i]);
            if (!clients_[i]->gone && !clients_[i]->out.empty()) WriteOut(*clients_[i]);
        }
        if (waits[0].revents) AcceptClients();
        DropGoneClients();
        const double seconds = Seconds();
        RunEvents(seconds);
        if (options_.duration > 0 && seconds >= options_.duration) {
            Print("dwtool sim: duration ended");
            break;
        }
        if (seconds >= nextTick) {
            Publish(seconds);
            nextTick += period;
            if (nextTick < seconds) nextTick = seconds + period;  // fell behind: skip ticks
        }
    }
    SayFarewell();
    return 0;
}

void SimServer::AcceptClients() {
    for (;;) {
        sockaddr_in peer{};
        socklen_t length = sizeof peer;
        const int fd = accept4(listener_, reinterpret_cast<sockaddr*>(&peer), &length,
                               SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) return;
        if (static_cast<int>(clients_.size()) >= kMaxClients) {
            Print("dwtool sim: refused a client (" + std::to_string(kMaxClients) + " connected)");
            close(fd);
            continue;
        }
        const int noDelay = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
        auto client = std::make_unique<Client>();
        client->id = nextId_++;
        client->fd = fd;
        char host[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &peer.sin_addr, host, sizeof host);
        Print("client " + std::to_string(client->id) + " connected from " + host + ":" +
              std::to_string(ntohs(peer.sin_port)));
        clients_.push_back(std::move(client));
    }
}

void SimServer::ReadFrom(Client& client) {
    char buffer[8192];
    const ssize_t got = recv(client.fd, buffer, sizeof buffer, 0);
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return;
    if (got <= 0) {
        Print("client " + std::to_string(client.id) + " disconnected");
        client.gone = true;
        return;
    }
    client.in.append(buffer, static_cast<std::size_t>(got));
    std::size_t start = 0;
    for (std::size_t end; (end = client.in.find('\n', start)) != std::string::npos && !client.gone;
         start = end + 1) {
        std::string line = client.in.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (client.discarding)
            client.discarding = false;
        else
            HandleLine(client, line);
    }
    client.in.erase(0, start);
    if (client.in.size() > kMaxClientLine) {
        Print("client " + std::to_string(client.id) + ": line too long, dropped");
        client.in.clear();
        client.discarding = true;
    }
}

void SimServer::HandleLine(Client& client, const std::string& line) {
    const std::string who = "client " + std::to_string(client.id);
    Print(who + ": " + Printable(line));
    for (const ClientMessage& message : ReadClientLine(line)) {
        switch (message.kind) {
            case ClientMessage::Kind::Subscribe: {
                client.subscribed = true;
                client.variables.clear();
                client.lastSent.clear();
                std::string numbers, ignored;
                std::vector<bool> seen(Scenario::kMaxVariable + 1);
                for (std::int32_t number : message.numbers) {
                    if (!IsVariable(number)) {
                        ignored += " " + std::to_string(number);
                        continue;
                    }
                    if (!seen[number]) client.variables.push_back(number);
                    seen[number] = true;
                    numbers += " " + std::to_string(number);
                }
                Print(who + " subscribed to " + std::to_string(client.variables.size()) +
                      " variables:" + numbers);
                if (!ignored.empty()) Print(who + " subscribed to no variable numbers:" + ignored);
                break;
            }
            case ClientMessage::Kind::Values:
                for (const auto& [number, value] : message.pairs) {
                    const std::string pair = std::to_string(number) + "=" + std::to_string(value);
                    // Only variable numbers are held: what the server keeps stays bounded.
                    if (!IsVariable(number)) {
                        Print(who + " set " + pair + ", ignored: not a variable number 0.." +
                              std::to_string(Scenario::kMaxVariable));
                        continue;
                    }
                    held_[number] = value;
                    Print(who + " set " + pair);
                }
                break;
            case ClientMessage::Kind::Fin:
                Print(who + " said farewell");
                client.gone = true;
                return;
            case ClientMessage::Kind::Unknown:
                Print(who + " sent something unknown: " + Printable(message.text));
                break;
        }
    }
}

void SimServer::Publish(double seconds) {
    for (auto& client : clients_) {
        if (client->gone || !client->subscribed || client->out.size() > kMaxPendingBytes) continue;
        std::string line;
        for (std::int32_t variable : client->variables) {
            std::int32_t value = 0;
            if (const auto found = held_.find(variable); found != held_.end()) {
                value = found->second;
            } else if (const Generator* generator = scenario_.GeneratorFor(variable)) {
                value = Scenario::Round(generator->ValueAt(seconds));
            } else {
                continue;  // not in the scenario: nothing to publish
            }
            const auto sent = client->lastSent.find(variable);
            if (sent != client->lastSent.end() && sent->second == value) continue;
            client->lastSent[variable] = value;
            const std::string pair = std::to_string(variable) + "=" + std::to_string(value) + ":";
            if (line.size() + pair.size() > kMaxLineBytes) {
                client->out += line + "\r\n";
                line.clear();
            }
            if (line.empty()) line = "Arn.Resp:";
            line += pair;
        }
        if (!line.empty()) client->out += line + "\r\n";
        WriteOut(*client);
    }
}

void SimServer::RunEvents(double seconds) {
    while (nextEvent_ < scenario_.events.size() && scenario_.events[nextEvent_].at <= seconds) {
        const ScenarioEvent& event = scenario_.events[nextEvent_++];
        switch (event.kind) {
            case ScenarioEvent::Kind::Resubscribe:
                SendToAll("Arn.Reset:\r\n", "resubscription request");
                break;
            case ScenarioEvent::Kind::Fin:
                stopping_ = true;
                return;
            case ScenarioEvent::Kind::Set:
                held_[event.variable] = event.value;
                Print("dwtool sim: " + std::to_string(event.variable) + " held at " +
                      std::to_string(event.value));
                break;
        }
    }
}

void SimServer::HandleCommand(const std::string& command) {
    std::istringstream words(command);
    std::string verb;
    words >> verb;
    if (verb.empty()) return;
    if (verb == "resubscribe") {
        SendToAll("Arn.Reset:\r\n", "resubscription request");
    } else if (verb == "fin" || verb == "quit") {
        stopping_ = true;
    } else if (verb == "set") {
        long long variable = -1, value = 0;
        if (words >> variable >> value && variable >= 0 && variable <= Scenario::kMaxVariable) {
            held_[static_cast<std::int32_t>(variable)] =
                Scenario::Round(static_cast<double>(value));
            Print("dwtool sim: " + std::to_string(variable) + " held at " +
                  std::to_string(held_[static_cast<std::int32_t>(variable)]));
        } else {
            Print("dwtool sim: usage: set VAR VALUE");
        }
    } else {
        Print("dwtool sim: commands: resubscribe, fin, set VAR VALUE");
    }
}

void SimServer::SendToAll(const std::string& line, const char* what) {
    int count = 0;
    for (auto& client : clients_) {
        if (client->gone) continue;
        client->out += line;
        WriteOut(*client);
        ++count;
    }
    Print(std::string("dwtool sim: sent ") + what + " to " + std::to_string(count) + " clients");
}

void SimServer::WriteOut(Client& client) {
    while (!client.out.empty()) {
        const ssize_t sent = send(client.fd, client.out.data(), client.out.size(), MSG_NOSIGNAL);
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
        if (sent < 0 && errno == EINTR) continue;
        if (sent <= 0) {
            Print("client " + std::to_string(client.id) + " disconnected");
            client.gone = true;
            client.out.clear();
            return;
        }
        client.out.erase(0, static_cast<std::size_t>(sent));
    }
}

void SimServer::DropGoneClients() {
    for (auto& client : clients_)
        if (client->gone) close(client->fd);
    std::erase_if(clients_, [](const auto& client) { return client->gone; });
}

void SimServer::SayFarewell() {
    DropGoneClients();
    SendToAll("Arn.Fin:\r\n", "farewell");
    // Let the clients read it and close their side (at most a second), then close.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (!clients_.empty() && std::chrono::steady_clock::now() < deadline) {
        std::vector<pollfd> waits;
        for (auto& client : clients_)
            waits.push_back(
                {client->fd, static_cast<short>(POLLIN | (client->out.empty() ? 0 : POLLOUT)), 0});
        if (poll(waits.data(), waits.size(), 50) < 0 && errno != EINTR) break;
        for (std::size_t i = 0; i < clients_.size(); ++i) {
            if (waits[i].revents & (POLLIN | POLLHUP | POLLERR)) ReadFrom(*clients_[i]);
            if (!clients_[i]->gone && !clients_[i]->out.empty()) WriteOut(*clients_[i]);
        }
        DropGoneClients();
    }
}

}  // namespace dwsim
