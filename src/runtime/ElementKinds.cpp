#include "runtime/ElementKinds.h"

#include <memory>

#include "model/ElementFactory.h"
#include "render/RenderKinds.h"
#include "runtime/CAudio.h"

namespace dw {

void RegisterAudioKind(ElementFactory& factory) {
    factory.Register(
        std::string(TypeWordOf(ElementKind::Audio)),
        [](IElementOwner* owner, const Rect& rect) -> std::unique_ptr<CElement> {
            return std::make_unique<CAudio>(owner, rect);
        },
        [](const XmlNode& node, IElementOwner* owner) -> std::unique_ptr<CElement> {
            return std::make_unique<CAudio>(node, owner);
        });
}

void RegisterAllKinds(ElementFactory& factory) {
    RegisterRenderKinds(factory);
    RegisterAudioKind(factory);
}

}  // namespace dw
