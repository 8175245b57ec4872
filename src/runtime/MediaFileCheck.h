#pragma once
// The file part of the gauge check (GaugeCheck.h): whether an image or audio file that an
// element names would load, looked for as the element looks for it.
#include <optional>
#include <string>

namespace dw {

class ISettingsStore;

// Nothing when the picture loads (from the working folder or an image search folder, any
// letter case); else what is wrong with it, e.g. 'image file "art/dial.bmp" not found'.
std::optional<std::string> ImageFileProblem(const std::string& file,
                                            const ISettingsStore* settings);

// Nothing when the file (from the working folder, any letter case) is a WAV, WMA or MP3 sound
// with one of the accepted extensions; else what is wrong with it.
std::optional<std::string> AudioFileProblem(const std::string& file);

}  // namespace dw
