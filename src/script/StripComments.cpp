#include "script/StripComments.h"

namespace dw {

namespace {

// Every "/*" that has a "*/" at or after its own position is cut out together with it,
// searching again from the start after each cut. Nothing before the cut can form a new
// opening, except the character just in front of it, so the search resumes there.
void RemoveBlockComments(std::string& text) {
    std::size_t from = 0;
    for (;;) {
        const std::size_t open = text.find("/*", from);
        if (open == std::string::npos) return;
        const std::size_t close = text.find("*/", open);
        if (close == std::string::npos) return;
        text.erase(open, close + 2 - open);
        from = open > 0 ? open - 1 : 0;
    }
}

// Every "//" followed somewhere by a CR LF loses the text up to that line end.
void RemoveLineComments(std::string& text) {
    std::size_t from = 0;
    for (;;) {
        const std::size_t open = text.find("//", from);
        if (open == std::string::npos) return;
        const std::size_t end = text.find("\r\n", open);
        if (end == std::string::npos) return;
        text.erase(open, end - open);
        from = open > 0 ? open - 1 : 0;
    }
}

// Replacing "\r\n\r\n" by "\r\n" until none is left leaves one line end of every run.
void CollapseLineEnds(std::string& text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\r\n";
            i += 2;
            while (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') i += 2;
        } else {
            out += text[i++];
        }
    }
    text.swap(out);
}

}  // namespace

void StripComments(std::string& text) {
    RemoveBlockComments(text);
    RemoveLineComments(text);
    CollapseLineEnds(text);
    if (text.size() >= 2 && text[0] == '\r' && text[1] == '\n') text.erase(0, 2);
}

}  // namespace dw
