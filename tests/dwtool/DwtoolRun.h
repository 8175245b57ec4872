// Runs the built dwtool once, to its end, in a temporary folder.
#pragma once

#include "LinkSimProcess.h"

namespace dwtooltest {

class DwtoolTest : public testing::Test {
protected:
    // The exit code of "dwtool <arguments>", the arguments split at blanks outside '...';
    // all it printed (stdout and stderr) is kept in out.
    int Dwtool(const std::string& arguments) {
        std::vector<std::string> args{""};
        bool quoted = false;
        for (const char c : arguments) {
            if (c == '\'')
                quoted = !quoted;
            else if (c != ' ' || quoted)
                args.back().push_back(c);
            else if (!args.back().empty())
                args.emplace_back();
        }
        if (args.back().empty()) args.pop_back();
        linksim::ToolProcess tool(args, dir.Path().string());
        const int code = tool.Wait();
        out = tool.out;
        return code;
    }

    dwtest::TempDir dir;
    std::string out;
};

}  // namespace dwtooltest
