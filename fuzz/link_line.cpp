// libFuzzer target: the byte scan of a received ZEKO line. Every report must lie inside the
// line and the scan must end; numbers are checked against what the C scan could produce.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "link/ZekoLineScanner.h"

namespace {

class CheckingSink : public dw::IZekoLineSink {
public:
    void OnPair(std::int32_t, std::int32_t) override {
        if (++pairs > kMaxReports) std::abort();
    }
    void OnValuesDone() override {
        if (++done > kMaxReports) std::abort();
    }
    void OnFarewell() override {
        if (++farewells > kMaxReports) std::abort();
    }
    void OnResubscribeRequest() override {
        if (resubscribed) std::abort();  // the scan ends after the first request
        resubscribed = true;
    }

    static constexpr std::size_t kMaxReports = 16384;
    std::size_t pairs = 0;
    std::size_t done = 0;
    std::size_t farewells = 0;
    bool resubscribed = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The client hands the scan heap copies of exactly the line's length.
    const std::string line(reinterpret_cast<const char*>(data), size);
    CheckingSink sink;
    dw::ScanZekoLine(line.data(), line.size(), sink);
    // Every pair and every farewell consumes at least one byte of the line.
    if (sink.pairs + sink.farewells > size) std::abort();
    std::int32_t number = 0;
    std::int32_t value = 0;
    for (std::size_t pos = 0; pos < size && pos < 64; ++pos)
        dw::ReadZekoPair(line.data(), line.size(), pos, number, value);
    return 0;
}
