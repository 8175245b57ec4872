// uzekopnp.mod: resolves ZEKO server aliases from a table file.
//
// The table is the file named by the environment variable UZEKOPNP_TABLE, or else
// "uzekopnp.txt" beside the module. It is read again on every look-up. One server a line:
//
//     # comment
//     ALIAS  ADDRESS  PORT  [after N]
//
// ALIAS is compared exactly (case matters); ADDRESS is a dotted IPv4 address (four numbers
// 0..255); PORT is 1..65535. "after N" hides the entry from the first N "Count" calls for that
// alias, as if the server were found only later. "#" starts a comment that runs to the end
// of the line. Blank lines are skipped, and so are lines that are not
// exactly these fields: a server is never answered with an address or port it cannot have.
//
// When UZEKOPNP_TRACE names a file, every call appends one line to it (for tests).
#include <arpa/inet.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

#define UZEKOPNP_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

struct Server {
    std::string address;
    int port = 0;
    int after = 0;
};

std::mutex g_mutex;
std::map<std::string, int> g_countCalls;  // calls of Count per alias
std::string g_status;

std::string ModuleFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&ModuleFolder), &info) == 0 || !info.dli_fname) return ".";
    const std::string path = info.dli_fname;
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string TablePath() {
    if (const char* path = std::getenv("UZEKOPNP_TABLE"); path && *path) return path;
    return ModuleFolder() + "/uzekopnp.txt";
}

// A decimal number of at most 7 digits within low..high.
bool ReadCount(const std::string& text, int low, int high, int& number) {
    if (text.empty() || text.size() > 7 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    number = std::stoi(text);
    return number >= low && number <= high;
}

// The fields of one table line, without its comment.
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream words(line.substr(0, line.find('#')));
    for (std::string word; words >> word;) fields.push_back(word);
    return fields;
}

// Reads "ALIAS ADDRESS PORT [after N]"; false for anything else.
bool ReadServer(const std::vector<std::string>& fields, Server& server) {
    if (fields.size() != 3 && !(fields.size() == 5 && fields[3] == "after")) return false;
    in_addr address{};
    if (inet_pton(AF_INET, fields[1].c_str(), &address) != 1) return false;
    server.address = fields[1];
    if (!ReadCount(fields[2], 1, 65535, server.port)) return false;
    return fields.size() == 3 || ReadCount(fields[4], 0, 1000000, server.after);
}

bool FindServer(const std::string& alias, Server& server) {
    std::ifstream table(TablePath());
    std::string line;
    while (std::getline(table, line)) {
        const std::vector<std::string> fields = Fields(line);
        Server candidate;
        if (fields.empty() || fields[0] != alias || !ReadServer(fields, candidate)) continue;
        server = candidate;
        return true;
    }
    return false;
}

void Trace(const std::string& text) {
    const char* path = std::getenv("UZEKOPNP_TRACE");
    if (!path || !*path) return;
    if (std::FILE* file = std::fopen(path, "ab")) {
        std::fprintf(file, "%s\n", text.c_str());
        std::fclose(file);
    }
}

std::string Text(const char* text) {
    return text ? text : "(null)";
}

}  // namespace

UZEKOPNP_EXPORT int Start(void* window, const char* clientName, const char* version,
                          const char* gaugeName, int reserved) {
    std::lock_guard<std::mutex> lock(g_mutex);
    Trace("Start " + Text(clientName) + " " + Text(version) + " " + Text(gaugeName) + " " +
          std::to_string(reserved) + (window ? " window" : " nowindow"));
    return 1;
}

UZEKOPNP_EXPORT int Stop() {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_countCalls.clear();
    Trace("Stop");
    return 1;
}

UZEKOPNP_EXPORT int SetStatus(const char* status) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_status = Text(status);
    Trace("SetStatus " + g_status);
    return 1;
}

UZEKOPNP_EXPORT int GetStatusOf(const char* kind, const char* domain, const char* alias,
                                char* status, int size) {
    std::lock_guard<std::mutex> lock(g_mutex);
    if (status && size > 0)
        std::snprintf(status, static_cast<std::size_t>(size), "%s", g_status.c_str());
    return 1;
}

UZEKOPNP_EXPORT int Count(const char* kind, const char* domain, const char* alias, int reserved) {
    std::lock_guard<std::mutex> lock(g_mutex);
    const std::string name = Text(alias);
    const int call = ++g_countCalls[name];
    Server server;
    const int found = FindServer(name, server) && call > server.after ? 1 : 0;
    Trace("Count " + Text(kind) + " " + Text(domain) + " " + name + " " + std::to_string(reserved) +
          " -> " + std::to_string(found));
    return found;
}

UZEKOPNP_EXPORT int GetIpAndPortOf(const char* kind, const char* domain, const char* alias,
                                   char* address, int* port, int reserved) {
    std::lock_guard<std::mutex> lock(g_mutex);
    const std::string name = Text(alias);
    Server server;
    const bool found = FindServer(name, server);
    if (found && address) std::memcpy(address, server.address.c_str(), server.address.size() + 1);
    if (found && port) *port = server.port;
    Trace("GetIpAndPortOf " + Text(kind) + " " + Text(domain) + " " + name + " " +
          std::to_string(reserved) + " -> " + (found ? server.address : std::string("none")) + " " +
          std::to_string(found ? server.port : -1));
    return found ? 1 : 0;
}
