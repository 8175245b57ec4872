// Reading compiled programs into statements: the statements each kind accepts (with their
// word counts); the lines a run reads and where the if/else skips stop are run by the
// interpreter tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "script/DecodedProgram.h"

namespace {

using dw::Op;
using dw::ScriptVariant;

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

}  // namespace
