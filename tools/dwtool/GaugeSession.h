#pragma once
// A gauge document for dwtool's verbs: messages go to stderr through the console
// interaction, the clipboard stays in memory and the host has no window. Loading and saving
// work exactly as the program's Open and Save.
#include <QSize>
#include <string>

#include "ConsoleInteraction.h"
#include "model/CGaugeDocument.h"
#include "model/HeadlessGaugeHost.h"
#include "platform/Clipboard.h"
#include "render/RenderServices.h"

namespace dwtool {

class MemoryClipboard : public dw::IClipboard {
public:
    std::string Text() const override { return text; }
    void SetText(const std::string& value) override { text = value; }

private:
    std::string text;
};

class GaugeSession {
public:
    // Registers the element kinds with the program's factory, installs the script engine's
    // hooks (loaded elements read their primary link) and lets image elements ask their
    // questions on the console while the session lasts.
    GaugeSession();
    ~GaugeSession();
    GaugeSession(const GaugeSession&) = delete;
    GaugeSession& operator=(const GaugeSession&) = delete;

    // Opens the gauge at path (relative to the current folder) as Gauge > Open does; false
    // when it was refused (the reason was printed).
    bool Load(const std::string& path);
    // Writes the gauge to path as Gauge > Save does; false when writing failed.
    bool Save(const std::string& path);

    dw::CGaugeDocument& Document() { return document; }
    const dw::HeadlessGaugeHost& Host() const { return host; }

private:
    ConsoleInteraction console;
    dw::RenderServices previousServices;
    MemoryClipboard clipboard;
    dw::HeadlessGaugeHost host;
    dw::CGaugeDocument document;
};

// A picture size with room for every element, including the extra pixel of a basic graph's
// copy; each side 1 to 8192.
QSize GaugeExtent(const dw::CGaugeDocument& document);

}  // namespace dwtool
