#pragma once
// What the visual kinds need of the program around them while they load pictures: someone
// to ask (the "File not fount" question, the image chooser) and the settings store (the
// image search folders). The program and dwtool install their own at start-up; without them
// no question is asked (every question counts as answered No) and no search folder is known.
//
// Install before elements are created or loaded, from the thread that uses them.
namespace dw {

class IInteraction;
class ISettingsStore;

struct RenderServices {
    IInteraction* interaction = nullptr;
    ISettingsStore* settings = nullptr;
};

void InstallRenderServices(RenderServices services);
const RenderServices& CurrentRenderServices();

// Always usable stand-ins for missing services.
IInteraction& RenderInteraction();
ISettingsStore& RenderSettings();

}  // namespace dw
