// CElement: the links of the gauge's element list, destruction of a list, and reordering.
#include "model/CElement.h"

namespace dw {

CElement::~CElement() {
    if (deleteFollowers) DestroyFollowers();
    RemoveFromList();
}

void CElement::DestroyFollowers() {
    // Detach each follower before destroying it, so that its own destructor finds no
    // neighbours and no followers: the chain goes one element at a time, without recursion.
    CElement* e = next;
    next = nullptr;
    while (e != nullptr) {
        CElement* after = e->next;
        e->next = nullptr;
        e->prev = nullptr;
        e->deleteFollowers = false;
        if (after != nullptr) after->prev = nullptr;
        delete e;
        e = after;
    }
}

void CElement::RemoveFromList() {
    if (prev != nullptr) prev->next = next;
    if (next != nullptr) next->prev = prev;  // a head's follower gets no prev
    prev = nullptr;
    next = nullptr;
}

void CElement::SetNext(CElement* e) {
    next = e;
    if (e != nullptr) e->SetPrev(this);
    Invalidate();
}

void CElement::SetPrev(CElement* e) {
    prev = e;
    Invalidate();
}

CElement* CElement::FirstOfList() {
    CElement* e = this;
    while (e->prev != nullptr) e = e->prev;
    return e;
}

CElement* CElement::LastOfList() {
    CElement* e = this;
    while (e->next != nullptr) e = e->next;
    return e;
}

CElement* CElement::BringToFront() {
    if (next != nullptr) {
        CElement* last = LastOfList();
        if (last != this) {
            if (prev != nullptr) {
                prev->SetNext(next);
            } else {
                next->SetPrev(nullptr);
            }
            last->SetNext(this);
            SetNext(nullptr);
            last->Invalidate();
        }
    }
    Invalidate();
    return FirstOfList();
}

CElement* CElement::SendToBack() {
    CElement* first = FirstOfList();
    if (first != this) {
        prev->SetNext(next);  // this is not the first, so prev exists
        SetNext(first);
        SetPrev(nullptr);
        first->Invalidate();
    }
    Invalidate();
    return this;
}

}  // namespace dw
