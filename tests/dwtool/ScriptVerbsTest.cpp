// Runs the built dwtool (path in the environment variable DWTOOL): "compile" shows compiled
// scripts and their primary link, "script" runs a script on a fresh element of each kind.
// Every example of the script language that shows an input and its result is checked here.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/TempDir.h"

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class ScriptVerbs : public testing::Test {
protected:
    ToolRun Dwtool(const std::string& arguments) {
        ToolRun run;
        const char* tool = std::getenv("DWTOOL");
        if (!tool || !*tool) {
            ADD_FAILURE() << "DWTOOL is not set to the dwtool program";
            return run;
        }
        const std::string command = "cd '" + dir.Path().string() + "' && '" + tool + "' " +
                                    arguments + " </dev/null >'" + dir.File("out.txt") + "' 2>'" +
                                    dir.File("err.txt") + "'";
        const int status = std::system(command.c_str());
        if (status != -1 && WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
        run.out = dwtest::ReadFile(dir.File("out.txt"));
        run.err = dwtest::ReadFile(dir.File("err.txt"));
        return run;
    }

    // The compiled text exactly (compile --raw) of a source given with its own line ends.
    std::string Raw(const std::string& source, const std::string& flags = "") {
        const ToolRun run =
            Dwtool("compile --raw " + flags + " '" + dir.Write("s.txt", source) + "'");
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.out;
    }

    // Runs a script (lines joined with LF) on a fresh element and returns the report.
    ToolRun Script(const std::string& kind, const std::string& source,
                   const std::string& flags = "") {
        return Dwtool("script '" + dir.Write("p.txt", source) + "' --kind " + kind + " " + flags);
    }

    static bool Has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }

    dwtest::TempDir dir;
};

// ---- Compiler -------------------------------------------------------------------------

TEST_F(ScriptVerbs, CommentsAndLineEnds) {
    EXPECT_EQ(Raw("value = 5 /* x */ // y\r\n"), "G = 5 \r\n");
    EXPECT_EQ(Raw("value = 5 /* x */ // y"), "G = 5 // y");
    EXPECT_EQ(Raw("// only\r\n\r\n/* comments */\r\n\r\n"), "");
    EXPECT_EQ(Raw("   // note\r\nshow\r\n"), " \r\nM\r\n");
}

TEST_F(ScriptVerbs, OperatorsAndControlKeywords) {
    EXPECT_EQ(Raw("if value >= 10"), "L G V 10");
    EXPECT_EQ(Raw("if value =>10"), "L G V 10");
    EXPECT_EQ(Raw("if value <>0"), "L G W 0");
    EXPECT_EQ(Raw("if value < 3"), "L G Y 3");
    EXPECT_EQ(Raw("if value=>10"), "L GV 10");
    EXPECT_EQ(Raw("endifs"), "!");
    EXPECT_EQ(Raw("endif"), "H");
    EXPECT_EQ(Raw("else"), "K");
    EXPECT_EQ(Raw("value +=5"), "G Q 5");
    EXPECT_EQ(Raw("value+=5"), "GQ 5");
}

TEST_F(ScriptVerbs, KeywordsInsideWords) {
    EXPECT_EQ(Raw("setfile show.wav"), "s M.wav");
    EXPECT_EQ(Raw("setfile paint.wav"), "s pac .wav");
    EXPECT_EQ(Raw("reset"), "ren");
    EXPECT_EQ(Raw("IF Value"), "IF Value");
}

TEST_F(ScriptVerbs, SetColourOfShapesWithoutFill) {
    EXPECT_EQ(Raw("setcolor 255", "--border-only"), "t 255");
    EXPECT_EQ(Raw("setcolor 255"), "q 255");
}

TEST_F(ScriptVerbs, CompileShowsLinesAndThePrimaryLink) {
    const ToolRun run =
        Dwtool("compile '" + dir.Write("l.txt", "link offset 3000 server 1\nvalue /= 2\n") + "'");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "compiled main program, 2 lines:\n"
              "   1 | C E 3000 F 1\n"
              "   2 | G T 2\n"
              "primary link: offset 3000 server 1\n");
    const ToolRun alone = Dwtool("compile '" + dir.Write("a.txt", "link offset 3000\n") + "'");
    EXPECT_TRUE(Has(alone.out, "primary link: none")) << alone.out;
}

TEST_F(ScriptVerbs, CompileMarksWhatARunNeverReaches) {
    const ToolRun run = Dwtool("compile --kind audio '" +
                               dir.Write("b.txt", "value = 1\n   // note\nshow\n") + "'");
    EXPECT_EQ(run.out,
              "compiled main program, 3 lines:\n"
              "   1 | G = 1\n"
              "   2 |     <- blank line: a run stops here\n"
              "   3 | M   <- never runs\n"
              "primary link: none (no \"link offset N server M\"; the player never runs it)\n");
    const ToolRun rotate = Dwtool("compile --kind audio '" + dir.Write("c.txt", "rotate\n") + "'");
    EXPECT_TRUE(Has(rotate.out, "   1 | O   <- syntax error in an audio element\n")) << rotate.out;
}

TEST_F(ScriptVerbs, EmptyClickProgram) {
    const ToolRun run = Dwtool("compile --click '" + dir.Write("e.txt", "") + "'");
    EXPECT_EQ(run.out, "compiled click program: empty (a run does nothing)\n");
}

TEST_F(ScriptVerbs, CompileUsage) {
    EXPECT_EQ(Dwtool("compile --kind gauge x").exitCode, 2);
    EXPECT_EQ(Dwtool("compile missing-file.txt").exitCode, 1);
}

// ---- Interpreter ------------------------------------------------------------------------

TEST_F(ScriptVerbs, HalfOfTheLinkedVariable) {
    const ToolRun run = Script("image", "link offset 10 server 1\nvalue /= 2\n", "--var 1:10=9");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "primary link: offset 10 server 1\n")) << run.out;
    EXPECT_TRUE(Has(run.out, "run 1: ok\n  value = 4.5, data = 0\n")) << run.out;
}

TEST_F(ScriptVerbs, AudioRunsOnlyWhenTheVariableChanges) {
    const ToolRun run =
        Script("audio", "link offset 10 server 1\nvalue /= 2\n", "--var 1:10=9 --runs 2");
    EXPECT_TRUE(Has(run.out, "run 1: ok\n  value = 4.5")) << run.out;
    EXPECT_TRUE(Has(run.out, "run 2: skipped (the variable kept its value 9)\n")) << run.out;
}

TEST_F(ScriptVerbs, IfElseRunsOneBranch) {
    const std::string program = "link offset 1 server 1\nif value > 5\nshow\nelse\nhide\nendif\n";
    const ToolRun six = Script("image", program, "--var 1:1=6");
    EXPECT_TRUE(Has(six.out, "  changed: nothing\n")) << six.out;
    const ToolRun five = Script("image", program, "--var 1:1=5");
    EXPECT_TRUE(Has(five.out, "  changed: shown: yes -> no\n")) << five.out;
}

TEST_F(ScriptVerbs, NestedIfs) {
    const std::string program =
        "link offset 1 server 1\n"
        "if value > 0\nif value > 5\nprint_str A\nelse\nprint_str B\nendif\n"
        "else\nprint_str C\nendif\n";
    EXPECT_TRUE(Has(Script("text", program, "--var 1:1=7").out, "\"A\"\n"));
    EXPECT_TRUE(Has(Script("text", program, "--var 1:1=3").out, "\"B\"\n"));
    // The inner else met while skipping the outer then-branch does not stop the skip.
    EXPECT_TRUE(Has(Script("text", program, "--var 1:1=0").out, "\"C\"\n"));
}

TEST_F(ScriptVerbs, MissingEndif) {
    const ToolRun run = Script("image", "value = 1\nif value > 5\nshow\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Has(run.out, "run 1: error 2 (if/else/endif mismatch) at line 2\n")) << run.out;
    EXPECT_TRUE(Has(run.out, "  | If/Else/Endif not match, error at line 2 on the script:\n"))
        << run.out;
    const ToolRun fine = Script("image", "value = 9\nif value > 5\nhide\n");
    EXPECT_EQ(fine.exitCode, 0);
    EXPECT_TRUE(Has(fine.out, "run 1: ok\n")) << fine.out;
}

TEST_F(ScriptVerbs, AssignmentOperands) {
    EXPECT_TRUE(Has(Script("image", "value = 1/3\n").out, "value = 0.3333333333333333,"));
    EXPECT_TRUE(Has(Script("image", "value = 4\nvalue = abc\n").out, "value = 0,"));
    EXPECT_TRUE(Has(Script("image", "value = 4\nvalue = value\n").out, "value = 0,"));
    EXPECT_TRUE(Has(Script("image", "value = 4\ndata = value\n").out, "value = 4, data = 4\n"));
}

TEST_F(ScriptVerbs, RoundAndInt) {
    EXPECT_TRUE(Has(Script("image", "value = 2.5\nround value\n").out, "value = 3,"));
    EXPECT_TRUE(Has(Script("image", "value = -2.5\nround value\n").out, "value = -2,"));
    EXPECT_TRUE(Has(Script("image", "value = -2.7\nround value\n").out, "value = -2,"));
    EXPECT_TRUE(Has(Script("image", "value = -2.7\nint value\n").out, "value = -2,"));
    EXPECT_TRUE(Has(Script("image", "round 5\n").out, "run 1: error 1 (syntax error) at line 1"));
    EXPECT_TRUE(Has(Script("image", "round 5\n", "--click").out,
                    "run 1: error -1 (syntax error) at line 1"));
}

TEST_F(ScriptVerbs, SetSendsValues) {
    const ToolRun run = Script("image",
                               "link offset 4 server 1\nvalue = 12.9\nset offset 200 = 7\n"
                               "set offset 200 server 2 = value\nset offset 201 = 8\n",
                               "--var 1:4=1");
    EXPECT_TRUE(
        Has(run.out, "  sent: link 1: 200=7\n  sent: link 2: 200=12\n  sent: link 2: 201=8\n"))
        << run.out;
}

TEST_F(ScriptVerbs, BlankLineStopsTheRun) {
    const ToolRun run = Script("image", "value = 1\n   \nhide\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(Has(run.out, "run 1: ok\n  value = 1, data = 0\n  changed: nothing\n")) << run.out;
}

TEST_F(ScriptVerbs, StatementsOfOtherKindsAreSyntaxErrors) {
    EXPECT_TRUE(
        Has(Script("audio", "value = 1\nrotate\n").out, "error 1 (syntax error) at line 2"));
    EXPECT_TRUE(Has(Script("image", "play\n").out, "error 1 (syntax error) at line 1"));
    EXPECT_TRUE(Has(Script("image", "print\n").out, "error 1 (syntax error)"));
}

TEST_F(ScriptVerbs, ErrorReportMarksTheLine) {
    const ToolRun run = Script("image", "// head\nvalue = 1\nround 5\n");
    EXPECT_TRUE(Has(run.out,
                    "  | Sintax error at line 2 (comments line hidden) on the script:\n"
                    "  | \n"
                    "  | ---------------------------------------------------------\n"
                    "  |    value = 1\n"
                    "  | -->round 5\n"))
        << run.out;
    EXPECT_TRUE(Has(run.out, "recorded in RunTime: LastError=1 LastLine=2 Element=1\n")) << run.out;
}

// ---- Element actions --------------------------------------------------------------------

TEST_F(ScriptVerbs, RotateTakesData) {
    const ToolRun turned =
        Script("image", "link offset 2 server 1\ndata = value\nrotate\n", "--var 1:2=30");
    EXPECT_TRUE(Has(turned.out, "changed: rotation: 0 -> 30\n")) << turned.out;
    const ToolRun still = Script("image", "value = 30\nrotate\n");
    EXPECT_TRUE(Has(still.out, "changed: nothing\n")) << still.out;
}

TEST_F(ScriptVerbs, SetWidthToTheCurrentWidthDoesNothing) {
    const ToolRun run = Script("image", "setwidth 100\n");
    EXPECT_TRUE(Has(run.out, "changed: nothing\n")) << run.out;
    const ToolRun wider = Script("image", "setwidth 120\n");
    EXPECT_TRUE(Has(wider.out, "changed: rectangle: (10, 10)-(110, 110) -> (10, 10)-(130, 110)\n"))
        << wider.out;
}

TEST_F(ScriptVerbs, SetColourByShape) {
    const ToolRun fill = Script("primitive", "value = 255\nsetcolor value\n", "--shape FillRect");
    EXPECT_TRUE(Has(fill.out,
                    "changed: fill colour (colorF): 0 (0x000000: red 0, green 0, blue 0)"
                    " -> 255 (0x0000FF: red 255, green 0, blue 0)\n"))
        << fill.out;
    const ToolRun scale = Script("primitive", "value = 255\nsetcolor value\n", "--shape Scale");
    EXPECT_TRUE(Has(scale.out, "changed: border colour: ")) << scale.out;
    EXPECT_FALSE(Has(scale.out, "fill colour")) << scale.out;
}

TEST_F(ScriptVerbs, SwitchOff) {
    EXPECT_TRUE(Has(Script("text", "switchoff\n").out, "changed: global switch: on -> off\n"));
}

TEST_F(ScriptVerbs, SetFileKeepsBlanks) {
    EXPECT_TRUE(Has(Script("audio", "setfile c:\\sounds\\gear up.wav\n").out,
                    "changed: file: \"\" -> \"c:\\sounds\\gear up.wav\"\n"));
    EXPECT_TRUE(Has(Script("audio", "setfile show.wav\n").out, "-> \"M.wav\"\n"));
}

TEST_F(ScriptVerbs, PlayAndLoop) {
    EXPECT_TRUE(Has(Script("audio", "play loop\n").out, "  action: play loop\n"));
    const ToolRun once = Script("audio", "play\n");
    EXPECT_TRUE(Has(once.out, "  action: play\n")) << once.out;
}

// ---- Print formats ----------------------------------------------------------------------

struct PrintCase {
    const char* program;
    const char* shown;
};

TEST_F(ScriptVerbs, PrintFormats) {
    const PrintCase cases[] = {
        {"data = 3.14159\nprint %05.1f\n", "\"003.1\""},
        {"value = 3.14159\nprint %05.1f value\n", "\"003.1\""},
        {"print %05.1f 7\n", "\"007.0\""},
        {"print_com 9029\n", "\"123.45\""},
        {"print_com 6144\n", "\"118.00\""},
        {"print_com 2384\n", "\"109.50\""},
        {"print_com 2053\n", "\"108.05\""},
        {"print_nav 4245\n", "\"110.95\""},
        {"print_xpndr 4608\n", "\"1200\""},
        {"print_xpndr 7\n", "\"0007\""},
        {"print_xpndr -1\n", "\"ffff\""},
        {"print_adf 837\n", "\"345\""},
        {"print_adf 4660\n", "\"234\""},
        {"value = 4276545\nprint_ident value\n", "\"AAA\""},
        {"print_str LINE 1\\nLINE 2\n", "\"LINE 1\\nLINE 2\""},
        {"print_str show\n", "\"M\""},
        {"print_str a=b\n", "\"a= b\""},
        {"print_str A<B\n", "\"AY B\""},
        {"print_str A  B\n", "\"A B\""},
        {"value = 4276545\nprint_str GEAR DOWN\n", "\"AAA\""},
    };
    for (const PrintCase& c : cases) {
        const ToolRun run = Script("text", c.program);
        EXPECT_TRUE(Has(run.out, std::string("  action: print ") + c.shown + "\n"))
            << c.program << run.out;
    }
    EXPECT_TRUE(Has(Script("text", "value = 0\nprint_ident value\n").out,
                    "changed: text: \"123.45\" -> \"\"\n  action: print \"\"\n"));
    EXPECT_TRUE(Has(Script("text", "print\n").out, "error 1 (syntax error) at line 1"));
}

TEST_F(ScriptVerbs, ScriptUsage) {
    EXPECT_EQ(Dwtool("script x.txt").exitCode, 2);
    EXPECT_EQ(Dwtool("script x.txt --kind gauge").exitCode, 2);
    EXPECT_EQ(Dwtool("script x.txt --kind text --var 1=2").exitCode, 2);
    EXPECT_EQ(Dwtool("script missing.txt --kind text").exitCode, 1);
}

}  // namespace
