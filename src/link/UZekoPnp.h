#pragma once
// CUZekoPnp: one loaded copy of the plug-in module "uzekopnp.mod", which finds ZEKO servers
// by alias. The module lies outside the program; every export uses the C calling convention
// and takes zero-terminated single-byte texts. The module counts as present exactly when it
// loaded and exports both "Start" and "Stop".
#include <cstdint>
#include <string>

namespace dw {

class CUZekoPnp {
public:
    using StartFunction = int (*)(void* window, const char* clientName, const char* version,
                                  const char* gaugeName, int reserved);
    using StopFunction = int (*)();
    using CountFunction = int (*)(const char* kind, const char* domain, const char* alias,
                                  int reserved);
    using GetIpAndPortOfFunction = int (*)(const char* kind, const char* domain, const char* alias,
                                           char* address, int* port, int reserved);
    using SetStatusFunction = int (*)(const char* status);
    // Its arguments are not known: it is looked up, never called.
    using GetStatusOfFunction = void*;

    // Size of the address buffer handed to "GetIpAndPortOf".
    static constexpr std::size_t kAddressSize = 16;

    CUZekoPnp() = default;
    virtual ~CUZekoPnp();
    CUZekoPnp(const CUZekoPnp&) = delete;
    CUZekoPnp& operator=(const CUZekoPnp&) = delete;

    // Unloads, takes `path` as the module path unless it is empty, and loads that file.
    // Returns IsLoaded().
    bool Load(const std::string& path);
    void Unload();
    bool IsLoaded() const { return module_ != nullptr; }
    const std::string& ModulePath() const { return modulePath_; }

    // The calls do nothing (and return 0) while the module or that export is absent.
    int Start(void* window, const char* clientName, const char* version,
              const std::string& gaugeName) const;
    int Stop() const;
    int Count(const std::string& alias) const;
    // Preset the port to -1; the address is the module's text cut at its first zero byte
    // (at most 15 characters).
    int GetIpAndPortOf(const std::string& alias, std::string& address, int& port) const;
    int SetStatus(const char* status) const;
    bool HasGetStatusOf() const { return getStatusOf_ != nullptr; }
    // Both "Count" and "GetIpAndPortOf" are exported (aliases can be looked up).
    bool CanResolve() const { return module_ && count_ && getIpAndPortOf_; }

private:
    std::string modulePath_;
    void* module_ = nullptr;
    StartFunction start_ = nullptr;
    StopFunction stop_ = nullptr;
    CountFunction count_ = nullptr;
    GetIpAndPortOfFunction getIpAndPortOf_ = nullptr;
    SetStatusFunction setStatus_ = nullptr;
    GetStatusOfFunction getStatusOf_ = nullptr;
};

// "uzekopnp.mod" in the program's own folder.
std::string DefaultPlugInPath();

}  // namespace dw
