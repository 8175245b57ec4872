#pragma once
// The script part of the gauge check (GaugeCheck.h): one element's main and click programs,
// compiled and read as the player reads them, without running them.
#include <string>
#include <vector>

#include "files/GaugeProperties.h"
#include "model/CElement.h"

namespace dw {

struct ScriptFinding {
    std::string message;
    std::vector<std::string> details;
};

// A file that a "setfile" statement loads at run time.
struct ScriptFileUse {
    bool click = false;
    int line = 0;
    std::string file;
};

struct ScriptCheckResult {
    std::vector<ScriptFinding> findings;
    std::vector<ScriptFileUse> files;
};

ScriptCheckResult CheckElementScripts(const CElement& element, const GaugeLink& link1,
                                      const GaugeLink& link2);

}  // namespace dw
