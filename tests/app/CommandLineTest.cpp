// The program's command line.
#include <gtest/gtest.h>

#include "app/StartUp.h"

namespace {

using dw::CommandLine;
using dw::ParseCommandLine;

TEST(CommandLine, FileAndPlaySwitchInEveryForm) {
    struct Case {
        std::vector<std::string> args;
        CommandLine::Action action;
        std::string file;
        bool play;
    };
    const Case cases[] = {
        {{}, CommandLine::Action::Edit, "", false},
        {{"/p", "panel.dwl"}, CommandLine::Action::Edit, "panel.dwl", true},
        {{"--help"}, CommandLine::Action::Help, "", false},
        {{"/p"}, CommandLine::Action::Error, "", true},
        {{"a.dwl", "b.dwl"}, CommandLine::Action::Error, "a.dwl", false},
        {{"--frobnicate"}, CommandLine::Action::Error, "", false},
        {{"-platform", "offscreen", "-reverse", "/p", "x.dwl"},
         CommandLine::Action::Edit,
         "x.dwl",
         true},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.args);
        std::string joined;
        for (const auto& a : c.args) joined += a + " ";
        EXPECT_EQ(line.action, c.action) << joined;
        EXPECT_EQ(line.options.file, c.file) << joined;
        EXPECT_EQ(line.options.play, c.play) << joined;
        EXPECT_EQ(line.error.empty(), c.action != CommandLine::Action::Error) << joined;
    }
    EXPECT_NE(dw::UsageText().find("dialwright /p FILE"), std::string::npos);
}

}  // namespace
