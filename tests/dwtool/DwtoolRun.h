// Runs the built dwtool (path in the environment variable DWTOOL) in a temporary folder, with
// a settings folder of its own (config/ there) so that no user settings are read.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/TempDir.h"

namespace dwtooltest {

class DwtoolTest : public testing::Test {
protected:
    // The exit code of "dwtool <arguments>" (stdin empty); what it printed is kept in out and
    // err, or all in out when mergeErr is set.
    int Dwtool(const std::string& arguments) {
        const char* tool = std::getenv("DWTOOL");
        if (!tool || !*tool) {
            ADD_FAILURE() << "DWTOOL is not set to the dwtool program";
            return -1;
        }
        const std::string command = "cd '" + dir.Path().string() + "' && XDG_CONFIG_HOME='" +
                                    dir.File("config") + "' '" + tool + "' " + arguments +
                                    " </dev/null >out.txt " + (mergeErr ? "2>&1" : "2>err.txt");
        const int status = std::system(command.c_str());
        out = dwtest::ReadFile(dir.File("out.txt"));
        err = mergeErr ? "" : dwtest::ReadFile(dir.File("err.txt"));
        return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    dwtest::TempDir dir;
    std::string out, err;
    bool mergeErr = false;
};

}  // namespace dwtooltest
