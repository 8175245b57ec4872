#include "link/ZekoLineScanner.h"

#include <cstring>
#include <limits>

namespace dw {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// One "%d" at pos: returns the position behind it, or 0 with `ok` false.
std::size_t ReadInt(const char* line, std::size_t length, std::size_t pos, std::int32_t& out,
                    bool& ok) {
    ok = false;
    while (pos < length && IsBlank(line[pos])) ++pos;
    bool negative = false;
    if (pos < length && (line[pos] == '+' || line[pos] == '-')) {
        negative = line[pos] == '-';
        ++pos;
    }
    if (pos >= length || line[pos] < '0' || line[pos] > '9') return pos;
    std::int64_t magnitude = 0;
    constexpr std::int64_t kCap = std::int64_t{1} << 32;  // beyond every 32-bit value
    while (pos < length && line[pos] >= '0' && line[pos] <= '9') {
        if (magnitude < kCap) magnitude = magnitude * 10 + (line[pos] - '0');
        ++pos;
    }
    std::int64_t result = negative ? -magnitude : magnitude;
    if (result > std::numeric_limits<std::int32_t>::max())
        result = std::numeric_limits<std::int32_t>::max();
    if (result < std::numeric_limits<std::int32_t>::min())
        result = std::numeric_limits<std::int32_t>::min();
    out = static_cast<std::int32_t>(result);
    ok = true;
    return pos;
}

// Advances pos by `count`, stopping at the line's end.
std::size_t Skip(std::size_t pos, std::size_t count, std::size_t length) {
    return (length - pos < count) ? length : pos + count;
}

bool IsPrintable(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte > 27 && byte < 128;
}

}  // namespace

bool ReadZekoPair(const char* line, std::size_t length, std::size_t pos, std::int32_t& number,
                  std::int32_t& value) {
    bool ok = false;
    pos = ReadInt(line, length, pos, number, ok);
    if (!ok || pos >= length || line[pos] != '=') return false;
    ReadInt(line, length, pos + 1, value, ok);
    return ok;
}

void ScanZekoLine(const char* line, std::size_t length, IZekoLineSink& sink) {
    if (const void* zero = std::memchr(line, 0, length))
        length = static_cast<std::size_t>(static_cast<const char*>(zero) - line);
    std::size_t pos = 0;
    while (pos < length) {
        switch (line[pos]) {
            case 'F':
                sink.OnFarewell();
                pos = Skip(pos, 4, length);
                break;
            case 'R': {
                if (length - pos <= 3 || line[pos + 3] != 'p') {
                    sink.OnResubscribeRequest();
                    return;
                }
                pos = Skip(pos, 5, length);
                while (pos < length && IsPrintable(line[pos])) {
                    std::int32_t number = 0;
                    std::int32_t value = 0;
                    if (ReadZekoPair(line, length, pos, number, value)) {
                        sink.OnPair(number, value);
                        const void* colon = std::memchr(line + pos, ':', length - pos);
                        pos = colon
                                  ? static_cast<std::size_t>(static_cast<const char*>(colon) - line)
                                  : length;
                    } else {
                        ++pos;
                    }
                }
                sink.OnValuesDone();
                break;
            }
            case 'T':
                pos = Skip(pos, 8, length);
                while (pos < length && line[pos] != ':') ++pos;
                break;
            case 'V':
                pos = Skip(pos, 5, length);
                break;
            default:
                ++pos;
                break;
        }
    }
}

}  // namespace dw
