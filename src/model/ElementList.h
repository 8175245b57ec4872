#pragma once
// ElementList: owns a gauge's chain of elements through its first element. The chain keeps
// its raw next/prev links (list order is drawing order, CElement::SetNext and friends still
// apply), while the list makes ownership safe: elements enter it as unique_ptr, leave it
// through Take or Remove, and a list being destroyed destroys its chain one element at a
// time, however long it is.
//
// Reordering elements directly (CElement::BringToFront/SendToBack) keeps the list valid:
// Head() finds the first element from the one it holds. Elements of a list must leave it
// only through Take, Remove or Clear (never by delete), so that the list never holds a
// destroyed element.
#include <cstddef>
#include <functional>
#include <iterator>
#include <memory>

#include "model/CElement.h"

namespace dw {

class ElementList {
public:
    ElementList() = default;
    // Adopts the whole chain that element belongs to.
    explicit ElementList(std::unique_ptr<CElement> element);
    ElementList(const ElementList&) = delete;
    ElementList& operator=(const ElementList&) = delete;
    ElementList(ElementList&& other) noexcept;
    ElementList& operator=(ElementList&& other) noexcept;
    ~ElementList();

    // The first element (drawn first), or null for an empty list.
    CElement* Head() const;
    CElement* Last() const;
    bool Empty() const { return head == nullptr; }
    std::size_t Count() const;
    // Position counted from 0 in list order; -1 when the element is not in the list.
    long IndexOf(const CElement* element) const;
    // The element at that position, or null.
    CElement* At(std::size_t position) const;

    // Links element after the last element and returns it (null for a null element). An element
    // that comes chained to others brings its whole chain along, in order.
    CElement* Append(std::unique_ptr<CElement> element);
    // Links element (with its chain) after position, or at the start when position is
    // null; a position that is not in the list appends.
    CElement* InsertAfter(CElement* position, std::unique_ptr<CElement> element);
    // Moves every element of other, in order, after the last element; other ends empty.
    void AppendList(ElementList&& other);
    // Unlinks the element and hands it over; null when it is not in this list.
    std::unique_ptr<CElement> Take(CElement* element);
    // Unlinks and destroys the element; false when it is not in this list.
    bool Remove(CElement* element);
    // Walks the list once in order and destroys every element for which predicate returns
    // true (the predicate may record undo steps or invalidate first); returns the count.
    std::size_t RemoveIf(const std::function<bool(CElement&)>& predicate);
    // Destroys every element.
    void Clear();
    // Gives up ownership of the chain and returns its first element.
    CElement* Release();

    // The element's BringToFront/SendToBack, keeping Head() at once up to date.
    void BringToFront(CElement* element);
    void SendToBack(CElement* element);

    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = CElement;
        using difference_type = std::ptrdiff_t;
        using pointer = CElement*;
        using reference = CElement&;
        Iterator() = default;
        explicit Iterator(CElement* e) : e(e) {}
        reference operator*() const { return *e; }
        pointer operator->() const { return e; }
        Iterator& operator++() {
            e = e->GetNext();
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            e = e->GetNext();
            return before;
        }
        friend bool operator==(const Iterator&, const Iterator&) = default;

    private:
        CElement* e = nullptr;
    };
    // Iterating while elements are taken out is not supported; keep GetNext() first.
    Iterator begin() const { return Iterator(Head()); }
    Iterator end() const { return Iterator(); }

private:
    // True when element is linked into this list; walks to the nearer end of its chain.
    bool Contains(const CElement* element) const;
    static void Unlink(CElement* element);
    // Moves the head and tail hints off an element that is about to leave the chain.
    void Forget(const CElement* element);
    CElement* Splice(CElement* position, std::unique_ptr<CElement> element);

    // Elements of the chain, normally its first and its last. Reordering through the
    // elements themselves may move them inward; Head() and Last() walk from them.
    CElement* head = nullptr;
    CElement* tail = nullptr;
};

}  // namespace dw
