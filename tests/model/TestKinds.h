#pragma once
// A small element kind, a recording owner window and a hook guard for the element model tests.
#include <QImage>
#include <string>
#include <vector>

#include "model/CElement.h"
#include "model/ElementHooks.h"
#include "model/ElementOwner.h"

namespace dwtest {

// Records every repaint request; has a fixed screen origin.
class RecordingOwner : public dw::IElementOwner {
public:
    explicit RecordingOwner(dw::Point origin = {100, 200}) : origin(origin) {}
    void InvalidateRect(const dw::Rect& area) override { invalidated.push_back(area); }
    dw::Point ClientOriginOnScreen() const override { return origin; }

    std::vector<dw::Rect> invalidated;
    dw::Point origin;
};

// A kind with a one-colour (green) surface that counts its Rebuild calls and
// reports its destruction.
class TestElement : public dw::CElement {
public:
    TestElement(dw::IElementOwner* owner, dw::Rect r = {0, 0, 20, 10},
                dw::ElementKind kind = dw::ElementKind::Image, int* destroyed = nullptr)
        : CElement(owner, kind), destroyed(destroyed) {
        rect = r;
        width = r.Width();
        height = r.Height();
        surface = QImage(width > 0 ? width : 1, height > 0 ? height : 1, QImage::Format_RGB32);
        surface.fill(Qt::green);
    }
    ~TestElement() override {
        if (destroyed != nullptr) ++*destroyed;
    }

    dw::XmlNode& ToXml() override {
        xmlNode = dw::CreateTopNode("element", false);
        xmlNode.AddAttribute("name", name);
        return xmlNode;
    }
    void Draw(QPainter& painter) override { DrawCommon(painter, surface, opaqueExtra); }
    void Rebuild() override {
        ++rebuildCalls;
        rebuildRect = rect;
    }
    using CElement::CopySurface;

    QImage surface;
    int opaqueExtra = 0;
    int rebuildCalls = 0;
    dw::Rect rebuildRect;
    int* destroyed;
};

// Builds a chain of n test elements named e0.. (deleteFollowers not set), element i at
// (10 * i, 0) sized 20 x 10.
inline std::vector<TestElement*> MakeChain(int n, dw::IElementOwner* owner,
                                           int* destroyed = nullptr) {
    std::vector<TestElement*> chain;
    for (int i = 0; i < n; ++i) {
        auto* e =
            new TestElement(owner, {10 * i, 0, 10 * i + 20, 10}, dw::ElementKind::Image, destroyed);
        e->name = "e" + std::to_string(i);
        if (!chain.empty()) chain.back()->SetNext(e);
        chain.push_back(e);
    }
    return chain;
}

// Names of the list e belongs to, from its first element, joined by spaces; " !" marks a
// follower whose prev does not point back.
inline std::string Order(const dw::CElement* e) {
    std::string out;
    while (e != nullptr && e->GetPrev() != nullptr) e = e->GetPrev();
    for (; e != nullptr; e = e->GetNext()) {
        out += (out.empty() ? "" : " ") + e->name;
        if (e->GetNext() != nullptr && e->GetNext()->GetPrev() != e) return out + " !";
    }
    return out;
}

// Installs element hooks for one test and puts the previous set back afterwards.
struct HooksGuard {
    explicit HooksGuard(dw::ElementHooks hooks) { dw::InstallElementHooks(std::move(hooks)); }
    ~HooksGuard() { dw::InstallElementHooks(previous); }
    dw::ElementHooks previous = dw::CurrentElementHooks();
};

}  // namespace dwtest
