#pragma once
// Sets the working folder for the time a gauge is read and puts the previous one back unless
// the reading went through (Keep()).
#include <string>

#include "files/Paths.h"

namespace dw {

class WorkingFolderChange {
public:
    explicit WorkingFolderChange(const std::string& folder) : previous(WorkingFolder()) {
        SetWorkingFolder(folder);
    }
    ~WorkingFolderChange() {
        if (!kept) SetWorkingFolder(previous);
    }
    WorkingFolderChange(const WorkingFolderChange&) = delete;
    WorkingFolderChange& operator=(const WorkingFolderChange&) = delete;
    void Keep() { kept = true; }

private:
    std::string previous;
    bool kept = false;
};

}  // namespace dw
