#pragma once
// ProgramText: a compiled program's text with a stamp that names its content.
//
// Every assignment takes a new stamp from one process-wide counter, and a copy carries the
// stamp along with the text; the text is only ever read from outside. So two texts with the
// same stamp hold the same characters, and whoever keeps work derived from a text (the script
// engine's decoded program) can tell that the text is still the one it read by comparing
// stamps, without reading the text again.
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

namespace dw {

class ProgramText {
public:
    ProgramText() : stamp_(NewStamp()) {}
    ProgramText(std::string text) : text_(std::move(text)), stamp_(NewStamp()) {}
    ProgramText(const char* text) : ProgramText(std::string(text)) {}
    // Copies only: a text moved away would leave its stamp on other content.
    ProgramText(const ProgramText&) = default;
    ProgramText& operator=(const ProgramText&) = default;

    ProgramText& operator=(std::string text) {
        text_ = std::move(text);
        stamp_ = NewStamp();
        return *this;
    }
    ProgramText& operator=(const char* text) { return *this = std::string(text); }

    const std::string& str() const { return text_; }
    operator const std::string&() const { return text_; }
    operator std::string_view() const { return text_; }
    const char* data() const { return text_.data(); }
    std::size_t size() const { return text_.size(); }
    bool empty() const { return text_.empty(); }
    // Equal stamps mean equal texts; different stamps say nothing.
    std::uint64_t Stamp() const { return stamp_; }

    bool operator==(std::string_view other) const { return std::string_view(text_) == other; }
    friend std::ostream& operator<<(std::ostream& out, const ProgramText& text) {
        return out << text.text_;
    }

private:
    // A stamp no text has had before (one counter for the whole process).
    static std::uint64_t NewStamp();

    std::string text_;
    std::uint64_t stamp_;
};

}  // namespace dw
