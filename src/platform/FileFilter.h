#pragma once
// File-dialog filters in the form the program writes them: "Name|patterns|Name|patterns||",
// where "|" separates each description from its patterns, patterns are separated by ";"
// (blanks around them allowed) and "||" ends the list.
#include <string>
#include <vector>

namespace dw {

struct FileFilter {
    std::string description;            // as written, e.g. "ZEKO Gauges (*.dwl;*.xml)"
    std::vector<std::string> patterns;  // e.g. {"*.dwl", "*.xml"}
};

// The filters of a filter text, in order. A description without patterns, an empty
// description, or anything after the "||" end is dropped; an entry whose patterns are all
// blank gets "*.*".
std::vector<FileFilter> ParseFileFilter(const std::string& filterText);

}  // namespace dw
