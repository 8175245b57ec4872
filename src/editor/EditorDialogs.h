#pragma once
// The dialogs the editor window opens for the gauge and for the program's configuration,
// behind one interface so that the window can be driven in tests without them. The element
// properties dialogs are not here: each element opens its own through EditProperties, once
// InstallPropertiesDialogs has installed them.
#include <functional>
#include <string>

#include "files/GaugeProperties.h"
#include "platform/Interaction.h"

class QWidget;

namespace dw {

class ISettingsStore;

// What the gauge properties dialog shows and edits.
struct GaugePropertiesValues {
    std::string gaugePath;  // shown in the information line
    std::string name;
    std::string aliasFile;
    std::int32_t fps = kDefaultFps;
    Colour backColor = kDefaultBackColour;
    WindowPlacement window;  // the editor window's screen rectangle and maximised state
    bool runAtStart = false;
};

// What every dialog needs of the editor window that opens it.
struct DialogContext {
    QWidget* parent = nullptr;
    IInteraction* ui = nullptr;
    ISettingsStore* settings = nullptr;        // "Paths", "RunTime"
    CustomColours* customColours = nullptr;    // the gauge's 16 shared custom colours
    std::function<std::string()> aliasFile{};  // the alias file path the program remembers
    // The user chose another alias file in the name search: remember it and reload the table.
    std::function<void(const std::string&)> aliasFileChosen{};
};

class IEditorDialogs {
public:
    virtual ~IEditorDialogs() = default;
    // Gauge > Properties (and after Gauge > New). True on OK, with values updated.
    virtual bool EditGaugeProperties(GaugePropertiesValues& values) = 0;
    // Config > ZEKO Clients Config (and after a run that could not reach a link). True on
    // OK, with both links updated.
    virtual bool ConfigureServerLinks(GaugeLink& link1, GaugeLink& link2) = 0;
    // Config > Paths Config: edits the image search paths in the settings store.
    virtual void ConfigurePaths() = 0;
};

// Installs the four element properties dialogs as the elements' EditProperties.
void InstallPropertiesDialogs(const DialogContext& context);

}  // namespace dw
