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

}  // namespace

void XmlNode::AppendChild(const XmlNode& child) {
    if (!store_ || !child.store_) return;
    if (Contains({child.store_, child.index_}, {store_, index_})) return;
    std::uint32_t entry = 0;
    if (child.store_ == store_) {
        entry = MakeEntry(XmlEntry::Element, child.index_);
    } else if (child.store_->Keeps(store_)) {
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
