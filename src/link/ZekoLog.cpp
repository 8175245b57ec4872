#include "link/ZekoLog.h"

#include <cstdio>
#include <mutex>

namespace dw {

void AppendZekoLog(std::string_view text) {
    static std::mutex logMutex;
    std::lock_guard<std::mutex> lock(logMutex);
    std::FILE* file = std::fopen(kZekoLogFile, "ab");
    if (!file) return;
    if (!text.empty()) std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
}

}  // namespace dw
