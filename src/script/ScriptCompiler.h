#pragma once
// Turning script sources into their compiled text and reading the primary link.
#include <cstdint>
#include <optional>
#include <string>

namespace dw {

// Compiles one source: comments and empty lines removed, then (when `borderColorOnly`, which
// callers set only for a main program of a shape that has no fill) every "setcolor " becomes
// "setbordercolor ", then the keyword table. An empty source compiles to an empty text.
std::string CompileSource(const std::string& source, bool borderColorOnly);

struct PrimaryLink {
    std::int32_t offset = 0;
    std::int32_t server = 0;
};

// The first "link offset N server M" of a main program source (after comment removal),
// wherever it stands; nothing when there is none or its two numbers can't be read.
std::optional<PrimaryLink> ParseLinkText(const std::string& mainProgram);

}  // namespace dw
