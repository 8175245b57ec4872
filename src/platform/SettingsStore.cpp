#include "platform/SettingsStore.h"

#include <charconv>

namespace dw {

std::int32_t ParseSettingInt(const std::string& text, std::int32_t defaultValue) {
    const auto isBlank = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
    };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    if (begin < end && text[begin] == '+') {
        ++begin;
        if (begin == end || text[begin] == '-') return defaultValue;
    }
    if (begin == end) return defaultValue;
    std::int64_t number = 0;
    const char* first = text.data() + begin;
    const char* last = text.data() + end;
    const auto [stop, error] = std::from_chars(first, last, number);
    if (error != std::errc() || stop != last) return defaultValue;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(number));
}

}  // namespace dw
