#pragma once
// The socket steps of the protocol client: resolving a host, connecting with a time limit,
// and sending one whole line.
#include <netinet/in.h>

#include <chrono>
#include <cstddef>
#include <string>

namespace dw {

// A dotted IPv4 address, or the first IPv4 address of a host name.
bool ResolveIpv4(const std::string& host, in_addr& address);

// A new TCP socket (IPv4), or -1.
int CreateTcpSocket();

// Connects `fd` to address:port within `timeoutMs`. On success the socket is blocking, sends
// without Nagle's delay and has a small send buffer.
bool ConnectWithin(int fd, const in_addr& address, int port, int timeoutMs);

// Sends all `length` bytes before `deadline`, waiting while the peer's window is closed.
// Returns false when the socket failed or the peer did not take every byte in time; a part
// of the bytes may have left by then, so the caller must not send anything after them.
bool SendWhole(int fd, const char* bytes, std::size_t length,
               std::chrono::steady_clock::time_point deadline);

}  // namespace dw
