// libFuzzer target: the alias file reader with both program conversions, and the hot-key
// entries of the settings store. The table never holds more than its bound, every entry has a
// one-word name, the conversions end, and a parsed hot-key entry reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/HotKeys.h"
#include "script/AliasTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    dw::AliasTable table;
    table.LoadText(text);
    if (table.Count() > dw::AliasTable::kMaxEntries) std::abort();
    for (const dw::AliasEntry& entry : table.Entries()) {
        if (entry.name.empty()) std::abort();
        for (char c : entry.name)
            if (c == ' ' || c == '\t' || c == '\n' || c == '\r') std::abort();
    }
    const dw::ServerAliases servers{"FlightSimulator", "MORV"};
    const std::string named = table.NumbersToNames(text, servers);
    (void)table.NamesToNumbers(named, servers);

    if (const auto binding = dw::ParseHotKeyEntry(text)) {
        if (dw::ParseHotKeyEntry(dw::FormatHotKeyEntry(*binding)) != binding) std::abort();
    }
    return 0;
}
