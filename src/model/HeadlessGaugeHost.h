#pragma once
// A gauge host without a window, for tools, benchmarks and tests: it keeps the title and the
// window placement it is given (so that a gauge saved after loading writes back the stored
// placement), counts the requests it receives and does nothing else.
#include <string>
#include <vector>

#include "model/GaugeHost.h"

namespace dw {

class HeadlessGaugeHost : public IGaugeHost {
public:
    IElementOwner* ElementOwner() override { return owner; }
    void SetTitle(const std::string& value) override { title = value; }
    WindowPlacement CurrentPlacement() const override { return placement; }
    void RestorePlacement(const WindowPlacement& value) override {
        placement = value;
        ++placementsRestored;
    }
    void StartRunTimer(int milliseconds) override { runTimers.push_back(milliseconds); }
    void Repaint() override { ++repaints; }
    void UpdateMenuStates() override { ++menuUpdates; }
    void UpdateStatusLine() override { ++statusUpdates; }
    void BackgroundChanged(Colour background) override { backgrounds.push_back(background); }
    void ReloadAliasFile(const std::string& path) override { aliasFiles.push_back(path); }
    void EditGaugeProperties() override { ++propertiesDialogs; }
    void RecordUndo(int code) override { undoCodes.push_back(code); }

    IElementOwner* owner = nullptr;
    std::string title;
    WindowPlacement placement;
    int placementsRestored = 0;
    std::vector<int> runTimers;
    int repaints = 0;
    int menuUpdates = 0;
    int statusUpdates = 0;
    std::vector<Colour> backgrounds;
    std::vector<std::string> aliasFiles;
    int propertiesDialogs = 0;
    std::vector<int> undoCodes;
};

}  // namespace dw
