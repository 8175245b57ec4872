#pragma once
// The elements of the sample gauge (GaugeSampleText.h), and a gauge document wired to a scripted
// user, a fake clipboard, a headless host and an in-memory settings store, with a temporary folder
// for its files.
#include <gmock/gmock.h>

#include <tuple>

#include "GaugeSampleText.h"
#include "files/GaugeVersion.h"
#include "files/Paths.h"
#include "model/CGaugeDocument.h"
#include "model/HeadlessGaugeHost.h"
#include "support/FakeClipboard.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedInteraction.h"
#include "support/TempDir.h"

namespace dwtest {

using testing::HasSubstr;

// Registers the four kinds with the program's factory (again: registering replaces).
void RegisterKindsOnce();
// The sample elements, read from the sample gauge's file.
std::unique_ptr<dw::CElement> Sample(SampleKind kind);
dw::ElementList SampleElements();  // graph, text, primitive, audio
// Each element as "kind left,top gGROUP", then "*" when selected and "!" when primary.
std::string Layout(const dw::ElementList& list);

// A gauge document wired to a scripted user, a fake clipboard, a headless host and an
// in-memory settings store.
struct GaugeSession {
    // Opens path through the Open command (the user picks it in the dialog).
    bool Open(const std::string& path) {
        ui.QueueFile(path);
        return doc.OpenGauge();
    }
    // Gives the document everything of SampleGaugeText(), the properties set one by one.
    void FillDocument();
    // The document in one line: name, fps, run at start, first custom colour, element kinds,
    // file name and modified flag; then the host's window (and how often it was placed),
    // run timers and alias reloads; then the titles of the messages shown.
    std::string Summary() const;
    // Title, icon and text of the i-th message box.
    std::tuple<std::string, dw::Icon, std::string> Message(std::size_t i) const {
        const dw::MessageRequest& m = ui.messages.at(i);
        return {m.title, m.icon, m.text};
    }

    ScriptedInteraction ui;
    FakeClipboard clipboard;
    dw::HeadlessGaugeHost host;
    MemorySettingsStore settings;
    dw::CGaugeDocument doc{ui, clipboard, host, &settings};
};

class GaugeDocumentTest : public testing::Test, public GaugeSession {
protected:
    void SetUp() override {
        RegisterKindsOnce();
        savedMode = dw::GetCharMode();
        dw::SetCharMode(dw::CharMode::SingleByte);
    }
    void TearDown() override {
        dw::ResetWorkingFolder();
        dw::SetCharMode(savedMode);
    }
    // A gauge file of the given version, properties attributes, element nodes and links.
    static std::string GaugeText(const std::string& version, const std::string& properties,
                                 const std::string& elements = "", const std::string& links = "") {
        return "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<gauge version=\"" + version +
               "\">\n<properties " + properties + "/>\n" + links + elements + "</gauge>\n";
    }
    std::string WriteGauge(const std::string& name, const std::string& version,
                           const std::string& properties, const std::string& elements = "",
                           const std::string& links = "") {
        return dir.Write(name, GaugeText(version, properties, elements, links));
    }

    TempDir dir;
    dw::CharMode savedMode = dw::CharMode::Utf8;
};

}  // namespace dwtest
