#pragma once
// Registers element kinds with an element factory: the audio kind ("audio", CAudio), or all
// four kinds at once (the three visual kinds of the render library and audio).
namespace dw {

class ElementFactory;

void RegisterAudioKind(ElementFactory& factory);
void RegisterAllKinds(ElementFactory& factory);

}  // namespace dw
