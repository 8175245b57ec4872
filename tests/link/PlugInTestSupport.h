#pragma once
// Points the sample plug-in module at a table and a trace file inside a test's folder.
#include <cstdlib>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace linktest {

inline std::string PlugInPath() {
    return DW_UZEKOPNP_PATH;
}

class PlugInFiles {
public:
    explicit PlugInFiles(const dwtest::TempDir& folder, const std::string& table)
        : table_(folder.Write("servers.txt", table)), trace_(folder.File("trace.txt")) {
        setenv("UZEKOPNP_TABLE", table_.c_str(), 1);
        setenv("UZEKOPNP_TRACE", trace_.c_str(), 1);
    }
    ~PlugInFiles() {
        unsetenv("UZEKOPNP_TABLE");
        unsetenv("UZEKOPNP_TRACE");
    }
    // The calls the module saw, one line each.
    std::vector<std::string> Trace() const {
        std::vector<std::string> lines;
        std::string text = dwtest::ReadFile(trace_);
        for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
             start = end + 1)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }

private:
    std::string table_;
    std::string trace_;
};

}  // namespace linktest
