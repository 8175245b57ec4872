// libFuzzer target: the two records a run leaves for the next start, the crash record and
// the recovery copy of a gauge. A record that reads back must format to what was read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/CrashGuard.h"
#include "runtime/RecoveryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (const auto record = dw::ParseCrashRecord(bytes)) {
        const auto again = dw::ParseCrashRecord(dw::FormatCrashRecord(*record));
        if (!again || again->code != record->code || again->element != record->element ||
            again->signal != record->signal)
            std::abort();
    }
    if (const auto gauge = dw::ParseRecovery(bytes)) {
        if (dw::FormatRecovery(*gauge) != bytes) std::abort();
    }
    return 0;
}
