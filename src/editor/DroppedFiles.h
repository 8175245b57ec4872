#pragma once
// Image files dropped on the canvas become image elements; any other file is reported.
#include <string>
#include <vector>

#include "editor/EditContext.h"

namespace dw {

// Longest dropped file name taken.
inline constexpr std::size_t kMaxDroppedName = 255;

// The "Drop file error." text for a file that is not an image.
std::string DropErrorText(const std::string& path);

// Each file in order: an image becomes an image element at (10, 10) of the picture's size,
// named "Droped file <position>" (counting from 1 among the dropped files), whose properties
// open at once; any other file gets the "Drop file error." message. Returns how many
// elements were added.
int DropFiles(EditContext& edit, const std::vector<std::string>& paths);

}  // namespace dw
