#include "link/UZekoPnp.h"

#include <dlfcn.h>

#include <cstring>

#include "platform/ProgramPaths.h"

namespace dw {

CUZekoPnp::~CUZekoPnp() {
    Unload();
}

bool CUZekoPnp::Load(const std::string& path) {
    Unload();
    if (!path.empty()) modulePath_ = path;
    if (modulePath_.empty()) return false;
    module_ = dlopen(modulePath_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module_) return false;
    start_ = reinterpret_cast<StartFunction>(dlsym(module_, "Start"));
    stop_ = reinterpret_cast<StopFunction>(dlsym(module_, "Stop"));
    count_ = reinterpret_cast<CountFunction>(dlsym(module_, "Count"));
    getIpAndPortOf_ = reinterpret_cast<GetIpAndPortOfFunction>(dlsym(module_, "GetIpAndPortOf"));
    setStatus_ = reinterpret_cast<SetStatusFunction>(dlsym(module_, "SetStatus"));
    getStatusOf_ = dlsym(module_, "GetStatusOf");
    if (!start_ || !stop_) Unload();
    return IsLoaded();
}

void CUZekoPnp::Unload() {
    if (module_) dlclose(module_);
    module_ = nullptr;
    start_ = nullptr;
    stop_ = nullptr;
    count_ = nullptr;
    getIpAndPortOf_ = nullptr;
    setStatus_ = nullptr;
    getStatusOf_ = nullptr;
}

int CUZekoPnp::Start(void* window, const char* clientName, const char* version,
                     const std::string& gaugeName) const {
    if (!module_ || !start_) return 0;
    return start_(window, clientName, version, gaugeName.c_str(), 0);
}

int CUZekoPnp::Stop() const {
    if (!module_ || !stop_) return 0;
    return stop_();
}

int CUZekoPnp::Count(const std::string& alias) const {
    if (!module_ || !count_) return 0;
    return count_("ANY", "ANY", alias.c_str(), -1);
}

int CUZekoPnp::GetIpAndPortOf(const std::string& alias, std::string& address, int& port) const {
    port = -1;
    if (!module_ || !getIpAndPortOf_) return 0;
    // A margin behind the 16 bytes the module may use, and a terminator it cannot remove.
    char buffer[kAddressSize * 4] = {};
    const int result = getIpAndPortOf_("ANY", "ANY", alias.c_str(), buffer, &port, 1);
    buffer[kAddressSize - 1] = 0;
    address.assign(buffer, strnlen(buffer, kAddressSize));
    return result;
}

int CUZekoPnp::SetStatus(const char* status) const {
    if (!module_ || !setStatus_) return 0;
    return setStatus_(status);
}

std::string DefaultPlugInPath() {
    return ProgramFolderFile(kPluginModuleName);
}

}  // namespace dw
