#pragma once
// The element kinds. The kind number is fixed when an element is created; the type word is
// the value of the "type" attribute of the element's node in gauge files.
#include <cstdint>
#include <optional>
#include <string_view>

namespace dw {

enum class ElementKind : std::int32_t {
    Image = 0,      // CGraph, "graph"
    Text = 1,       // CText, "text"
    Primitive = 2,  // CPrimitive (basic graph), "primitive"
    Audio = 3,      // CAudio, "audio"
};

// "graph", "text", "primitive" or "audio"; "" for any other value.
std::string_view TypeWordOf(ElementKind kind);
// The kind of an exact type word; nothing for any other text.
std::optional<ElementKind> KindOfTypeWord(std::string_view word);

}  // namespace dw
