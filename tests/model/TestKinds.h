#pragma once
// A small element kind and a recording owner window for the element model tests.
#include <QImage>
#include <memory>
#include <string>
#include <vector>

#include "model/CElement.h"
#include "model/ElementOwner.h"
#include "model/FramePens.h"

namespace dwtest {

// Records every repaint request; offers a set of frame pens and a fixed screen origin.
class RecordingOwner : public dw::IElementOwner {
public:
    explicit RecordingOwner(dw::Point origin = {100, 200}) : origin(origin) {}
    void InvalidateRect(const dw::Rect& area) override { invalidated.push_back(area); }
    dw::Point ClientOriginOnScreen() const override { return origin; }
    const dw::FramePens* GetFramePens() const override { return withPens ? &pens : nullptr; }

    std::vector<dw::Rect> invalidated;
    dw::Point origin;
    bool withPens = true;
    dw::FramePens pens{0x808080};
};

// A kind with a one-colour surface that counts the calls of its virtual operations and
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
        xmlNode.AddAttribute("type", std::string(dw::TypeWordOf(GetKind())));
        xmlNode.AddAttribute("name", name);
        ++toXmlCalls;
        return xmlNode;
    }
    void Draw(QPainter& painter) override { DrawCommon(painter, surface, opaqueExtra); }
    void Rotate(double degrees, dw::Colour) override {
        ++rotateCalls;
        runRotation = degrees;
    }
    void Rebuild() override {
        ++rebuildCalls;
        rebuildRect = rect;
    }

    // Access to the protected drawing steps.
    using CElement::CopySurface;
    using CElement::DrawFrame;
    using CElement::IsVisibleNow;

    QImage surface;
    int opaqueExtra = 0;
    int toXmlCalls = 0;
    int rotateCalls = 0;
    int rebuildCalls = 0;
    dw::Rect rebuildRect;
    int* destroyed;
};

// Builds a chain of n test elements owned by the returned head (deleteFollowers not set),
// element i placed at (10 * i, 0).
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

// Names of the chain from first, in list order, joined by spaces.
inline std::string Order(const dw::CElement* first) {
    std::string out;
    for (const dw::CElement* e = first; e != nullptr; e = e->GetNext()) {
        if (!out.empty()) out += ' ';
        out += e->name;
    }
    return out;
}

// The same walking backwards from last.
inline std::string ReverseOrder(const dw::CElement* last) {
    std::string out;
    for (const dw::CElement* e = last; e != nullptr; e = e->GetPrev()) {
        if (!out.empty()) out += ' ';
        out += e->name;
    }
    return out;
}

}  // namespace dwtest
