// Reading compiled programs into statements: the lines a run reads, the statements each kind
// accepts (with their word counts), and where the if/else skips stop.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "script/DecodedProgram.h"

namespace {

using dw::Op;
using dw::ScriptVariant;

TEST(ProgramLines, CutTrimAndStopAtTheFirstEmptyLine) {
    EXPECT_EQ(dw::ProgramLines("G = 1 \r\n\t M\r\n \r\nN\r\n"),
              (std::vector<std::string_view>{"G = 1", "M"}));
    EXPECT_EQ(dw::ProgramLines("M\nN").size(), 2u);
    // Other blanks are not trimmed, and a NUL ends the text.
    EXPECT_EQ(dw::ProgramLines("\vM").size(), 1u);
    EXPECT_EQ(dw::ProgramLines(std::string("M\nN\0\nM", 7)).size(), 2u);
}

TEST(Decoder, StatementsEachKindAcceptsWithTheirWordCounts) {
    // Rows separated by ";": a compiled line, "|", the letters of the variants that accept it
    // (a audio, i image, c image click program, p basic graph, t text).
    const std::string table =
        "0|aicpt;1|aicpt;2|aicpt;3|aicpt;M|icpt;N|icpt;J|icpt;I|icpt;O|icpt;v 1|ipt;w 1|ipt;v|;"
        "s f.wav|aic;s|;p 1 2|icpt;p 1|;q 1|pt;r 1|pt;t 1|pt;u 1|pt;q|;x 1|p;y 1|p;z 1|p;h|a;"
        "h i|a;j|a;A %f|t;A|;A %d|;l x|t;k|t;a|t;g|t;f|t;d|t;e|t;G = 1|aicpt;G =|;P Q G|aicpt;"
        "b G|aicpt;c P|aicpt;b 5|;c|;E 12|aicpt;E x|;F 2|aicpt;C E 10 F 2|aicpt;C o 5|aicpt;"
        "C s 2|aicpt;C E 5|;C E 3x F 1|;C x 5|;C|;C E 10 F|;n E 2 F 2 = G|aicpt;n E 2 = 7|aicpt;"
        "n E 200 =|;n E x = 1|;L G Z|;B2|;D x|;m|;Q 5|;=|;print|";
    const std::pair<char, ScriptVariant> variants[] = {
        {'a', ScriptVariant::Audio},      {'i', ScriptVariant::Image},
        {'c', ScriptVariant::ImageClick}, {'p', ScriptVariant::Primitive},
        {'t', ScriptVariant::Text},
    };
    for (std::size_t start = 0; start < table.size();) {
        const std::size_t bar = table.find('|', start);
        const std::size_t end = std::min(table.find(';', bar), table.size());
        const std::string line = table.substr(start, bar - start);
        const std::string accepting = table.substr(bar + 1, end - bar - 1);
        start = end + 1;
        for (const auto& [letter, variant] : variants) {
            const auto program = dw::DecodeProgram(line, variant);
            ASSERT_EQ(program.lines.size(), 1u) << line;
            const Op op = program.lines[0].op;
            const bool accepted = op != Op::SyntaxError && op != Op::ControlSyntaxError;
            EXPECT_EQ(accepted, accepting.find(letter) != std::string::npos)
                << line << " in variant " << letter;
        }
    }
}

// The forward skip as worded: counter from 1, "L" adds, "K" at 1 and "H"/"!" subtract.
int ScanFrom(const std::vector<char>& first, std::size_t start) {
    int depth = 1;
    for (std::size_t j = start + 1; j < first.size(); ++j) {
        const char c = first[j];
        if (c == 'L')
            ++depth;
        else if ((c == 'K' && depth == 1) || c == 'H' || c == '!')
            --depth;
        if (depth == 0) return static_cast<int>(j);
    }
    return -1;
}

TEST(Decoder, SkipTargetsMatchTheForwardScan) {
    std::mt19937 random(77);
    const char letters[] = {'L', 'K', 'H', '!', 'M'};
    for (int round = 0; round < 5000; ++round) {
        std::string text;
        const int count = 1 + static_cast<int>(random() % 14);
        for (int i = 0; i < count; ++i) {
            const char c = letters[random() % sizeof letters];
            text += c == 'L' ? std::string("L G Z 1") : std::string(1, c);
            text += "\r\n";
        }
        const auto p = dw::DecodeProgram(text, ScriptVariant::Text);
        for (std::size_t i = 0; i < p.lines.size(); ++i) {
            if (p.firstChar[i] != 'L' && p.firstChar[i] != 'K') continue;
            ASSERT_EQ(p.lines[i].jump, ScanFrom(p.firstChar, i)) << text << " line " << i + 1;
        }
    }
}

}  // namespace
