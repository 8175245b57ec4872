// Fuzz target of the texts the dialogs read: alias file lines for the name search and IPv4
// addresses for the server links. Any bytes must read without a crash, and what reads must
// give back consistent items and addresses.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/DottedQuad.h"
#include "editor/dialogs/AliasFileLines.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    if (const auto entry = dw::dialogs::ParseAliasLine(text)) {
        Check(!entry->name.empty());
        const std::string item = dw::dialogs::NameSearchItem(*entry);
        Check(item.find(" - ") != std::string::npos);
        // The name that the search gives back is the name's first blank-free part, upper-cased.
        const std::string name = dw::dialogs::NameOfSearchItem(item);
        Check(name.find(' ') == std::string::npos);
    }
    dw::dialogs::NameOfSearchItem(std::string(text));

    if (const auto address = dw::ParseDottedQuad(text)) {
        const std::string formatted = dw::FormatDottedQuad(*address);
        const auto again = dw::ParseDottedQuad(formatted);
        Check(again.has_value() && *again == *address);
    }
    return 0;
}
