// Fuzz target of the XML layer: any bytes must parse to a node or an error code, never crash
// or hang; whatever parses must serialise, parse again and serialise to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "files/XmlNode.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

void RoundTrip(const dw::XmlNode& node, bool formatted) {
    const std::string first = dw::CreateString(node, formatted);
    dw::XmlResults results;
    const dw::XmlNode again = dw::ParseString(first, nullptr, &results);
    Check(results.error == 0);
    Check(!again.IsEmpty());
    Check(dw::CreateString(again, formatted) == first);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte picks the character mode and a required tag; the rest is the document.
    if (size == 0) return 0;
    const std::uint8_t control = data[0];
    dw::SetCharMode((control & 1) ? dw::CharMode::SingleByte : dw::CharMode::Utf8);
    const char* tag = (control & 2) ? "gauge" : nullptr;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    dw::XmlResults results;
    const dw::XmlNode node = dw::ParseString(text, tag, &results);
    Check(node.IsEmpty() == (results.error != 0));
    Check(dw::ErrorText(results.error) != nullptr);
    if (results.error != 0) {
        Check(results.line >= 1 && results.column >= 1);
        return 0;
    }
    RoundTrip(node, true);
    RoundTrip(node, false);
    (void)dw::GuessUtf8(text.data(), text.size(), true);
    return 0;
}
