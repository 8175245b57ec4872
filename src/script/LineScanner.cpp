#include "script/LineScanner.h"

#include "script/NumberText.h"

namespace dw {

void LineScanner::SkipBlanks() {
    while (pos_ < line_.size() && IsScanBlank(line_[pos_])) ++pos_;
}

bool LineScanner::Word(std::string_view& word) {
    SkipBlanks();
    if (pos_ >= line_.size()) return false;
    const std::size_t start = pos_;
    while (pos_ < line_.size() && !IsScanBlank(line_[pos_])) ++pos_;
    word = line_.substr(start, pos_ - start);
    return true;
}

bool LineScanner::Int(std::int32_t& value) {
    SkipBlanks();
    std::size_t used = 0;
    const std::int32_t parsed = LeadingInt(line_.substr(pos_), &used);
    if (used == 0) return false;
    pos_ += used;
    value = parsed;
    return true;
}

bool LineScanner::AtEnd() {
    SkipBlanks();
    return pos_ >= line_.size();
}

}  // namespace dw
