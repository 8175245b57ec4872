// Operations over whole subtrees: sharing a node as a child, deep copies.
#include <unordered_set>
#include <utility>
#include <vector>

#include "files/XmlNode.h"
#include "files/XmlNodeData.h"

namespace dw {
namespace {

// True when target is root or lies anywhere below it (shared subtrees visited once).
bool Contains(const XmlNodeData* root, const XmlNodeData* target) {
    std::vector<const XmlNodeData*> pending{root};
    std::unordered_set<const XmlNodeData*> seen;
    while (!pending.empty()) {
        const XmlNodeData* node = pending.back();
        pending.pop_back();
        if (node == target) return true;
        if (!seen.insert(node).second) continue;
        for (const XmlNodeData* child : node->children) pending.push_back(child);
    }
    return false;
}

}  // namespace

void XmlNode::AppendChild(const XmlNode& child) {
    if (!data_ || !child.data_ || Contains(child.data_, data_)) return;
    XmlNodeAccess::Retain(child.data_);
    XmlNodeAccess::AppendOwnedChild(data_, child.data_);
}

XmlNode XmlNode::Clone() const {
    if (!data_) return {};
    XmlNode copy = XmlNodeAccess::Create(data_->name, data_->declaration);
    // Pairs of (original, its copy) whose content is still to be copied.
    std::vector<std::pair<const XmlNodeData*, XmlNodeData*>> pending{
        {data_, XmlNodeAccess::Data(copy)}};
    while (!pending.empty()) {
        auto [from, to] = pending.back();
        pending.pop_back();
        to->attributes = from->attributes;
        to->texts = from->texts;
        to->clears = from->clears;
        to->content = from->content;
        to->children.reserve(from->children.size());
        for (const XmlNodeData* child : from->children) {
            auto* childCopy = new XmlNodeData;
            childCopy->name = child->name;
            childCopy->declaration = child->declaration;
            childCopy->references.store(1, std::memory_order_relaxed);
            to->children.push_back(childCopy);
            pending.push_back({child, childCopy});
        }
    }
    return copy;
}

}  // namespace dw
