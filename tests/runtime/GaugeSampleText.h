#pragma once
// The sample gauge: golden/sample.dwl is the exact text the gauge writer gives for a gauge
// whose properties and links are away from their defaults, with one element of each kind
// that has every attribute set (GaugeSession::FillDocument sets the same properties in code;
// the elements are read from this file, field by field checked in GaugeKindsTest).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace dwtest {

inline std::string SampleGaugeText() {
    // The source tree from the test environment, else the folder of this file.
    const char* source = std::getenv("DW_SOURCE_DIR");
    const std::string here = __FILE__;
    const std::string path =
        (source ? std::string(source) + "/tests/runtime" : here.substr(0, here.rfind('/'))) +
        "/golden/sample.dwl";
    std::ifstream in(path, std::ios::binary);
    if (!in) ADD_FAILURE() << "missing " << path;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

enum SampleKind { kGraph, kText, kPrimitive, kAudio };
// The "element" node of one sample element as the file holds it.
inline std::string SampleXml(SampleKind kind) {
    const std::string text = SampleGaugeText();
    std::size_t start = text.find("\t<element ");
    for (int i = 0; i < kind && start != std::string::npos; ++i)
        start = text.find("\t<element ", start + 1);
    const std::size_t end = text.find("\t</element>\n", start);
    return end == std::string::npos ? "" : text.substr(start, end + 12 - start);
}

}  // namespace dwtest
