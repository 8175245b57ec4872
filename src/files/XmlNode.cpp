// XmlNode handles: reference counting, building and looking up.
#include "files/XmlNode.h"

#include <utility>

#include "files/XmlNodeData.h"
#include "files/XmlText.h"

namespace dw {
namespace {

const std::string kEmptyName;
const std::vector<XmlAttribute> kNoAttributes;

}  // namespace

XmlNode XmlNodeAccess::Create(std::string name, bool declaration) {
    auto* data = new XmlNodeData;
    data->name = std::move(name);
    data->declaration = declaration;
    data->references.store(1, std::memory_order_relaxed);
    return XmlNode(data);
}

XmlNode XmlNodeAccess::Share(XmlNodeData* data) {
    if (data) Retain(data);
    return XmlNode(data);
}

void XmlNodeAccess::Release(XmlNodeData* data) {
    if (!data || data->references.fetch_sub(1, std::memory_order_acq_rel) != 1) return;
    // Nodes whose last reference is gone wait here for their children to be released.
    std::vector<XmlNodeData*> doomed{data};
    while (!doomed.empty()) {
        XmlNodeData* node = doomed.back();
        doomed.pop_back();
        for (XmlNodeData* child : node->children) {
            if (child->references.fetch_sub(1, std::memory_order_acq_rel) == 1)
                doomed.push_back(child);
        }
        node->children.clear();
        delete node;
    }
}

void XmlNodeAccess::AppendOwnedChild(XmlNodeData* parent, XmlNodeData* child) {
    parent->content.push_back(
        {XmlContent::Kind::Element, static_cast<int>(parent->children.size())});
    parent->children.push_back(child);
}

void XmlNodeAccess::AppendText(XmlNodeData* parent, std::string text) {
    parent->content.push_back({XmlContent::Kind::Text, static_cast<int>(parent->texts.size())});
    parent->texts.push_back(std::move(text));
}

void XmlNodeAccess::AppendClear(XmlNodeData* parent, XmlClear clear) {
    parent->content.push_back({XmlContent::Kind::Clear, static_cast<int>(parent->clears.size())});
    parent->clears.push_back(std::move(clear));
}

XmlNode::XmlNode(const XmlNode& other) : data_(other.data_) {
    if (data_) XmlNodeAccess::Retain(data_);
}

XmlNode::XmlNode(XmlNode&& other) noexcept : data_(std::exchange(other.data_, nullptr)) {}

XmlNode& XmlNode::operator=(const XmlNode& other) {
    if (other.data_) XmlNodeAccess::Retain(other.data_);
    XmlNodeAccess::Release(std::exchange(data_, other.data_));
    return *this;
}

XmlNode& XmlNode::operator=(XmlNode&& other) noexcept {
    if (this != &other)
        XmlNodeAccess::Release(std::exchange(data_, std::exchange(other.data_, nullptr)));
    return *this;
}

XmlNode::~XmlNode() {
    XmlNodeAccess::Release(data_);
}

bool XmlNode::IsDeclaration() const {
    return data_ && data_->declaration;
}

const std::string& XmlNode::Name() const {
    return data_ ? data_->name : kEmptyName;
}

XmlNode XmlNode::AddChild(const std::string& name, bool isDeclaration) {
    if (!data_) return {};
    XmlNode child = XmlNodeAccess::Create(name, isDeclaration);
    XmlNodeAccess::Retain(child.data_);  // the parent's reference
    XmlNodeAccess::AppendOwnedChild(data_, child.data_);
    return child;
}

void XmlNode::AddAttribute(const std::string& name, std::optional<std::string> value) {
    if (data_) data_->attributes.push_back({name, std::move(value)});
}

void XmlNode::AddClear(const std::string& value, const std::string& openMark,
                       const std::string& closeMark) {
    if (data_) XmlNodeAccess::AppendClear(data_, {value, openMark, closeMark});
}

void XmlNode::AddText(const std::string& text) {
    if (data_) XmlNodeAccess::AppendText(data_, text);
}

std::optional<std::string> XmlNode::GetAttribute(const std::string& name) const {
    if (!data_) return std::nullopt;
    for (const XmlAttribute& attribute : data_->attributes) {
        if (xmltext::EqualNoCase(attribute.name, name)) return attribute.value;
    }
    return std::nullopt;
}

std::string XmlNode::Attribute(const std::string& name) const {
    return GetAttribute(name).value_or(std::string());
}

int XmlNode::AttributeCount() const {
    return data_ ? static_cast<int>(data_->attributes.size()) : 0;
}

const std::vector<XmlAttribute>& XmlNode::Attributes() const {
    return data_ ? data_->attributes : kNoAttributes;
}

int XmlNode::ChildCount(const std::string& name) const {
    if (!data_) return 0;
    int count = 0;
    for (const XmlNodeData* child : data_->children) {
        if (xmltext::EqualNoCase(child->name, name)) ++count;
    }
    return count;
}

int XmlNode::ChildCount() const {
    return data_ ? static_cast<int>(data_->children.size()) : 0;
}

XmlNode XmlNode::GetChildNode(const std::string& name, int* index) const {
    if (!data_) return {};
    const int count = static_cast<int>(data_->children.size());
    for (int i = (index && *index > 0) ? *index : 0; i < count; ++i) {
        if (xmltext::EqualNoCase(data_->children[i]->name, name)) {
            if (index) *index = i + 1;
            return XmlNodeAccess::Share(data_->children[i]);
        }
    }
    return {};
}

XmlNode XmlNode::ChildAt(int position) const {
    if (position < 0 || position >= ChildCount()) return {};
    return XmlNodeAccess::Share(data_->children[position]);
}

int XmlNode::ClearCount() const {
    return data_ ? static_cast<int>(data_->clears.size()) : 0;
}

XmlClear XmlNode::GetClear(int position) const {
    if (position < 0 || position >= ClearCount()) return {};
    return data_->clears[position];
}

int XmlNode::TextCount() const {
    return data_ ? static_cast<int>(data_->texts.size()) : 0;
}

std::string XmlNode::GetText(int position) const {
    if (position < 0 || position >= TextCount()) return {};
    return data_->texts[position];
}

int XmlNode::ContentCount() const {
    return data_ ? static_cast<int>(data_->content.size()) : 0;
}

XmlContent XmlNode::ContentAt(int position) const {
    if (position < 0 || position >= ContentCount()) return {};
    return data_->content[position];
}

XmlNode CreateTopNode(const std::string& name, bool isDeclaration) {
    return XmlNodeAccess::Create(name, isDeclaration);
}

}  // namespace dw
