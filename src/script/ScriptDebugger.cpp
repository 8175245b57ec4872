#include "script/ScriptDebugger.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <map>
#include <memory>
#include <utility>

#include "model/ElementFactory.h"
#include "model/ElementOwner.h"
#include "model/GlobalSwitch.h"
#include "platform/SettingsStore.h"
#include "script/ErrorReport.h"
#include "script/ScriptEngine.h"
#include "script/ScriptRunner.h"

namespace dw {

namespace {

class DebugOwner : public IElementOwner {
public:
    void InvalidateRect(const Rect&) override {}
    Point ClientOriginOnScreen() const override { return {}; }
};

class RecordingSink : public IValueSink {
public:
    void SendValue(int link, std::int32_t offset, std::int32_t value) override {
        sent.push_back({link, offset, value});
    }
    struct Sent {
        int link;
        std::int32_t offset;
        std::int32_t value;
    };
    std::vector<Sent> sent;
};

class RecordingPlayer : public IPlayerControl {
public:
    void RequestClose() override { ++closeRequests; }
    void ShowWindow(bool show) override { windowShown = show; }
    int closeRequests = 0;
    bool windowShown = true;
};

class RecordingSettings : public ISettingsStore {
public:
    std::int32_t ReadInt(const std::string& section, const std::string& key,
                         std::int32_t defaultValue) const override {
        const auto it = ints.find({section, key});
        return it == ints.end() ? defaultValue : it->second;
    }
    std::string ReadString(const std::string&, const std::string&,
                           const std::string& defaultValue) const override {
        return defaultValue;
    }
    void WriteInt(const std::string& section, const std::string& key, std::int32_t value) override {
        ints[{section, key}] = value;
        writes.push_back(key + "=" + std::to_string(value));
    }
    void WriteString(const std::string&, const std::string&, const std::string&) override {}

    std::map<std::pair<std::string, std::string>, std::int32_t> ints;
    std::vector<std::string> writes;
};

class TraceLog : public IScriptTrace {
public:
    void Action(std::string_view what) override { actions.emplace_back(what); }
    std::vector<std::string> actions;
};

struct Snapshot {
    bool shown = true;
    Rect rect;
    double runRotation = 0.0;
    Colour color = 0, colorF = 0, borderColor = 0;
    std::int32_t borderWidth = 0;
    std::string text, file;
    float ang1 = 0, ang2 = 0, angPct = 0;
    bool globalSwitch = true;
    bool windowShown = true;
};

Snapshot Take(const CElement& e, const RecordingPlayer& player) {
    Snapshot s;
    s.shown = e.shown;
    s.rect = e.GetRect();
    s.runRotation = e.runRotation;
    s.color = e.color;
    s.colorF = e.colorF;
    s.borderColor = e.borderColor;
    s.borderWidth = e.borderWidth;
    s.text = e.text;
    s.file = e.file;
    s.ang1 = e.ang1;
    s.ang2 = e.ang2;
    s.angPct = e.angPct;
    s.globalSwitch = IsGlobalSwitchOn();
    s.windowShown = player.windowShown;
    return s;
}

template <typename T>
std::string Shortest(T number) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    return std::string(buffer, result.ptr);
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '"')
            out += "\\\"";
        else
            out += c;
    }
    return out + "\"";
}

std::string ColourText(Colour c) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%d (0x%06X: red %u, green %u, blue %u)",
                  static_cast<std::int32_t>(c), c, c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return buffer;
}

std::string RectText(const Rect& r) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "(%d, %d)-(%d, %d)", r.left, r.top, r.right, r.bottom);
    return buffer;
}

std::string YesNo(bool on) {
    return on ? "yes" : "no";
}

std::vector<std::string> Differences(const Snapshot& a, const Snapshot& b, ElementKind kind) {
    std::vector<std::string> out;
    auto add = [&out](const char* what, const std::string& before, const std::string& after) {
        if (before != after) out.push_back(std::string(what) + ": " + before + " -> " + after);
    };
    add("shown", YesNo(a.shown), YesNo(b.shown));
    add("rectangle", RectText(a.rect), RectText(b.rect));
    add("rotation", Shortest(a.runRotation), Shortest(b.runRotation));
    const bool primitive = kind == ElementKind::Primitive;
    add(primitive ? "background colour (color)" : "text colour (color)", ColourText(a.color),
        ColourText(b.color));
    add(primitive ? "fill colour (colorF)" : "background colour (colorF)", ColourText(a.colorF),
        ColourText(b.colorF));
    add("border colour", ColourText(a.borderColor), ColourText(b.borderColor));
    add("border width", std::to_string(a.borderWidth), std::to_string(b.borderWidth));
    add("text", Quoted(a.text), Quoted(b.text));
    add("file", Quoted(a.file), Quoted(b.file));
    add("start (ang1)", Shortest(a.ang1), Shortest(b.ang1));
    add("end (ang2)", Shortest(a.ang2), Shortest(b.ang2));
    add("position (angPct)", Shortest(a.angPct), Shortest(b.angPct));
    add("global switch", a.globalSwitch ? "on" : "off", b.globalSwitch ? "on" : "off");
    add("player window", a.windowShown ? "shown" : "hidden", b.windowShown ? "shown" : "hidden");
    return out;
}

const char* ErrorName(std::int32_t code) {
    const std::int32_t positive = code < 0 ? -code : code;
    return positive == 1 ? "syntax error" : "if/else/endif mismatch";
}

void AppendIndented(std::string& out, const std::string& text, const char* prefix) {
    std::string line;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            out += prefix + line + "\n";
            line.clear();
        } else {
            line += text[i];
        }
    }
}

const char* KindWord(ElementKind kind) {
    switch (kind) {
        case ElementKind::Text:
            return "text";
        case ElementKind::Primitive:
            return "basic graph";
        case ElementKind::Audio:
            return "audio";
        case ElementKind::Image:
            break;
    }
    return "image";
}

bool ShapeHasNoFill(const std::string& shape) {
    return shape == "ArcTo" || shape == "ArcFrom" || shape == "Radius" || shape == "Bug" ||
           shape == "Scale";
}

}  // namespace

int RunScriptDebugger(const ScriptDebugOptions& options, ElementFactory& factory,
                      std::string& out) {
    InstallScriptEngine();
    DebugOwner owner;
    std::unique_ptr<CElement> element =
        factory.Create(options.typeWord, &owner, Rect{10, 10, 110, 110});
    if (!element) {
        out += "no element of type \"" + options.typeWord + "\" can be made\n";
        return 2;
    }
    const ElementKind kind = element->GetKind();
    if (kind == ElementKind::Primitive && !options.shape.empty()) {
        element->subtype = options.shape;
        element->borderColorOnly = ShapeHasNoFill(options.shape);
        element->Rebuild();
    }
    if (options.click) {
        element->clickProgram = options.source;
    } else {
        element->mainProgram = options.source;
    }

    // The variable tables of both links, as the player owns them.
    auto tables = std::make_unique<std::array<VariableCell, 2 * kVariableCount>>();
    for (VariableCell& cell : *tables) cell.store(0);
    auto setVariables = [&](int run) {
        for (const DebugVariable& v : options.variables) {
            if (v.offset < 0 || v.offset >= kVariableCount || v.values.empty()) continue;
            const std::size_t index = std::min<std::size_t>(run, v.values.size() - 1);
            (*tables)[(v.server == 1 ? 0 : kVariableCount) + v.offset].store(v.values[index]);
        }
    };

    SetGlobalSwitch(true);
    element->SetRunMode(&owner, true);
    element->values1 = tables->data();
    element->values2 = tables->data() + kVariableCount;

    out += std::string("element: ") + KindWord(kind);
    if (kind == ElementKind::Primitive && !element->subtype.empty())
        out += " (" + element->subtype + ")";
    out += ", " + std::to_string(element->GetWidth()) + " x " +
           std::to_string(element->GetHeight()) + " at (" +
           std::to_string(element->GetRect().left) + ", " + std::to_string(element->GetRect().top) +
           "), ";
    out += options.click ? "click program\n" : "main program\n";
    if (element->GetLinkedServer() != 0) {
        out += "primary link: offset " + std::to_string(element->linkedOffset) + " server " +
               std::to_string(element->linkedServer) + "\n";
    } else if (!options.click) {
        out += "primary link: none (the player never runs this element; it runs here anyway)\n";
    }
    for (const DebugVariable& v : options.variables) {
        out += "variable: link " + std::to_string(v.server == 1 ? 1 : 2) + " offset " +
               std::to_string(v.offset) + " =";
        for (std::int32_t value : v.values) {
            out += ' ';
            out += std::to_string(value);
        }
        if (v.offset < 0 || v.offset >= kVariableCount)
            out += " (outside the tables, 0 to 1195: reads as 0)";
        out += "\n";
    }

    RecordingSettings settings;
    RecordingPlayer player;
    int status = 0;
    const int runs = options.runs < 1 ? 1 : options.runs;
    for (int run = 0; run < runs; ++run) {
        setVariables(run);
        RecordingSink sink;
        TraceLog trace;
        ScriptRunOptions runOptions;
        runOptions.values1 = element->values1;
        runOptions.values2 = element->values2;
        runOptions.sink = &sink;
        runOptions.settings = &settings;
        runOptions.player = &player;
        runOptions.trace = &trace;
        settings.writes.clear();

        const Snapshot before = Take(*element, player);
        const ScriptRunResult result = options.click ? RunClickScript(*element, runOptions)
                                                     : RunMainScript(*element, runOptions);
        const Snapshot after = Take(*element, player);

        out += "\nrun " + std::to_string(run + 1) + ": ";
        if (result.skipped) {
            out += "skipped (the variable kept its value " +
                   Shortest(static_cast<float>(result.value)) + ")\n";
            continue;
        }
        if (result.ok) {
            out += "ok\n";
        } else {
            out += "error " + std::to_string(result.errorCode) + " (" +
                   ErrorName(result.errorCode) + ") at line " + std::to_string(result.errorLine) +
                   "\n";
        }
        const bool audio = kind == ElementKind::Audio;
        out += "  value = " +
               (audio ? Shortest(static_cast<float>(result.value)) : Shortest(result.value)) +
               ", data = " +
               (audio ? Shortest(static_cast<float>(result.data)) : Shortest(result.data)) + "\n";
        const std::vector<std::string> changes = Differences(before, after, kind);
        if (changes.empty()) out += "  changed: nothing\n";
        for (const std::string& change : changes) out += "  changed: " + change + "\n";
        for (const std::string& action : trace.actions) out += "  action: " + action + "\n";
        if (sink.sent.empty()) out += "  sent: nothing\n";
        for (const auto& s : sink.sent)
            out += "  sent: link " + std::to_string(s.link) + ": " + std::to_string(s.offset) +
                   "=" + std::to_string(s.value) + "\n";
        if (!result.ok) {
            status = 1;
            out += "  recorded in RunTime:";
            for (const std::string& w : settings.writes) out += " " + w;
            out += "\n";
            const auto report = BuildScriptErrorReport(result.errorCode, result.errorLine,
                                                       element->mainProgram, element->clickProgram);
            if (report) {
                out += "  report (\"" + report->title + "\"):\n";
                AppendIndented(out, report->text, "  | ");
            }
            if (run + 1 < runs) out += "\nthe player closes after an error: no further runs\n";
            break;
        }
    }
    element->values1 = nullptr;
    element->values2 = nullptr;
    element->SetRunMode(&owner, false);
    return status;
}

}  // namespace dw
