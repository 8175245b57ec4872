#pragma once
// A gauge document wired to a scripted user, a fake clipboard, a headless host and an
// in-memory settings store, with a temporary folder for its files.
#include <gtest/gtest.h>

#include <string>

#include "GaugeSamples.h"
#include "files/GaugeVersion.h"
#include "files/Paths.h"
#include "files/XmlNode.h"
#include "model/CGaugeDocument.h"
#include "model/HeadlessGaugeHost.h"
#include "support/FakeClipboard.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedInteraction.h"
#include "support/TempDir.h"

namespace dwtest {

class GaugeDocumentTest : public testing::Test {
protected:
    void SetUp() override {
        RegisterKindsOnce();
        savedMode = dw::GetCharMode();
    }
    void TearDown() override {
        dw::ResetWorkingFolder();
        dw::SetCharMode(savedMode);
    }

    // Writes a gauge file into the temporary folder and returns its path.
    std::string WriteGauge(const std::string& name, const std::string& text) {
        return dir.Write(name, text);
    }
    // A gauge file of the given version, properties attributes and element nodes.
    static std::string GaugeText(const std::string& version, const std::string& properties,
                                 const std::string& elements = "", const std::string& links = "") {
        return "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<gauge version=\"" + version +
               "\">\n<properties " + properties + "/>\n" + links + elements + "</gauge>\n";
    }
    // Opens path through the Open command (the user picks it in the dialog).
    bool Open(const std::string& path) {
        ui.QueueFile(path);
        return doc.OpenGauge();
    }
    // Fills the document with the four samples and gauge-wide values away from defaults.
    void FillDocument() {
        doc.elements = SampleElements();
        doc.gaugeName = "Cockpit \"A\"";
        doc.fps = 25;
        doc.backColor = 0x102030;
        doc.runAtStart = true;
        doc.aliasFile = "aliases.txt";
        for (int i = 0; i < 16; ++i) doc.customColors[i] = static_cast<dw::Colour>(1000 + i);
        doc.link1 = {"Sim", "10.0.0.2", 9000};
        doc.link2 = {"Radio", "10.0.0.3", 9001};
        host.placement = {15, 25, 800, 600, true};
    }
    // The file the writer must produce for FillDocument().
    static std::string FilledDocumentText();

    ScriptedInteraction ui;
    FakeClipboard clipboard;
    dw::HeadlessGaugeHost host;
    MemorySettingsStore settings;
    dw::CGaugeDocument doc{ui, clipboard, host, &settings};
    TempDir dir;
    dw::CharMode savedMode = dw::CharMode::Utf8;
};

inline std::string GaugeDocumentTest::FilledDocumentText() {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<gauge xmlns=\"" +
        std::string(dw::kGaugeSchemaAddress) +
        "\" version=\"2.0.0.0\">\n\t<properties name=\"Cockpit &quot;A&quot;\" fps=\"25\" "
        "maximized=\"1\" pos_x=\"15\" pos_y=\"25\" pos_w=\"800\" pos_h=\"600\" "
        "backcolor=\"1056816\" runatstart=\"yes\" aliasfile=\"aliases.txt\"";
    for (int i = 0; i < 16; ++i)
        text += " customcolor_" + std::to_string(i) + "=\"" + std::to_string(1000 + i) + "\"";
    text +=
        "/>\n\t<zekolink_1 alias=\"Sim\" ip=\"10.0.0.2\" port=\"9000\"/>\n"
        "\t<zekolink_2 alias=\"Radio\" ip=\"10.0.0.3\" port=\"9001\"/>\n";
    text += SampleGraphXml(1) + SampleTextXml(1) + SamplePrimitiveXml(1) + SampleAudioXml(1);
    text += "</gauge>\n";
    return text;
}

}  // namespace dwtest
