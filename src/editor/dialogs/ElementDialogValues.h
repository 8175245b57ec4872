#pragma once
// What each element kind shows in its properties dialog, and what the audio dialog's OK
// does (the visual kinds apply theirs with render/ElementProperties.h).
#include <string>

#include "render/ElementProperties.h"

namespace dw {
class CAudio;
}

namespace dw::dialogs {

struct AudioValues {
    std::string name;
    std::string file;
    std::string program;
};

ImageProperties ImageValuesOf(const CGraph& element);
TextProperties TextValuesOf(const CText& element);
ShapeProperties ShapeValuesOf(const CPrimitive& element);
AudioValues AudioValuesOf(const CAudio& element);

// OK of the audio dialog: the name, the primary link cleared, the program ending in CR LF,
// and the file when it differs. (The caller rebuilds the element after OK and Cancel.)
void ApplyAudioValues(CAudio& element, const AudioValues& values);

}  // namespace dw::dialogs
