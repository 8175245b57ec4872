#include "render/RenderKinds.h"

#include <memory>

#include "model/ElementFactory.h"
#include "render/CGraph.h"
#include "render/CPrimitive.h"
#include "render/CText.h"
#include "render/ImageDecodeBatch.h"

namespace dw {

namespace {

template <class Kind>
void RegisterKind(ElementFactory& factory, ElementKind kind) {
    factory.Register(
        std::string(TypeWordOf(kind)),
        [](IElementOwner* owner, const Rect& rect) -> std::unique_ptr<CElement> {
            return std::make_unique<Kind>(owner, rect);
        },
        [](const XmlNode& node, IElementOwner* owner) -> std::unique_ptr<CElement> {
            return std::make_unique<Kind>(node, owner);
        });
}

}  // namespace

void RegisterRenderKinds(ElementFactory& factory) {
    RegisterKind<CGraph>(factory, ElementKind::Image);
    RegisterKind<CText>(factory, ElementKind::Text);
    RegisterKind<CPrimitive>(factory, ElementKind::Primitive);
    factory.SetBatchOpener(&ImageDecodeBatch::Open);
}

}  // namespace dw
