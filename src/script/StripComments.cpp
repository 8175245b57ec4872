#include "script/StripComments.h"

namespace dw {

namespace {

// Cuts out every "/*" that has a "*/" at or after its own position, as if searching again
// from the start after each cut, in one pass: the kept text is built in out, which never
// holds a "/*". After a cut only a '/' at the end of out followed by a '*' of the rest can
// form a new opening, and it is the first one; its "*/" may begin at that '*' ("/*/").
void RemoveBlockComments(std::string& text) {
    std::string out;
    std::size_t i = 0;
    for (;;) {
        if (!out.empty() && out.back() == '/' && i < text.size() && text[i] == '*') {
            const std::size_t close = text.find("*/", i);
            if (close == std::string::npos) break;
            out.pop_back();
            i = close + 2;
            continue;
        }
        const std::size_t open = text.find("/*", i);
        if (open == std::string::npos) break;
        const std::size_t close = text.find("*/", open);
        if (close == std::string::npos) break;
        out.append(text, i, open - i);
        i = close + 2;
    }
    if (i == 0) return;  // nothing was cut
    out.append(text, i, std::string::npos);
    text.swap(out);
}

// Every "//" followed somewhere by a CR LF loses the text up to that line end. What follows
// a cut starts with the CR, so a cut never joins a new "//": the search simply goes on.
void RemoveLineComments(std::string& text) {
    std::string out;
    std::size_t i = 0;
    for (;;) {
        const std::size_t open = text.find("//", i);
        if (open == std::string::npos) break;
        const std::size_t end = text.find("\r\n", open);
        if (end == std::string::npos) break;
        out.append(text, i, open - i);
        i = end;
    }
    if (i == 0) return;
    out.append(text, i, std::string::npos);
    text.swap(out);
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
