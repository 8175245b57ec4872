#include "script/KeywordTable.h"

#include <array>

namespace dw {

namespace {

// Longer keywords precede the shorter ones they contain; operators first get one blank
// behind them, blank runs collapse, then operator-plus-blank becomes the opcode.
constexpr std::array<KeywordRow, 77> kRows{{
    {"play", "h ", false},             // 1 play sound
    {"loop", "i", false},              // 2 loop modifier of play
    {"stop", "j", false},              // 3 stop sound
    {"print_str", "l", false},         // 4
    {"print_ident", "k", false},       // 5
    {"print_adf", "e", false},         // 6
    {"print_xpndr", "d", false},       // 7
    {"print_com", "g", false},         // 8
    {"print_nav", "f", false},         // 9
    {"print_frq", "a", false},         // 10
    {"print ", "A ", false},           // 11 print number
    {"round", "b ", false},            // 12
    {"int", "c ", false},              // 13 truncate
    {"factor ", "B", false},           // 14
    {"link ", "C ", false},            // 15
    {"replace ", "D ", false},         // 16
    {"offset ", "E ", false},          // 17
    {"server ", "F ", false},          // 18
    {"value", "G", false},             // 19 value register
    {"endifs", "!", false},            // 20 close all open ifs
    {"endif", "H", false},             // 21
    {"movev", "I", false},             // 22
    {"moveh", "J", false},             // 23
    {"else", "K", false},              // 24
    {"if ", "L ", false},              // 25
    {"dwshow", "2", false},            // 26 show the player window
    {"dwhide", "3", false},            // 27 hide the player window
    {"show", "M", false},              // 28
    {"hide", "N", false},              // 29
    {"rotate", "O", false},            // 30
    {"data", "P", false},              // 31 data register
    {"setcolor", "q ", false},         // 32
    {"setbackcolor", "r ", false},     // 33
    {"key", "m", false},               // 34
    {"with", "o", false},              // 35 separator of changecolor
    {"changecolor", "p ", false},      // 36
    {"setfile ", "s ", false},         // 37
    {"setwidth ", "v ", false},        // 38
    {"setheight ", "w ", false},       // 39
    {"setbordercolor ", "t ", false},  // 40
    {"setborderwidth ", "u ", false},  // 41
    {"setstart ", "x ", false},        // 42
    {"setend ", "y ", false},          // 43
    {"setpos ", "z ", false},          // 44
    {"set", "n", false},               // 45 send a value to a server
    {"switchoff", "0", false},         // 46
    {"switchon", "1", false},          // 47
    {"+=", "+= ", false},              // 48
    {"-=", "-= ", false},              // 49
    {"*=", "*= ", false},              // 50
    {"/=", "/= ", false},              // 51
    {"<=", "<= ", false},              // 52
    {"=<", "=< ", false},              // 53
    {"=>", "=> ", false},              // 54
    {">=", ">= ", false},              // 55
    {"!=", "!= ", false},              // 56
    {"<>", "<> ", false},              // 57
    {"==", "== ", false},              // 58
    {"  ", " ", true},                 // 59
    {"+= ", "Q ", false},              // 60 add to
    {"-= ", "R ", false},              // 61 subtract from
    {"*= ", "S ", false},              // 62 multiply by
    {"/= ", "T ", false},              // 63 divide by
    {"<= ", "U ", false},              // 64 less or equal
    {"=< ", "U ", false},              // 65
    {"=> ", "V ", false},              // 66 greater or equal
    {">= ", "V ", false},              // 67
    {"!= ", "W ", false},              // 68 not equal
    {"<> ", "W ", false},              // 69
    {"== ", "X ", false},              // 70 equal
    {"<", "< ", false},                // 71
    {">", "> ", false},                // 72
    {"=", "= ", false},                // 73
    {"  ", " ", true},                 // 74
    {"< ", "Y ", false},               // 75 less
    {"> ", "Z ", false},               // 76 greater
    {"= ", "= ", false},               // 77 "=" stays assignment and equality
}};

}  // namespace

std::span<const KeywordRow> KeywordTable() {
    return kRows;
}

std::size_t ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    if (from.empty()) return 0;
    std::size_t pos = text.find(from);
    if (pos == std::string::npos) return 0;
    std::string out;
    out.reserve(text.size() + (to.size() > from.size() ? text.size() / 2 : 0));
    std::size_t start = 0;
    std::size_t count = 0;
    while (pos != std::string::npos) {
        out.append(text, start, pos - start);
        out.append(to);
        start = pos + from.size();
        ++count;
        pos = text.find(from, start);
    }
    out.append(text, start, std::string::npos);
    text.swap(out);
    return count;
}

void ApplyKeywordTable(std::string& text) {
    for (const KeywordRow& row : kRows) {
        if (row.replace == row.by) continue;  // a row that changes nothing
        if (row.repeat) {
            while (ReplaceAll(text, row.replace, row.by) > 0) {
            }
        } else {
            ReplaceAll(text, row.replace, row.by);
        }
    }
}

}  // namespace dw
