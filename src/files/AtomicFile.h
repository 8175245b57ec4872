#pragma once
// Replacing a file safely: the bytes go to a temporary file in the target's folder, which
// is flushed to disk and then renamed over the target. A write that fails or is interrupted
// leaves the previous file as it was.
#include <string>
#include <string_view>

namespace dw {

struct AtomicWriteResult {
    bool ok = false;
    std::string error;  // what went wrong, for the user ("" on success)
};

// path is used as given (bytes of the system's file name). An existing target keeps its
// permissions; a new one gets the usual permissions for new files.
AtomicWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace dw
