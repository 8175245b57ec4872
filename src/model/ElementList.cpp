#include "model/ElementList.h"

#include <utility>

namespace dw {

ElementList::ElementList(std::unique_ptr<CElement> element) {
    if (!element) return;
    CElement* e = element.release();
    head = e->FirstOfList();
    tail = e->LastOfList();
}

ElementList::ElementList(ElementList&& other) noexcept
    : head(std::exchange(other.head, nullptr)), tail(std::exchange(other.tail, nullptr)) {}

ElementList& ElementList::operator=(ElementList&& other) noexcept {
    if (this != &other) {
        Clear();
        head = std::exchange(other.head, nullptr);
        tail = std::exchange(other.tail, nullptr);
    }
    return *this;
}

ElementList::~ElementList() {
    Clear();
}

CElement* ElementList::Head() const {
    return head != nullptr ? head->FirstOfList() : nullptr;
}

CElement* ElementList::Last() const {
    return tail != nullptr ? tail->LastOfList() : nullptr;
}

std::size_t ElementList::Count() const {
    std::size_t count = 0;
    for (const CElement* e = Head(); e != nullptr; e = e->GetNext()) ++count;
    return count;
}

long ElementList::IndexOf(const CElement* element) const {
    long index = 0;
    for (const CElement* e = Head(); e != nullptr; e = e->GetNext(), ++index) {
        if (e == element) return index;
    }
    return -1;
}

CElement* ElementList::At(std::size_t position) const {
    CElement* e = Head();
    while (e != nullptr && position-- > 0) e = e->GetNext();
    return e;
}

bool ElementList::Contains(const CElement* element) const {
    if (element == nullptr || head == nullptr) return false;
    // Walk both ways at once: whichever end comes first tells which chain this is.
    const CElement* back = element;
    const CElement* ahead = element;
    for (;;) {
        if (back->GetPrev() == nullptr) return back == Head();
        if (ahead->GetNext() == nullptr) return ahead == Last();
        back = back->GetPrev();
        ahead = ahead->GetNext();
    }
}

void ElementList::Forget(const CElement* element) {
    if (head == element)
        head = element->GetPrev() != nullptr ? element->GetPrev() : element->GetNext();
    if (tail == element)
        tail = element->GetNext() != nullptr ? element->GetNext() : element->GetPrev();
}

CElement* ElementList::Append(std::unique_ptr<CElement> element) {
    return Splice(Last(), std::move(element));
}

CElement* ElementList::InsertAfter(CElement* position, std::unique_ptr<CElement> element) {
    if (position != nullptr && !Contains(position)) position = Last();
    return Splice(position, std::move(element));
}

CElement* ElementList::Splice(CElement* position, std::unique_ptr<CElement> element) {
    if (!element) return nullptr;
    CElement* e = element.release();
    // The element enters with whatever is chained to it, so that nothing is orphaned.
    CElement* first = e->FirstOfList();
    CElement* last = e->LastOfList();
    if (position == nullptr) {
        last->SetNext(Head());
        head = first;
    } else {
        last->SetNext(position->GetNext());
        position->SetNext(first);
    }
    if (tail == nullptr || last->GetNext() == nullptr) tail = last;
    return e;
}

void ElementList::AppendList(ElementList&& other) {
    if (this == &other || other.head == nullptr) return;
    CElement* otherLast = other.Last();
    CElement* first = other.Release();
    if (head == nullptr) {
        head = first;
    } else {
        Last()->SetNext(first);
    }
    tail = otherLast;
}

std::unique_ptr<CElement> ElementList::Take(CElement* element) {
    if (!Contains(element)) return nullptr;
    Forget(element);
    Unlink(element);
    return std::unique_ptr<CElement>(element);
}

void ElementList::Unlink(CElement* element) {
    CElement* before = element->GetPrev();
    CElement* after = element->GetNext();
    if (before != nullptr) {
        before->SetNext(after);
    } else if (after != nullptr) {
        after->SetPrev(nullptr);
    }
    element->SetPrev(nullptr);
    element->SetNext(nullptr);
}

std::size_t ElementList::RemoveIf(const std::function<bool(CElement&)>& predicate) {
    std::size_t removed = 0;
    CElement* e = Head();
    while (e != nullptr) {
        CElement* after = e->GetNext();
        if (predicate(*e)) {
            Forget(e);
            Unlink(e);
            delete e;
            ++removed;
        }
        e = after;
    }
    return removed;
}

bool ElementList::Remove(CElement* element) {
    std::unique_ptr<CElement> taken = Take(element);
    return taken != nullptr;
}

void ElementList::Clear() {
    CElement* first = Release();
    if (first == nullptr) return;
    first->SetDeleteFollowers(true);
    delete first;
}

CElement* ElementList::Release() {
    CElement* first = Head();
    head = nullptr;
    tail = nullptr;
    return first;
}

void ElementList::BringToFront(CElement* element) {
    if (!Contains(element)) return;
    head = element->BringToFront();
    tail = element;
}

void ElementList::SendToBack(CElement* element) {
    if (Contains(element)) head = element->SendToBack();
}

}  // namespace dw
