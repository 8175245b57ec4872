#include "runtime/GaugeCheck.h"

#include <filesystem>
#include <system_error>

#include "model/CElement.h"
#include "model/CGaugeDocument.h"
#include "model/HeadlessGaugeHost.h"
#include "platform/DecliningInteraction.h"
#include "render/RenderServices.h"
#include "runtime/MediaFileCheck.h"
#include "runtime/ScriptCheck.h"

namespace dw {

namespace {

// Keeps the messages the document shows while it opens the gauge; answers like a user who
// is not there.
class RecordingInteraction : public DecliningInteraction {
public:
    Answer ShowMessage(const MessageRequest& request) override {
        messages.push_back(request);
        return CautiousAnswer(request.buttons);
    }
    std::vector<MessageRequest> messages;
};

class NoClipboard : public IClipboard {
public:
    std::string Text() const override { return std::string(); }
    void SetText(const std::string&) override {}
};

// A message box's text on one line.
std::string OneLine(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r' || c == '\n') {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += c;
        }
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

std::string RectText(const Rect& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

// Outside the window (0,0)-(width,height); without a window, left of it or above it.
std::optional<std::string> OutsideProblem(const CElement& e,
                                          const std::optional<WindowPlacement>& window) {
    const Rect& r = e.GetRect();
    if (e.GetKind() == ElementKind::Audio || r.Width() <= 0 || r.Height() <= 0) return std::nullopt;
    const bool sized = window && window->width > 0 && window->height > 0;
    bool outside = r.right <= 0 || r.bottom <= 0;
    if (sized) outside = outside || r.left >= window->width || r.top >= window->height;
    if (!outside) return std::nullopt;
    const std::string where =
        sized ? "the gauge's window " + RectText({0, 0, window->width, window->height})
              : "the gauge's window";
    return "lies wholly outside " + where + ": at " + RectText(r);
}

std::optional<std::string> FileProblem(const CElement& e, const std::string& file,
                                       const ISettingsStore* settings) {
    if (e.GetKind() == ElementKind::Image) return ImageFileProblem(file, settings);
    if (e.GetKind() == ElementKind::Audio) return AudioFileProblem(file);
    return std::nullopt;
}

}  // namespace

std::vector<GaugeProblem> CheckGaugeElements(const ElementList& elements,
                                             const GaugeCheckContext& context) {
    std::vector<GaugeProblem> problems;
    int position = 0;
    for (const CElement& e : elements) {
        ++position;
        const auto add = [&](std::string message, std::vector<std::string> details = {}) {
            problems.push_back({position, e.GetName(), std::move(message), std::move(details)});
        };
        ScriptCheckResult scripts = CheckElementScripts(e, context.link1, context.link2);
        for (ScriptFinding& finding : scripts.findings)
            add(std::move(finding.message), std::move(finding.details));

        if (e.GetKind() == ElementKind::Image || e.GetKind() == ElementKind::Audio) {
            if (e.file.empty())
                add(e.GetKind() == ElementKind::Image ? "has no image file" : "has no audio file");
            else if (const auto problem = FileProblem(e, e.file, context.settings))
                add(*problem);
        }
        for (const ScriptFileUse& use : scripts.files) {
            if (const auto problem = FileProblem(e, use.file, context.settings))
                add(std::string(use.click ? "click script: " : "") + "line " +
                    std::to_string(use.line) + ": setfile: " + *problem);
        }
        if (const auto problem = OutsideProblem(e, context.window)) add(*problem);
    }
    return problems;
}

std::vector<GaugeProblem> CheckGaugeFile(const std::string& path, ISettingsStore* settings) {
    RecordingInteraction ui;
    DecliningInteraction quiet;  // the image kind's questions while the gauge loads
    NoClipboard clipboard;
    HeadlessGaugeHost host;
    CGaugeDocument document(ui, clipboard, host);

    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    document.gaugePath = ec ? path : absolute.lexically_normal().string();
    const RenderServices previous = CurrentRenderServices();
    InstallRenderServices({&quiet, settings});
    const bool loaded = document.LoadGauge(false);
    InstallRenderServices(previous);

    if (!loaded) {
        std::vector<GaugeProblem> problems;
        for (const MessageRequest& m : ui.messages) {
            const bool titled = m.text.starts_with(m.title);
            problems.push_back(
                {0, std::string(), OneLine(titled ? m.text : m.title + ": " + m.text), {}});
        }
        if (problems.empty()) problems.push_back({0, std::string(), "could not be opened", {}});
        return problems;
    }
    GaugeCheckContext context;
    context.link1 = document.link1;
    context.link2 = document.link2;
    if (host.placementsRestored > 0) context.window = host.placement;
    context.settings = settings;
    return CheckGaugeElements(document.elements, context);
}

std::string FormatGaugeProblem(const std::string& file, const GaugeProblem& problem) {
    std::string out = file + ": ";
    if (problem.element > 0)
        out += "element " + std::to_string(problem.element) + " \"" + problem.name + "\": ";
    out += problem.message + "\n";
    for (const std::string& line : problem.details) out += line + "\n";
    return out;
}

}  // namespace dw
