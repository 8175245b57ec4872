#include "app/DottedQuad.h"

namespace dw {

std::optional<DottedQuad> ParseDottedQuad(std::string_view text) {
    DottedQuad address{};
    std::size_t at = 0;
    for (std::size_t part = 0; part < address.size(); ++part) {
        if (part > 0) {
            if (at >= text.size() || text[at] != '.') return std::nullopt;
            ++at;
        }
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
        unsigned value = 0;
        std::size_t digits = 0;
        for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at, ++digits) {
            value = value * 10 + static_cast<unsigned>(text[at] - '0');
            if (value > 255) return std::nullopt;
        }
        if (digits == 0) return std::nullopt;
        address[part] = static_cast<std::uint8_t>(value);
    }
    return address;
}

std::string FormatDottedQuad(const DottedQuad& a) {
    return std::to_string(a[0]) + "." + std::to_string(a[1]) + "." + std::to_string(a[2]) + "." +
           std::to_string(a[3]);
}

}  // namespace dw
