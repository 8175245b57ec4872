// The fixed messages of the XML layer's error codes.
#include "files/XmlNode.h"

namespace dw {

const char* ErrorText(int code) {
    static const char* const kMessages[] = {
        "No error",
        "Warning: Unmatched end tag",
        "Error: No XML data",
        "Error: First token not start tag",
        "Error: Missing start tag name",
        "Error: Missing end tag name",
        "Error: Unmatched quote",
        "Error: Unmatched end tag",
        "Error: Unmatched clear tag end",
        "Error: Unexpected token found",
        "Error: Invalid tag found",
        "Error: No elements found",
        "Error: File not found",
        "Error: First Tag not found",
        "Error: Unknown character entity",
        "Error: unable to convert between UNICODE and MultiByte chars",
        "Error: unable to open file for writing",
        "Error: cannot write into file",
        "Warning: Base64-string length is not a multiple of 4",
        "Error: Base64-string contains an illegal character",
        "Warning: Base64-string is truncated",
        "Error: Base64 decode output buffer is too small",
        "Error: Elements nested too deeply",
        "Error: Not enough memory",
    };
    constexpr int kCount = static_cast<int>(sizeof(kMessages) / sizeof(kMessages[0]));
    return (code >= 0 && code < kCount) ? kMessages[code] : "Unknown";
}

}  // namespace dw
