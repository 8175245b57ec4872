// Runs the built dwtool (path in the environment variable DWTOOL): "compile" shows compiled
// scripts and their primary link, "script" runs a script on a fresh element of each real kind.
// The script language itself is checked in the script tests; here the verbs' options and
// reports, and what the real element kinds make of the actions.
#include "DwtoolRun.h"

namespace {

class ScriptVerbs : public dwtooltest::DwtoolTest {
protected:
    // The compiled text exactly (compile --raw) of a source given with its own line ends.
    std::string Raw(const std::string& source, const std::string& flags = "") {
        EXPECT_EQ(Dwtool("compile --raw " + flags + " '" + dir.Write("s.txt", source) + "'"), 0);
        return out;
    }

    int Compile(const std::string& source, const std::string& flags = "") {
        return Dwtool("compile " + flags + " '" + dir.Write("c.txt", source) + "'");
    }

    // Runs a script (lines joined with LF) on a fresh element; the report is in out.
    int Script(const std::string& kind, const std::string& source, const std::string& flags = "") {
        return Dwtool("script '" + dir.Write("p.txt", source) + "' --kind " + kind + " " + flags);
    }

    // Whether the report of `Script(kind, source)` holds `part`.
    bool Shows(const std::string& kind, const std::string& source, const std::string& part,
               const std::string& flags = "") {
        Script(kind, source, flags);
        EXPECT_NE(out.find(part), std::string::npos) << source << "\n" << out;
        return out.find(part) != std::string::npos;
    }
};

TEST_F(ScriptVerbs, CompileShowsTheCompiledLinesRawOrListed) {
    EXPECT_EQ(Raw("value = 5 /* x */ // y\r\n"), "G = 5 \r\n");
    EXPECT_EQ(Raw("setcolor 255", "--border-only --click"), "q 255");
    EXPECT_EQ(Compile("link offset 3000 server 1\nvalue /= 2\n"), 0);
    EXPECT_EQ(out.substr(0, out.find('\n') + 1), "compiled main program, 2 lines:\n");
    EXPECT_NE(out.find("primary link: offset 3000 server 1\n"), std::string::npos) << out;
    EXPECT_EQ(Dwtool("compile --kind gauge x"), 2);
    EXPECT_EQ(Dwtool("compile missing-file.txt"), 1);
}

TEST_F(ScriptVerbs, ScriptReportsEveryRun) {
    EXPECT_EQ(Script("image",
                     "link offset 10 server 1\nvalue /= 2\ndata = value\nrotate\n"
                     "set offset 200 server 2 = value\n",
                     "--var 1:10=9,40 --runs 2"),
              0);
    EXPECT_EQ(out.substr(0, out.find('\n') + 1),
              "element: image, 100 x 100 at (10, 10), main program\n");
    EXPECT_NE(out.find("run 2: ok\n  value = 20, data = 20\n  changed: rotation: 4.5 -> 20\n"
                       "  action: rotate 20 (fill 0)\n  sent: link 2: 200=20\n"),
              std::string::npos)
        << out;
    Shows("audio", "link offset 10 server 1\nvalue /= 2\n",
          "run 2: skipped (the variable kept its value 9)\n", "--var 1:10=9 --runs 2");
    Shows("text", "value = 3.14159\nprint %05.1f value\n",
          "changed: text: \"123.45\" -> \"003.1\"\n");
}

TEST_F(ScriptVerbs, ScriptErrorsShowTheEditorsReportAndBadUseIsRefused) {
    EXPECT_EQ(Script("image", "// head\nvalue = 1\nround 5\n", "--runs 3"), 1);
    EXPECT_NE(out.find("the player closes after an error: no further runs\n"), std::string::npos);
    EXPECT_EQ(out.find("run 2"), std::string::npos) << out;
    EXPECT_NE(out.find("run 1: error 1 (syntax error) at line 2\n"), std::string::npos);
    EXPECT_NE(out.find("  | -->round 5\n"), std::string::npos) << out;
    EXPECT_NE(out.find("recorded in RunTime: LastError=1 LastLine=2 Element=1\n"),
              std::string::npos);
    Shows("image", "data = 1\nrotate\nsetwidth 3\n", "run 1: error -1 (syntax error) at line 3",
          "--click");
    EXPECT_EQ(Dwtool("script missing.txt --kind text"), 1);
    for (const char* bad : {"script x.txt", "script x.txt --kind text --var 1=2"})
        EXPECT_EQ(Dwtool(bad), 2) << bad;
}

}  // namespace
