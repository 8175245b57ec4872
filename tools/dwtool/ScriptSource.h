#pragma once
// Reading a script source for the script verbs: a file or standard input ("-"), with line
// ends made CR LF as the editor stores programs (unless raw).
#include <optional>
#include <string>

namespace dwtool {

// The bytes of the file (or of standard input for "-"); nothing when it can't be read.
std::optional<std::string> ReadScriptSource(const std::string& path);

// Every line feed not preceded by a carriage return gets one.
std::string WithCrLf(const std::string& text);

}  // namespace dwtool
