#pragma once
// The byte scan of one received ZEKO line. The scan looks only at the capital letters
// "F", "R", "T" and "V" (the "Arn." prefix is never tested) and reports what it finds to a
// sink; the client turns those reports into stored values, notifications and requests.
#include <cstddef>
#include <cstdint>

namespace dw {

class IZekoLineSink {
public:
    virtual ~IZekoLineSink() = default;
    // A "%d=%d:" pair read after "Resp:" (the number is not range-checked here).
    virtual void OnPair(std::int32_t number, std::int32_t value) = 0;
    // The pairs of one "Resp:" keyword are done (notification 0).
    virtual void OnValuesDone() = 0;
    // "F": the server's farewell.
    virtual void OnFarewell() = 0;
    // "R" whose fourth byte is not "p": the server asks for a new subscription. The scan
    // ends after this call; the rest of the line is ignored.
    virtual void OnResubscribeRequest() = 0;
};

// Scans `line` (its end is `length` or the first zero byte, whichever comes first).
void ScanZekoLine(const char* line, std::size_t length, IZekoLineSink& sink);

// Reads "%d=%d" at `pos` as the C scan would: blanks before each number are skipped, a sign
// is allowed, at least one digit is needed and "=" must follow the first number directly.
// Numbers beyond 32 bits are clamped. Returns false when either number is missing.
bool ReadZekoPair(const char* line, std::size_t length, std::size_t pos, std::int32_t& number,
                  std::int32_t& value);

}  // namespace dw
