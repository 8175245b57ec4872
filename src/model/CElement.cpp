// CElement: construction, the default virtual operations, identity, selection and geometry.
// The list operations are in CElementList.cpp, run mode in CElementRunMode.cpp and drawing
// in CElementDraw.cpp.
#include "model/CElement.h"

#include <algorithm>
#include <string_view>

#include "files/GaugeLimits.h"
#include "model/ElementHooks.h"
#include "model/ElementOwner.h"

namespace dw {

namespace {
// The resize square of an element's rectangle (right and bottom excluded).
Rect ResizeSquare(const Rect& r) {
    return {r.right - 10, r.bottom - 10, r.right - 1, r.bottom - 1};
}

// Compared as views, so that the length decides before any character is read: a program's
// text lives on the heap, and the frame loop asks this of every element.
bool IsNoProgram(std::string_view program) {
    return program.empty() || program == "none";
}
}  // namespace

CElement::CElement(IElementOwner* owner, ElementKind kind)
    : framePens(owner ? owner->GetFramePens() : nullptr), owner(owner), kind(kind) {}

void CElement::OnClick() {
    CallRunClickProgram(*this);
}

XmlNode& CElement::ToXml() {
    return xmlNode;
}

void CElement::Draw(QPainter& painter) {
    DrawCommon(painter, QImage());
}

void CElement::AppendXml(XmlNode& parent, bool withFollowing) {
    parent.AppendChild(ToXml().Clone());
    if (!withFollowing) return;
    // Each follower appends only itself, so a list of any length needs no deep recursion.
    for (CElement* e = next; e != nullptr; e = e->next) e->AppendXml(parent, false);
}

void CElement::EditProperties() {
    CallEditProperties(*this);
}

bool CElement::RunProgram() {
    return CallRunMainProgram(*this);
}

void CElement::Rotate(double, Colour) {}

void CElement::Rebuild() {}

std::string CElement::GetDisplayName() const {
    if (!name.empty()) return name;
    switch (kind) {
        case ElementKind::Image:
            return "No name image";
        case ElementKind::Text:
            return "No name text";
        case ElementKind::Primitive:
            return "No name " + subtype;
        case ElementKind::Audio:
            return "No name audio";
    }
    return "Unknown type of element";
}

std::int32_t CElement::GetLinkedServer() const {
    return IsNoProgram(mainProgram) ? 0 : linkedServer;
}

std::int32_t CElement::GetLinkedOffset() const {
    return IsNoProgram(mainProgram) ? -1 : linkedOffset;
}

void CElement::Select(bool on) {
    if (!on) {
        Deselect();
        return;
    }
    if (!primary) {
        bool anyPrimary = false;
        for (const CElement* e = FirstOfList(); e != nullptr && !anyPrimary; e = e->next) {
            anyPrimary = e->primary;
        }
        primary = !anyPrimary;
    }
    selected = true;
    Invalidate();
}

void CElement::Deselect() {
    const bool wasPrimary = primary;
    primary = false;
    selected = false;
    Invalidate();
    if (!wasPrimary) return;
    for (CElement* e = FirstOfList(); e != nullptr; e = e->next) {
        if (e->selected) {
            e->MakePrimary();
            break;
        }
    }
}

void CElement::MakePrimary() {
    primary = true;
    Invalidate();
}

void CElement::SetGroup(std::int32_t n) {
    group = n;
    Invalidate();
}

Point CElement::GetCentre() const {
    return {(rect.right - rect.left) / 2 + rect.left, (rect.bottom - rect.top) / 2 + rect.top};
}

bool CElement::HitTest(int x, int y) const {
    if (!rect.Contains(x, y)) return false;
    return !(primary && ResizeSquare(rect).Contains(x, y));
}

bool CElement::HitResizeHandle(int x, int y) const {
    return primary && !locked && ResizeSquare(rect).Contains(x, y);
}

void CElement::Invalidate() {
    Invalidate(rect);
}

void CElement::Invalidate(const Rect& area) {
    if (!runMode && owner != nullptr) owner->InvalidateRect(area);
}

void CElement::BeginDrag(int x, int y) {
    Invalidate();
    dragOffset = {rect.left - x, rect.top - y};
}

void CElement::DragTo(int x, int y) {
    Invalidate();
    rect = rect.Offset(x + dragOffset.x - rect.left, y + dragOffset.y - rect.top);
    Invalidate();
}

void CElement::MoveBy(int dx, int dy) {
    Invalidate();
    rect = rect.Offset(dx, dy);
    Invalidate();
}

void CElement::MoveCentreTo(int x, int y) {
    Invalidate();
    const int w = rect.Width();
    const int h = rect.Height();
    rect.left = x - w / 2;
    rect.top = y - h / 2;
    rect.right = rect.left + w;
    rect.bottom = rect.top + h;
    Invalidate();
}

void CElement::SaveRunStart() {
    dragOffset = {};
    runStartCentre = GetCentre();
    centre = runStartCentre;
}

void CElement::MoveFromRunStart(int dx, int dy, int mode) {
    const Point now = GetCentre();
    if (mode == 0) {
        MoveCentreTo(runStartCentre.x + dx, runStartCentre.y + dy);
    } else if (mode == 1) {
        MoveCentreTo(runStartCentre.x + dx, now.y);
    } else {
        MoveCentreTo(now.x, runStartCentre.y + dy);
    }
}

void CElement::SetWidth(int w) {
    w = std::clamp(w, 0, kMaxElementSide);
    if (w == width) return;
    Invalidate();
    rect.right = rect.left + w;
    width = w;
    Rebuild();
    runRotation = 0.0;
}

void CElement::SetHeight(int h) {
    h = std::clamp(h, 0, kMaxElementSide);
    if (h == height) return;
    Invalidate();
    rect.bottom = rect.top + h;
    height = h;
    Rebuild();
    runRotation = 0.0;
}

bool CElement::SetColourChange(Colour from, Colour to) {
    const bool changed = from != col1 || to != col2;
    col1 = from;
    col2 = to;
    changeColour = from != to;
    return changed;
}

}  // namespace dw
