// XmlNode handles: sharing, building and looking up.
#include "files/XmlNode.h"

#include <memory>
#include <utility>

#include "files/XmlNodeData.h"
#include "files/XmlText.h"

namespace dw {

XmlNode XmlNodeAccess::Share(XmlNodeRef ref) {
    if (ref.store) ref.store->Retain();
    return XmlNode(ref.store, ref.index);
}

XmlNode XmlNodeAccess::Adopt(XmlStore* store, std::uint32_t index) {
    return XmlNode(store, index);
}

XmlNode::XmlNode(const XmlNode& other) : store_(other.store_), index_(other.index_) {
    if (store_) store_->Retain();
}

XmlNode::XmlNode(XmlNode&& other) noexcept
    : store_(std::exchange(other.store_, nullptr)), index_(std::exchange(other.index_, 0)) {}

XmlNode& XmlNode::operator=(const XmlNode& other) {
    if (other.store_) other.store_->Retain();
    XmlStore::Release(std::exchange(store_, other.store_));
    index_ = other.index_;
    return *this;
}

XmlNode& XmlNode::operator=(XmlNode&& other) noexcept {
    if (this != &other) {
        XmlStore::Release(std::exchange(store_, std::exchange(other.store_, nullptr)));
        index_ = std::exchange(other.index_, 0);
    }
    return *this;
}

XmlNode::~XmlNode() {
    XmlStore::Release(store_);
}

bool XmlNode::IsDeclaration() const {
    return store_ && XmlNodeView({store_, index_}).IsDeclaration();
}

std::string XmlNode::Name() const {
    return store_ ? std::string(XmlNodeView({store_, index_}).Name()) : std::string();
}

XmlNode XmlNode::AddChild(const std::string& name, bool isDeclaration) {
    if (!store_) return {};
    const std::uint32_t child = store_->NewNode(name, isDeclaration, true);
    XmlEditRec& edit = store_->Edit(index_);
    const std::uint32_t entry = MakeEntry(XmlEntry::Element, child);
    edit.content.push_back(entry);
    edit.children.push_back(entry);
    return XmlNodeAccess::Share({store_, child});
}

void XmlNode::AddAttribute(const std::string& name, std::optional<std::string> value) {
    if (!store_) return;
    XmlAttrRec attr;
    attr.name = store_->AddName(name);
    if (value) {
        const XmlStr chars = store_->AddChars(*value);
        attr.valueAt = chars.at;
        attr.valueSize = chars.size;
    }
    std::vector<XmlAttrRec>& attrs = store_->Edit(index_).attrs;
    if (attrs.empty()) attrs.reserve(8);
    attrs.push_back(attr);
}

void XmlNode::AddClear(const std::string& value, const std::string& openMark,
                       const std::string& closeMark) {
    if (!store_) return;
    const std::uint32_t entry =
        MakeEntry(XmlEntry::Clear, store_->AddClear(value, openMark, closeMark));
    XmlEditRec& edit = store_->Edit(index_);
    edit.content.push_back(entry);
    edit.clears.push_back(entry);
}

void XmlNode::AddText(const std::string& text) {
    if (!store_) return;
    const std::uint32_t entry = MakeEntry(XmlEntry::Text, store_->AddText(text));
    XmlEditRec& edit = store_->Edit(index_);
    edit.content.push_back(entry);
    edit.texts.push_back(entry);
}

std::optional<std::string> XmlNode::GetAttribute(const std::string& name) const {
    if (!store_) return std::nullopt;
    std::uint32_t count = 0;
    const XmlAttrRec* attrs = XmlNodeView({store_, index_}).AttrArray(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const XmlAttrRec& attr = attrs[i];
        if (store_->NameSize(attr.name) != name.size() ||
            !xmltext::EqualNoCase(store_->Name(attr.name), name))
            continue;
        if (attr.valueSize == XmlAttrRec::kNoValue) return std::nullopt;
        return std::string(store_->Chars({attr.valueAt, attr.valueSize}));
    }
    return std::nullopt;
}

std::string XmlNode::Attribute(const std::string& name) const {
    return GetAttribute(name).value_or(std::string());
}

int XmlNode::AttributeCount() const {
    return store_ ? static_cast<int>(XmlNodeView({store_, index_}).AttrCount()) : 0;
}

std::vector<XmlAttribute> XmlNode::Attributes() const {
    std::vector<XmlAttribute> attributes;
    if (!store_) return attributes;
    const XmlNodeView view({store_, index_});
    for (std::uint32_t i = 0; i < view.AttrCount(); ++i) {
        XmlAttribute attribute{std::string(view.AttrName(i)), std::nullopt};
        if (view.AttrHasValue(i)) attribute.value = std::string(view.AttrValue(i));
        attributes.push_back(std::move(attribute));
    }
    return attributes;
}

int XmlNode::ChildCount(const std::string& name) const {
    if (!store_) return 0;
    const XmlNodeView view({store_, index_});
    int count = 0;
    for (std::uint32_t i = 0; i < view.ChildCount(); ++i) {
        if (xmltext::EqualNoCase(XmlNodeView(view.Child(i)).Name(), name)) ++count;
    }
    return count;
}

int XmlNode::ChildCount() const {
    return store_ ? static_cast<int>(XmlNodeView({store_, index_}).ChildCount()) : 0;
}

XmlNode XmlNode::GetChildNode(const std::string& name, int* index) const {
    if (!store_) return {};
    const XmlNodeView view({store_, index_});
    const int count = static_cast<int>(view.ChildCount());
    for (int i = (index && *index > 0) ? *index : 0; i < count; ++i) {
        const XmlNodeRef child = view.Child(static_cast<std::uint32_t>(i));
        if (xmltext::EqualNoCase(XmlNodeView(child).Name(), name)) {
            if (index) *index = i + 1;
            return XmlNodeAccess::Share(child);
        }
    }
    return {};
}

XmlNode XmlNode::ChildAt(int position) const {
    if (position < 0 || position >= ChildCount()) return {};
    return XmlNodeAccess::Share(
        XmlNodeView({store_, index_}).Child(static_cast<std::uint32_t>(position)));
}

int XmlNode::ClearCount() const {
    return store_ ? static_cast<int>(XmlNodeView({store_, index_}).ClearCount()) : 0;
}

XmlClear XmlNode::GetClear(int position) const {
    if (position < 0 || position >= ClearCount()) return {};
    const XmlClearRec& clear = store_->Clear(
        XmlNodeView({store_, index_}).ClearIndex(static_cast<std::uint32_t>(position)));
    return {std::string(store_->Chars(clear.value)), std::string(store_->OpenMark(clear)),
            std::string(store_->CloseMark(clear))};
}

int XmlNode::TextCount() const {
    return store_ ? static_cast<int>(XmlNodeView({store_, index_}).TextCount()) : 0;
}

std::string XmlNode::GetText(int position) const {
    if (position < 0 || position >= TextCount()) return {};
    return std::string(XmlNodeView({store_, index_}).Text(static_cast<std::uint32_t>(position)));
}

int XmlNode::ContentCount() const {
    return store_ ? static_cast<int>(XmlNodeView({store_, index_}).ContentCount()) : 0;
}

XmlContent XmlNode::ContentAt(int position) const {
    if (position < 0 || position >= ContentCount()) return {};
    const XmlNodeView view({store_, index_});
    auto kindOf = [&view](std::uint32_t i) {
        switch (EntrySort(view.ContentEntry(i))) {
            case XmlEntry::Text:
                return XmlContent::Kind::Text;
            case XmlEntry::Clear:
                return XmlContent::Kind::Clear;
            default:
                return XmlContent::Kind::Element;
        }
    };
    // The index among the entries of the same sort before it.
    const XmlContent::Kind kind = kindOf(static_cast<std::uint32_t>(position));
    int index = 0;
    for (int i = 0; i < position; ++i)
        if (kindOf(static_cast<std::uint32_t>(i)) == kind) ++index;
    return {kind, index};
}

XmlNode CreateTopNode(const std::string& name, bool isDeclaration) {
    auto store = std::make_unique<XmlStore>();  // one reference, adopted by the handle
    const std::uint32_t node = store->NewNode(name, isDeclaration, true);
    return XmlNodeAccess::Adopt(store.release(), node);
}

}  // namespace dw
