#pragma once
// Removal of comments and empty lines from a script source (lines end with CR LF).
#include <string>

namespace dw {

// In place, in this order: every complete block comment "/* ... */"; every line comment from
// "//" up to (not including) the next CR LF (a "//" with no CR LF after it stays); runs of
// empty lines collapse so that no empty line is left; a leading line end is dropped.
// A line holding only blanks is not empty and stays.
void StripComments(std::string& text);

}  // namespace dw
