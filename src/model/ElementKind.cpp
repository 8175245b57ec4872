#include "model/ElementKind.h"

namespace dw {

std::string_view TypeWordOf(ElementKind kind) {
    switch (kind) {
        case ElementKind::Image:
            return "graph";
        case ElementKind::Text:
            return "text";
        case ElementKind::Primitive:
            return "primitive";
        case ElementKind::Audio:
            return "audio";
    }
    return "";
}

std::optional<ElementKind> KindOfTypeWord(std::string_view word) {
    for (ElementKind kind :
         {ElementKind::Image, ElementKind::Text, ElementKind::Primitive, ElementKind::Audio}) {
        if (word == TypeWordOf(kind)) return kind;
    }
    return std::nullopt;
}

}  // namespace dw
