// Reading compiled programs into statements.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "script/DecodedProgram.h"

namespace {

using dw::Op;
using dw::ScriptVariant;
using dw::Source;

dw::DecodedProgram Decode(const std::string& text, ScriptVariant variant = ScriptVariant::Text) {
    return dw::DecodeProgram(text, variant);
}

Op OpOf(const std::string& line, ScriptVariant variant = ScriptVariant::Text) {
    const auto program = Decode(line, variant);
    return program.lines.empty() ? Op::Nothing : program.lines[0].op;
}

TEST(ProgramLines, CutTrimAndStopAtTheFirstEmptyLine) {
    const auto lines = dw::ProgramLines("G = 1 \r\n\t M\r\n \r\nN\r\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "G = 1");
    EXPECT_EQ(lines[1], "M");
    EXPECT_TRUE(dw::ProgramLines("").empty());
    EXPECT_TRUE(dw::ProgramLines(" \r\nM").empty());
    EXPECT_EQ(dw::ProgramLines("M\nN").size(), 2u);
    // Other blanks are not trimmed, and a NUL ends the text.
    EXPECT_EQ(dw::ProgramLines("\vM").size(), 1u);
    EXPECT_EQ(dw::ProgramLines(std::string("M\nN\0\nM", 7)).size(), 2u);
}

TEST(Decoder, AssignmentOperands) {
    auto p = Decode("G = 1/3\nP = G\nG = P\nP Q P\nG = G\nG = abc\nG x 5\nG =");
    ASSERT_EQ(p.lines.size(), 8u);
    EXPECT_EQ(p.lines[0].op, Op::ValueAssign);
    EXPECT_DOUBLE_EQ(p.lines[0].a.number, 1.0 / 3.0);
    EXPECT_EQ(p.lines[1].op, Op::DataAssign);
    EXPECT_EQ(p.lines[1].a.source, Source::Value);
    EXPECT_EQ(p.lines[2].a.source, Source::Data);
    EXPECT_EQ(p.lines[3].a.source, Source::Constant);  // data's own letter reads as 0
    EXPECT_EQ(p.lines[3].a.number, 0.0);
    EXPECT_EQ(p.lines[4].a.source, Source::Constant);
    EXPECT_EQ(p.lines[5].a.number, 0.0);
    EXPECT_EQ(p.lines[6].op, Op::Nothing);
    EXPECT_EQ(p.lines[7].op, Op::SyntaxError);
}

TEST(Decoder, FractionsNeedBothNumbers) {
    auto p = Decode("G = 5/\nG = /3\nG = 6/4x\nG = 1/0");
    EXPECT_EQ(p.lines[0].a.number, 5.0);
    EXPECT_EQ(p.lines[1].a.number, 0.0);
    EXPECT_EQ(p.lines[2].a.number, 1.5);
    EXPECT_TRUE(std::isinf(p.lines[3].a.number));
}

TEST(Decoder, LinkForms) {
    auto p = Decode("C E 10 F 2\nC o 5\nC s 2\nC E 5\nC x 5\nC\nC E 10 F");
    EXPECT_EQ(p.lines[0].op, Op::Link);
    EXPECT_EQ(p.lines[0].n1, 10);
    EXPECT_EQ(p.lines[0].n2, 2);
    EXPECT_EQ(p.lines[1].op, Op::LinkOffset);
    EXPECT_EQ(p.lines[1].n1, 5);
    EXPECT_EQ(p.lines[2].op, Op::LinkServer);
    EXPECT_EQ(p.lines[3].op, Op::SyntaxError);  // link offset N written out
    EXPECT_EQ(p.lines[4].op, Op::SyntaxError);
    EXPECT_EQ(p.lines[5].op, Op::SyntaxError);
    EXPECT_EQ(p.lines[6].op, Op::SyntaxError);
}

TEST(Decoder, SetForms) {
    auto p = Decode("n E 200 F 2 = G\nn E 200 = 7\nn E 200 =\nn E x = 1\nn E 5 F 2 = 9x");
    EXPECT_EQ(p.lines[0].op, Op::Set);
    EXPECT_EQ(p.lines[0].n1, 200);
    EXPECT_EQ(p.lines[0].n2, 2);
    EXPECT_EQ(p.lines[0].a.source, Source::Value);
    EXPECT_EQ(p.lines[1].op, Op::SetSameServer);
    EXPECT_EQ(p.lines[1].a.integer, 7);
    EXPECT_EQ(p.lines[2].op, Op::SyntaxError);
    EXPECT_EQ(p.lines[3].op, Op::SyntaxError);
    EXPECT_EQ(p.lines[4].a.integer, 9);
}

TEST(Decoder, WordCounts) {
    EXPECT_EQ(OpOf("b 5"), Op::SyntaxError);
    EXPECT_EQ(OpOf("b G"), Op::RoundValue);
    EXPECT_EQ(OpOf("c P"), Op::IntData);
    EXPECT_EQ(OpOf("c"), Op::SyntaxError);
    EXPECT_EQ(OpOf("E 12"), Op::Offset);
    EXPECT_EQ(OpOf("E x"), Op::SyntaxError);
    EXPECT_EQ(OpOf("L G Z"), Op::ControlSyntaxError);
    EXPECT_EQ(OpOf("L G Z 5"), Op::If);
    EXPECT_EQ(OpOf("v"), Op::SyntaxError);
    EXPECT_EQ(OpOf("v 100"), Op::SetWidth);
    EXPECT_EQ(OpOf("p 1"), Op::SyntaxError);
    EXPECT_EQ(OpOf("p 1 2"), Op::ChangeColour);
    EXPECT_EQ(OpOf("A"), Op::SyntaxError);
    EXPECT_EQ(OpOf("A %d"), Op::SyntaxError);
    EXPECT_EQ(OpOf("A %.1f"), Op::Print);
    EXPECT_EQ(OpOf("s a.bmp", ScriptVariant::Image), Op::SetFile);
    EXPECT_EQ(OpOf("s", ScriptVariant::Image), Op::SyntaxError);
}

TEST(Decoder, ChangeColourPassesOverWith) {
    auto p = Decode("p 255 o 65280\np 255 o");
    EXPECT_EQ(p.lines[0].b.integer, 65280);
    EXPECT_EQ(p.lines[1].b.integer, 0);
}

TEST(Decoder, TextsOfStatements) {
    auto p = Decode("l LINE 1\\nLINE 2\nl GEAR DOWN\nl\nk P", ScriptVariant::Text);
    EXPECT_EQ(p.lines[0].op, Op::PrintText);
    EXPECT_EQ(p.texts[p.lines[0].text], "LINE 1\nLINE 2");
    EXPECT_EQ(p.lines[1].op, Op::PrintPacked);
    EXPECT_EQ(p.lines[1].a.source, Source::Value);
    EXPECT_EQ(p.lines[2].a.source, Source::Data);
    EXPECT_EQ(p.lines[3].a.source, Source::Data);
    auto f = Decode("s c:\\sounds\\gear up.wav", ScriptVariant::Audio);
    EXPECT_EQ(f.texts[f.lines[0].text], "c:\\sounds\\gear up.wav");
}

TEST(Decoder, PlayLoop) {
    auto p = Decode("h i\nh\nh x", ScriptVariant::Audio);
    EXPECT_EQ(p.lines[0].sub, 1);
    EXPECT_EQ(p.lines[1].sub, 0);
    EXPECT_EQ(p.lines[2].sub, 0);
}

TEST(Decoder, StatementSetsOfTheKinds) {
    struct Row {
        const char* line;
        const char* accepted;  // letters of the variants that accept it: a i c p t
    };
    const Row rows[] = {
        {"0", "aicpt"}, {"2", "aicpt"},     {"M", "icpt"},     {"O", "icpt"}, {"v 1", "ipt"},
        {"w 1", "ipt"}, {"s f.wav", "aic"}, {"p 1 2", "icpt"}, {"q 1", "pt"}, {"t 1", "pt"},
        {"x 1", "p"},   {"z 1", "p"},       {"h", "a"},        {"j", "a"},    {"A %f", "t"},
        {"l x", "t"},   {"g", "t"},         {"d", "t"},        {"e", "t"},    {"G = 1", "aicpt"},
        {"B2", ""},     {"D x", ""},        {"m", ""},         {"Q 5", ""},   {"=", ""},
        {"print", ""},
    };
    const std::pair<char, ScriptVariant> variants[] = {
        {'a', ScriptVariant::Audio},      {'i', ScriptVariant::Image},
        {'c', ScriptVariant::ImageClick}, {'p', ScriptVariant::Primitive},
        {'t', ScriptVariant::Text},
    };
    for (const Row& row : rows) {
        for (const auto& [letter, variant] : variants) {
            const bool accepted = std::string(row.accepted).find(letter) != std::string::npos;
            EXPECT_EQ(OpOf(row.line, variant) != Op::SyntaxError, accepted)
                << row.line << " in variant " << letter;
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
        else if (c == 'K' && depth == 1)
            --depth;
        else if (c == 'H' || c == '!')
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
        const auto p = Decode(text);
        for (std::size_t i = 0; i < p.lines.size(); ++i) {
            if (p.firstChar[i] != 'L' && p.firstChar[i] != 'K') continue;
            ASSERT_EQ(p.lines[i].jump, ScanFrom(p.firstChar, i)) << text << " line " << i + 1;
        }
    }
}

}  // namespace
