#pragma once
// Elements of the four kinds with every attribute set away from its creation value, the
// exact text the gauge writer gives for them, and field-by-field comparison of elements.
#include <memory>
#include <string>

#include "model/CElement.h"
#include "model/ElementList.h"
#include "render/CGraph.h"
#include "render/CPrimitive.h"
#include "render/CText.h"
#include "runtime/CAudio.h"

namespace dwtest {

// Registers the four kinds with the program's factory (again: registering replaces).
void RegisterKindsOnce();

std::unique_ptr<dw::CGraph> SampleGraph();
std::unique_ptr<dw::CText> SampleText();
std::unique_ptr<dw::CPrimitive> SamplePrimitive();
std::unique_ptr<dw::CAudio> SampleAudio();
// One of each, in the order graph, text, primitive, audio.
dw::ElementList SampleElements();

// The formatted "element" nodes of the four samples, each at the given tab depth.
std::string SampleGraphXml(int depth);
std::string SampleTextXml(int depth);
std::string SamplePrimitiveXml(int depth);
std::string SampleAudioXml(int depth);

// Every field that the file stores, compared with gtest expectations.
void ExpectSameStoredFields(const dw::CElement& expected, const dw::CElement& actual);
void ExpectSameLists(const dw::ElementList& expected, const dw::ElementList& actual);

}  // namespace dwtest
