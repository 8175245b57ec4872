#pragma once
// Registers the three visual element kinds with an element factory: "graph" (CGraph),
// "text" (CText) and "primitive" (CPrimitive).
namespace dw {

class ElementFactory;

void RegisterRenderKinds(ElementFactory& factory);

}  // namespace dw
