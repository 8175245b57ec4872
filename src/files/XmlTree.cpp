// Operations over whole subtrees: sharing a node as a child, deep copies.
#include <set>
#include <utility>
#include <vector>

#include "files/XmlNode.h"
#include "files/XmlNodeData.h"

namespace dw {
namespace {

// True when target is root or lies anywhere below it (shared subtrees visited once).
bool Contains(XmlNodeRef root, XmlNodeRef target) {
    std::vector<XmlNodeRef> pending{root};
    std::set<std::pair<const XmlStore*, std::uint32_t>> seen;
    while (!pending.empty()) {
        const XmlNodeRef node = pending.back();
        pending.pop_back();
        if (node.store == target.store && node.index == target.index) return true;
        if (!seen.insert({node.store, node.index}).second) continue;
        const XmlNodeView view(node);
        for (std::uint32_t i = 0; i < view.ChildCount(); ++i) pending.push_back(view.Child(i));
    }
    return false;
}

// Copies from and everything below it into store as new edited nodes; returns the copy.
std::uint32_t CopyInto(XmlStore& store, XmlNodeRef from) {
    const std::uint32_t top =
        store.NewNode(XmlNodeView(from).Name(), XmlNodeView(from).IsDeclaration(), true);
    // Pairs of (original, its copy) whose parts are still to be copied.
    std::vector<std::pair<XmlNodeRef, std::uint32_t>> pending{{from, top}};
    while (!pending.empty()) {
        const auto [original, copy] = pending.back();
        pending.pop_back();
        const XmlNodeView view(original);
        XmlEditRec& edit = store.Edit(copy);
        for (std::uint32_t i = 0; i < view.AttrCount(); ++i) {
            XmlAttrRec attr;
            attr.name = store.AddName(view.AttrName(i));
            if (view.AttrHasValue(i)) {
                const XmlStr value = store.AddChars(view.AttrValue(i));
                attr.valueAt = value.at;
                attr.valueSize = value.size;
            }
            edit.attrs.push_back(attr);
        }
        for (std::uint32_t i = 0; i < view.ContentCount(); ++i) {
            const std::uint32_t entry = view.ContentEntry(i);
            std::uint32_t copied = 0;
            switch (EntrySort(entry)) {
                case XmlEntry::Element:
                case XmlEntry::Foreign: {
                    const XmlNodeRef child = view.EntryNode(entry);
                    const XmlNodeView childView(child);
                    const std::uint32_t childCopy =
                        store.NewNode(childView.Name(), childView.IsDeclaration(), true);
                    pending.push_back({child, childCopy});
                    copied = MakeEntry(XmlEntry::Element, childCopy);
                    store.Edit(copy).children.push_back(copied);
                    break;
                }
                case XmlEntry::Text: {
                    const XmlStore& source = *original.store;
                    copied = MakeEntry(XmlEntry::Text,
                                       store.AddText(source.Chars(source.Text(EntryIndex(entry)))));
                    store.Edit(copy).texts.push_back(copied);
                    break;
                }
                case XmlEntry::Clear: {
                    const XmlStore& source = *original.store;
                    const XmlClearRec& clear = source.Clear(EntryIndex(entry));
                    copied = MakeEntry(XmlEntry::Clear, store.AddClear(source.Chars(clear.value),
                                                                       source.OpenMark(clear),
                                                                       source.CloseMark(clear)));
                    store.Edit(copy).clears.push_back(copied);
                    break;
                }
            }
            store.Edit(copy).content.push_back(copied);
        }
    }
    return top;
}

bool SameEntry(const XmlNodeView& a, std::uint32_t ea, const XmlNodeView& b, std::uint32_t eb,
               const XmlStore& sa, const XmlStore& sb) {
    const XmlEntry sortA = EntrySort(ea) == XmlEntry::Foreign ? XmlEntry::Element : EntrySort(ea);
    const XmlEntry sortB = EntrySort(eb) == XmlEntry::Foreign ? XmlEntry::Element : EntrySort(eb);
    if (sortA != sortB) return false;
    if (sortA == XmlEntry::Text)
        return sa.Chars(sa.Text(EntryIndex(ea))) == sb.Chars(sb.Text(EntryIndex(eb)));
    if (sortA == XmlEntry::Clear) {
        const XmlClearRec& ca = sa.Clear(EntryIndex(ea));
        const XmlClearRec& cb = sb.Clear(EntryIndex(eb));
        return sa.Chars(ca.value) == sb.Chars(cb.value) && sa.OpenMark(ca) == sb.OpenMark(cb) &&
               sa.CloseMark(ca) == sb.CloseMark(cb);
    }
    return true;  // elements are compared node by node
}

// Name, flag and attributes of two nodes.
bool SameHead(const XmlNodeView& a, const XmlNodeView& b) {
    if (a.Name() != b.Name() || a.IsDeclaration() != b.IsDeclaration()) return false;
    std::uint32_t countA = 0;
    std::uint32_t countB = 0;
    a.AttrArray(countA);
    b.AttrArray(countB);
    if (countA != countB) return false;
    for (std::uint32_t i = 0; i < countA; ++i) {
        if (a.AttrHasValue(i) != b.AttrHasValue(i) || a.AttrName(i) != b.AttrName(i) ||
            a.AttrValue(i) != b.AttrValue(i))
            return false;
    }
    return a.ContentCount() == b.ContentCount();
}

}  // namespace

bool SameContent(const XmlNode& a, const XmlNode& b) {
    const XmlNodeRef ra = XmlNodeAccess::Ref(a);
    const XmlNodeRef rb = XmlNodeAccess::Ref(b);
    if (!ra || !rb) return !ra && !rb;
    std::vector<std::pair<XmlNodeRef, XmlNodeRef>> pending{{ra, rb}};
    while (!pending.empty()) {
        const auto [na, nb] = pending.back();
        pending.pop_back();
        const XmlNodeView va(na);
        const XmlNodeView vb(nb);
        if (!SameHead(va, vb)) return false;
        for (std::uint32_t i = 0; i < va.ContentCount(); ++i) {
            const std::uint32_t ea = va.ContentEntry(i);
            const std::uint32_t eb = vb.ContentEntry(i);
            if (!SameEntry(va, ea, vb, eb, *na.store, *nb.store)) return false;
            if (EntrySort(ea) == XmlEntry::Element || EntrySort(ea) == XmlEntry::Foreign)
                pending.push_back({va.EntryNode(ea), vb.EntryNode(eb)});
        }
    }
    return true;
}

void XmlNode::AppendChild(const XmlNode& child) {
    if (!store_ || !child.store_) return;
    // Only a child whose document is this one's, or holds it, can hold this node.
    const bool mayHoldThis = child.store_->Keeps(store_);
    if (mayHoldThis && Contains({child.store_, child.index_}, {store_, index_})) return;
    std::uint32_t entry = 0;
    if (child.store_ == store_) {
        entry = MakeEntry(XmlEntry::Element, child.index_);
    } else if (mayHoldThis) {
        // Sharing would make the two documents keep each other alive: copy instead.
        entry = MakeEntry(XmlEntry::Element, CopyInto(*store_, {child.store_, child.index_}));
    } else {
        entry = MakeEntry(XmlEntry::Foreign, store_->AddForeign(child.store_, child.index_));
    }
    XmlEditRec& edit = store_->Edit(index_);
    edit.content.push_back(entry);
    edit.children.push_back(entry);
}

XmlNode XmlNode::Clone() const {
    if (!store_) return {};
    auto store = std::make_unique<XmlStore>();
    const std::uint32_t copy = CopyInto(*store, {store_, index_});
    return XmlNodeAccess::Adopt(store.release(), copy);
}

}  // namespace dw
