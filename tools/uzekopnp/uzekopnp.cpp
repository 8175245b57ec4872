// uzekopnp.mod: resolves ZEKO server aliases from a table file.
//
// The table is the file named by the environment variable UZEKOPNP_TABLE, or else
// "uzekopnp.txt" beside the module. It is read again on every look-up. One server a line:
//
//     # comment
//     ALIAS  ADDRESS  PORT  [after N]
//
// ALIAS is compared exactly (case matters); ADDRESS is a dotted IPv4 address of at most 15
// characters. "after N" hides the entry from the first N "Count" calls for that alias, as if
// the server were found only later. Blank lines and lines starting with "#" are skipped;
// malformed lines are ignored.
//
// When UZEKOPNP_TRACE names a file, every call appends one line to it (for tests).
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <string>

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

bool FindServer(const std::string& alias, Server& server) {
    std::ifstream table(TablePath());
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream words(line);
        std::string name, keyword;
        Server candidate;
        if (!(words >> name) || name[0] == '#' || name != alias) continue;
        if (!(words >> candidate.address >> candidate.port)) continue;
        if (candidate.address.size() > 15) continue;
        if (words >> keyword && !(keyword == "after" && words >> candidate.after)) continue;
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
