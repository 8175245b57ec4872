#include "script/ScriptCompiler.h"

#include <string_view>

#include "script/KeywordTable.h"
#include "script/LineScanner.h"
#include "script/NumberText.h"
#include "script/StripComments.h"

namespace dw {

std::string CompileSource(const std::string& source, bool borderColorOnly) {
    std::string text = source;
    if (text.empty()) return text;
    StripComments(text);
    if (borderColorOnly) ReplaceAll(text, "setcolor ", "setbordercolor ");
    ApplyKeywordTable(text);
    return text;
}

namespace {

// Matches a literal word at the reading position; blanks in front are skipped first, as a
// blank in a scanning format matches any run of blanks, including none.
bool Literal(std::string_view text, std::size_t& pos, std::string_view word) {
    while (pos < text.size() && IsScanBlank(text[pos])) ++pos;
    if (text.substr(pos, word.size()) != word) return false;
    pos += word.size();
    return true;
}

bool Integer(std::string_view text, std::size_t& pos, std::int32_t& value) {
    while (pos < text.size() && IsScanBlank(text[pos])) ++pos;
    std::size_t used = 0;
    value = LeadingInt(text.substr(pos), &used);
    pos += used;
    return used > 0;
}

}  // namespace

std::optional<PrimaryLink> ParseLinkText(const std::string& mainProgram) {
    std::string text = mainProgram;
    StripComments(text);
    const std::size_t at = text.find("link offset");
    if (at == std::string::npos) return std::nullopt;
    const std::string_view view(text);
    std::size_t pos = at;
    PrimaryLink link;
    if (!Literal(view, pos, "link") || !Literal(view, pos, "offset") ||
        !Integer(view, pos, link.offset) || !Literal(view, pos, "server") ||
        !Integer(view, pos, link.server))
        return std::nullopt;
    return link;
}

}  // namespace dw
