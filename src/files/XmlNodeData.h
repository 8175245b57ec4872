#pragma once
// Inside of XmlNode: the node record and the access the parser, writer and tree helpers need.
// Not for use outside the XML layer.
#include <atomic>
#include <string>
#include <vector>

#include "files/XmlNode.h"

namespace dw {

struct XmlNodeData {
    std::atomic<int> references{0};
    std::string name;
    bool declaration = false;
    std::vector<XmlAttribute> attributes;
    std::vector<XmlNodeData*> children;  // each holds one reference
    std::vector<std::string> texts;
    std::vector<XmlClear> clears;
    std::vector<XmlContent> content;  // order of children, texts and clears
};

class XmlNodeAccess {
public:
    static XmlNodeData* Data(const XmlNode& node) { return node.data_; }
    // A new node with one reference, owned by the returned handle.
    static XmlNode Create(std::string name, bool declaration);
    // A handle that takes one more reference on data.
    static XmlNode Share(XmlNodeData* data);
    static void Retain(XmlNodeData* data) {
        data->references.fetch_add(1, std::memory_order_relaxed);
    }
    // Drops one reference; frees the node and every descendant nothing else holds, without
    // recursion, so that arbitrarily deep trees are safe.
    static void Release(XmlNodeData* data);
    // Appends a child that already carries the reference the parent will hold.
    static void AppendOwnedChild(XmlNodeData* parent, XmlNodeData* child);
    static void AppendText(XmlNodeData* parent, std::string text);
    static void AppendClear(XmlNodeData* parent, XmlClear clear);
};

}  // namespace dw
