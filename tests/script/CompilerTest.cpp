// The keyword table and the compiled form of sources.
#include <gtest/gtest.h>

#include <string>

#include "script/KeywordTable.h"
#include "script/ScriptCompiler.h"

namespace {

std::string Compile(const std::string& source, bool borderColorOnly = false) {
    return dw::CompileSource(source, borderColorOnly);
}

TEST(KeywordTable, HasTheSeventySevenRowsInOrder) {
    const auto table = dw::KeywordTable();
    ASSERT_EQ(table.size(), 77u);
    EXPECT_EQ(table[0].replace, "play");
    EXPECT_EQ(table[10].replace, "print ");
    EXPECT_EQ(table[13].by, "B");
    EXPECT_EQ(table[44].replace, "set");
    EXPECT_EQ(table[44].by, "n");
    EXPECT_TRUE(table[58].repeat);
    EXPECT_TRUE(table[73].repeat);
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (i == 58 || i == 73) continue;
        EXPECT_FALSE(table[i].repeat) << "row " << i + 1;
    }
    EXPECT_EQ(table[76].replace, "= ");
    EXPECT_EQ(table[76].by, "= ");
}

TEST(KeywordTable, ReplaceAllIsLeftToRightAndNonOverlapping) {
    std::string text = "aaaa";
    EXPECT_EQ(dw::ReplaceAll(text, "aa", "b"), 2u);
    EXPECT_EQ(text, "bb");
    text = "aaa";
    EXPECT_EQ(dw::ReplaceAll(text, "aa", "a"), 1u);
    EXPECT_EQ(text, "aa");
}

TEST(Compiler, CommentsAndLineEnds) {
    EXPECT_EQ(Compile("value = 5 /* x */ // y\r\n"), "G = 5 \r\n");
    // As the last line without a line end the comment stays and is compiled too.
    EXPECT_EQ(Compile("value = 5 /* x */ // y"), "G = 5 // y");
    EXPECT_EQ(Compile("// a\r\n\r\n/* b */\r\n"), "");
    EXPECT_EQ(Compile("   // note\r\nshow\r\n"), " \r\nM\r\n");
    EXPECT_EQ(Compile(""), "");
}

TEST(Compiler, ComparisonOperators) {
    EXPECT_EQ(Compile("if value >= 10"), "L G V 10");
    EXPECT_EQ(Compile("if value =>10"), "L G V 10");
    EXPECT_EQ(Compile("if value <>0"), "L G W 0");
    EXPECT_EQ(Compile("if value < 3"), "L G Y 3");
    EXPECT_EQ(Compile("if value=>10"), "L GV 10");
    EXPECT_EQ(Compile("if value == 1"), "L G X 1");
    EXPECT_EQ(Compile("if value != 1"), "L G W 1");
    EXPECT_EQ(Compile("if value > 1"), "L G Z 1");
    EXPECT_EQ(Compile("if value <= 1"), "L G U 1");
    EXPECT_EQ(Compile("if value =< 1"), "L G U 1");
}

TEST(Compiler, AssignmentOperators) {
    EXPECT_EQ(Compile("value +=5"), "G Q 5");
    EXPECT_EQ(Compile("value+=5"), "GQ 5");
    EXPECT_EQ(Compile("value -= 5"), "G R 5");
    EXPECT_EQ(Compile("data *= 2"), "P S 2");
    EXPECT_EQ(Compile("data /= 2"), "P T 2");
    EXPECT_EQ(Compile("value = 1"), "G = 1");
    EXPECT_EQ(Compile("data = value"), "P = G");
}

TEST(Compiler, ControlKeywords) {
    EXPECT_EQ(Compile("endifs"), "!");
    EXPECT_EQ(Compile("endif"), "H");
    EXPECT_EQ(Compile("else"), "K");
    EXPECT_EQ(Compile("if value > 5\r\nshow\r\nelse\r\nhide\r\nendif\r\n"),
              "L G Z 5\r\nM\r\nK\r\nN\r\nH\r\n");
}

TEST(Compiler, KeywordsInsideWordsAreRewrittenToo) {
    EXPECT_EQ(Compile("setfile show.wav"), "s M.wav");
    EXPECT_EQ(Compile("setfile paint.wav"), "s pac .wav");
    EXPECT_EQ(Compile("reset"), "ren");
    EXPECT_EQ(Compile("IF Value"), "IF Value");
    EXPECT_EQ(Compile("print_str show"), "l M");
    EXPECT_EQ(Compile("print_str a=b"), "l a= b");
    EXPECT_EQ(Compile("print_str A<B"), "l AY B");
    EXPECT_EQ(Compile("print_str A  B"), "l A B");
    // "print" without a blank is no print statement; its "int" is truncation.
    EXPECT_EQ(Compile("print"), "prc ");
}

TEST(Compiler, StatementOpcodes) {
    EXPECT_EQ(Compile("link offset 3000 server 1"), "C E 3000 F 1");
    EXPECT_EQ(Compile("play loop"), "h i");
    EXPECT_EQ(Compile("play"), "h ");
    EXPECT_EQ(Compile("stop"), "j");
    EXPECT_EQ(Compile("dwshow\r\ndwhide\r\nshow\r\nhide"), "2\r\n3\r\nM\r\nN");
    EXPECT_EQ(Compile("switchoff\r\nswitchon"), "0\r\n1");
    EXPECT_EQ(Compile("rotate\r\nmoveh\r\nmovev"), "O\r\nJ\r\nI");
    EXPECT_EQ(Compile("round value\r\nint data"), "b G\r\nc P");
    EXPECT_EQ(Compile("set offset 200 server 2 = value"), "n E 200 F 2 = G");
    EXPECT_EQ(Compile("changecolor 255 with 0"), "p 255 o 0");
    EXPECT_EQ(Compile("setwidth 100\r\nsetheight 20"), "v 100\r\nw 20");
    EXPECT_EQ(Compile("setbackcolor 5\r\nsetborderwidth 2"), "r 5\r\nu 2");
    EXPECT_EQ(Compile("setstart 1\r\nsetend 2\r\nsetpos 3"), "x 1\r\ny 2\r\nz 3");
    EXPECT_EQ(Compile("print %05.1f value"), "A %05.1f G");
    EXPECT_EQ(Compile("print_com\r\nprint_nav\r\nprint_frq"), "g\r\nf\r\na");
    EXPECT_EQ(Compile("print_xpndr\r\nprint_adf\r\nprint_ident"), "d\r\ne\r\nk");
    EXPECT_EQ(Compile("factor 2 key 3"), "B2 m 3");
}

TEST(Compiler, SetColourOnShapesWithoutFill) {
    EXPECT_EQ(Compile("setcolor 255", true), "t 255");
    EXPECT_EQ(Compile("setcolor 255", false), "q 255");
    // The rewrite needs the blank after the keyword.
    EXPECT_EQ(Compile("setcolor\t255", true), "q \t255");
}

TEST(ParseLink, ReadsTheFirstLinkStatement) {
    auto link = dw::ParseLinkText("link offset 3000 server 1\r\n");
    ASSERT_TRUE(link.has_value());
    EXPECT_EQ(link->offset, 3000);
    EXPECT_EQ(link->server, 1);

    link = dw::ParseLinkText(
        "if value > 1\r\nlink offset 12  server\t2\r\nendif\r\n"
        "link offset 7 server 1\r\n");
    ASSERT_TRUE(link.has_value());
    EXPECT_EQ(link->offset, 12);
    EXPECT_EQ(link->server, 2);
}

TEST(ParseLink, IncompleteOrCommentedLinksLeaveItUnchanged) {
    EXPECT_FALSE(dw::ParseLinkText("link offset 3000\r\n").has_value());
    EXPECT_FALSE(dw::ParseLinkText("// link offset 3 server 1\r\nshow\r\n").has_value());
    EXPECT_FALSE(dw::ParseLinkText("/* link offset 3 server 1 */").has_value());
    EXPECT_FALSE(dw::ParseLinkText("link  offset 3 server 1").has_value());
    EXPECT_FALSE(dw::ParseLinkText("").has_value());
    // Only the first "link offset" counts, even when it is incomplete.
    EXPECT_FALSE(dw::ParseLinkText("link offset x\r\nlink offset 1 server 1").has_value());
}

TEST(ParseLink, NumbersFollowScanningRules) {
    auto link = dw::ParseLinkText("link offset -5 server +2");
    ASSERT_TRUE(link.has_value());
    EXPECT_EQ(link->offset, -5);
    EXPECT_EQ(link->server, 2);
    link = dw::ParseLinkText("link offset3server1");
    ASSERT_TRUE(link.has_value());
    EXPECT_EQ(link->offset, 3);
    EXPECT_FALSE(dw::ParseLinkText("link offset 3x server 1").has_value());
}

}  // namespace
