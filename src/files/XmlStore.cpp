// XmlStore: the pools that hold a store's nodes, and read access to a node's parts.
#include <algorithm>
#include <new>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "files/XmlNodeData.h"

namespace dw {

namespace {

// The clear sections the parser knows, in the order of their mark pair numbers.
constexpr std::string_view kKnownMarks[][2] = {
    {"<![CDATA[", "]]>"}, {"<PRE>", "</PRE>"}, {"<Script>", "</Script>"},
    {"<!--", "-->"},      {"<!DOCTYPE", ">"},
};
constexpr std::uint32_t kKnownMarkCount = 5;

// The parse-time name table holds at most this many names, so that a document of many
// distinct names does not build a large one.
constexpr std::size_t kMaxInternedNames = 4096;

}  // namespace

template <class T, int Bits, std::uint32_t First>
std::uint32_t XmlPool<T, Bits, First>::Allocate(std::uint32_t count) {
    constexpr std::uint32_t kChunk = 1u << Bits;
    if (!chunks_.empty() && count <= capacity_ - used_) {
        const std::uint32_t handle =
            (static_cast<std::uint32_t>(chunks_.size() - 1) << Bits) | used_;
        used_ += count;
        return handle;
    }
    // Chunk numbers must fit in the handle's upper bits.
    if (chunks_.size() >= (std::size_t{1} << (32 - Bits))) throw std::bad_alloc();
    if (count > kChunk) {
        // A run larger than a chunk fills a chunk of its own; the next run starts another.
        chunks_.push_back(std::make_unique_for_overwrite<T[]>(count));
        capacity_ = used_ = 0;
        return static_cast<std::uint32_t>(chunks_.size() - 1) << Bits;
    }
    const std::uint32_t size = std::max(count, nextSize_);
    nextSize_ = std::min(size * 2, kChunk);
    chunks_.push_back(std::make_unique_for_overwrite<T[]>(size));
    capacity_ = size;
    used_ = count;
    return static_cast<std::uint32_t>(chunks_.size() - 1) << Bits;
}

template class XmlPool<char, 16, 1024>;
template class XmlPool<XmlNodeRec, 12, 8>;
template class XmlPool<XmlAttrRec, 12, 32>;
template class XmlPool<std::uint32_t, 12, 32>;

// Keys are the names' characters in the store's pool, which never move.
struct XmlStore::NameIndex {
    std::unordered_map<std::string_view, std::uint32_t> names;
};

XmlStore::XmlStore() = default;

void XmlStore::StartNameIndex() {
    nameIndex_ = std::make_unique<NameIndex>();
}

XmlStore::~XmlStore() = default;

void XmlStore::FinishNames() {
    nameIndex_.reset();
}

void XmlStore::Release(XmlStore* store) {
    // Stores whose last reference is gone drop the stores they share nodes of, without
    // recursion.
    std::vector<XmlStore*> doomed;
    if (store && store->references_.fetch_sub(1, std::memory_order_acq_rel) == 1)
        doomed.push_back(store);
    while (!doomed.empty()) {
        XmlStore* next = doomed.back();
        doomed.pop_back();
        for (const Foreign& foreign : next->foreign_) {
            if (foreign.store->references_.fetch_sub(1, std::memory_order_acq_rel) == 1)
                doomed.push_back(foreign.store);
        }
        next->foreign_.clear();
        delete next;
    }
}

XmlStr XmlStore::AddChars(std::string_view text) {
    if (text.empty()) return {};
    if (text.size() > 0xFFFFFFFFu) throw std::bad_alloc();
    const auto size = static_cast<std::uint32_t>(text.size());
    const std::uint32_t at = chars_.Allocate(size);
    std::copy(text.begin(), text.end(), chars_.At(at));
    return {at, size};
}

std::string_view XmlStore::Chars(XmlStr str) const {
    if (str.size == 0) return {};
    return {chars_.At(str.at), str.size};
}

std::uint32_t XmlStore::AddNameUninterned(std::string_view name) {
    if (names_.size() >= kMaxEntryIndex) throw std::bad_alloc();
    if (names_.empty()) names_.reserve(32);
    names_.push_back(AddChars(name));
    return static_cast<std::uint32_t>(names_.size() - 1);
}

std::uint32_t XmlStore::AddName(std::string_view name) {
    // Outside parsing names are kept as given: searching would cost more than it saves.
    if (!nameIndex_) return AddNameUninterned(name);
    if (const auto found = nameIndex_->names.find(name); found != nameIndex_->names.end())
        return found->second;
    const std::uint32_t index = AddNameUninterned(name);
    if (nameIndex_->names.size() < kMaxInternedNames) nameIndex_->names.emplace(Name(index), index);
    return index;
}

std::uint32_t XmlStore::NewNode(std::string_view name, bool declaration, bool edited) {
    if (nodeCount_ > kMaxEntryIndex) throw std::bad_alloc();
    const std::uint32_t handle = nodes_.Allocate(1);
    XmlNodeRec& rec = *nodes_.At(handle);
    rec = XmlNodeRec{};
    rec.name = AddName(name);
    rec.flags = declaration ? XmlNodeRec::kDeclaration : 0;
    if (edited) {
        rec.flags |= XmlNodeRec::kEdited;
        if (edits_.empty()) edits_.reserve(8);
        edits_.push_back(std::make_unique<XmlEditRec>());
        rec.block = static_cast<std::uint32_t>(edits_.size() - 1);
    }
    ++nodeCount_;
    return handle;
}

XmlEditRec& XmlStore::Edit(std::uint32_t node) {
    XmlNodeRec& rec = Node(node);
    if (rec.flags & XmlNodeRec::kEdited) return *edits_[rec.block];
    auto edit = std::make_unique<XmlEditRec>();
    const XmlNodeView view({this, node});
    for (std::uint32_t i = 0; i < view.AttrCount(); ++i) edit->attrs.push_back(view.Attr(i));
    for (std::uint32_t i = 0; i < view.ContentCount(); ++i) {
        const std::uint32_t entry = view.ContentEntry(i);
        edit->content.push_back(entry);
        switch (EntrySort(entry)) {
            case XmlEntry::Element:
            case XmlEntry::Foreign:
                edit->children.push_back(entry);
                break;
            case XmlEntry::Text:
                edit->texts.push_back(entry);
                break;
            case XmlEntry::Clear:
                edit->clears.push_back(entry);
                break;
        }
    }
    edits_.push_back(std::move(edit));
    rec.flags |= XmlNodeRec::kEdited;
    rec.block = static_cast<std::uint32_t>(edits_.size() - 1);
    return *edits_.back();
}

std::uint32_t XmlStore::AddText(std::string_view text) {
    if (texts_.size() > kMaxEntryIndex) throw std::bad_alloc();
    texts_.push_back(AddChars(text));
    return static_cast<std::uint32_t>(texts_.size() - 1);
}

std::uint32_t XmlStore::AddClear(std::string_view value, std::string_view open,
                                 std::string_view close) {
    if (clears_.size() > kMaxEntryIndex) throw std::bad_alloc();
    std::uint32_t marks = kKnownMarkCount;
    for (std::uint32_t i = 0; i < kKnownMarkCount; ++i)
        if (kKnownMarks[i][0] == open && kKnownMarks[i][1] == close) marks = i;
    if (marks == kKnownMarkCount) {
        marks = kKnownMarkCount + static_cast<std::uint32_t>(markPairs_.size() / 2);
        markPairs_.push_back(AddChars(open));
        markPairs_.push_back(AddChars(close));
    }
    clears_.push_back({AddChars(value), marks});
    return static_cast<std::uint32_t>(clears_.size() - 1);
}

std::string_view XmlStore::OpenMark(const XmlClearRec& clear) const {
    if (clear.marks < kKnownMarkCount) return kKnownMarks[clear.marks][0];
    return Chars(markPairs_[(clear.marks - kKnownMarkCount) * 2]);
}

std::string_view XmlStore::CloseMark(const XmlClearRec& clear) const {
    if (clear.marks < kKnownMarkCount) return kKnownMarks[clear.marks][1];
    return Chars(markPairs_[(clear.marks - kKnownMarkCount) * 2 + 1]);
}

std::uint32_t XmlStore::AddForeign(XmlStore* store, std::uint32_t node) {
    if (foreign_.size() > kMaxEntryIndex) throw std::bad_alloc();
    store->Retain();
    foreign_.push_back({store, node});
    return static_cast<std::uint32_t>(foreign_.size() - 1);
}

bool XmlStore::Keeps(const XmlStore* other) const {
    if (this == other) return true;
    if (foreign_.empty()) return false;
    std::vector<const XmlStore*> pending{this};
    std::unordered_set<const XmlStore*> seen;
    while (!pending.empty()) {
        const XmlStore* store = pending.back();
        pending.pop_back();
        if (store == other) return true;
        if (!seen.insert(store).second) continue;
        for (const Foreign& foreign : store->foreign_) pending.push_back(foreign.store);
    }
    return false;
}

// ---- XmlNodeView ----

std::uint32_t XmlNodeView::AttrCount() const {
    const XmlNodeRec& rec = ref_.Rec();
    if (rec.flags & XmlNodeRec::kEdited)
        return static_cast<std::uint32_t>(ref_.store->EditOf(ref_.index).attrs.size());
    return rec.attrCount;
}

const XmlAttrRec& XmlNodeView::Attr(std::uint32_t i) const {
    const XmlNodeRec& rec = ref_.Rec();
    if (rec.flags & XmlNodeRec::kEdited) return ref_.store->EditOf(ref_.index).attrs[i];
    return ref_.store->Attrs(rec.attrs)[i];
}

const XmlAttrRec* XmlNodeView::AttrArray(std::uint32_t& count) const {
    const XmlNodeRec& rec = ref_.Rec();
    if (rec.flags & XmlNodeRec::kEdited) {
        const std::vector<XmlAttrRec>& attrs = ref_.store->EditOf(ref_.index).attrs;
        count = static_cast<std::uint32_t>(attrs.size());
        return attrs.data();
    }
    count = rec.attrCount;
    return count == 0 ? nullptr : ref_.store->Attrs(rec.attrs);
}

std::string_view XmlNodeView::AttrValue(std::uint32_t i) const {
    const XmlAttrRec& attr = Attr(i);
    if (attr.valueSize == XmlAttrRec::kNoValue) return {};
    return ref_.store->Chars({attr.valueAt, attr.valueSize});
}

const std::uint32_t* XmlNodeView::Run(std::uint32_t which, std::uint32_t& count) const {
    // which: 0 ordered content, 1 children, 2 texts, 3 clears.
    const XmlNodeRec& rec = ref_.Rec();
    const std::uint32_t clearCount = rec.contentCount - rec.childCount - rec.textCount;
    const std::uint32_t counts[] = {rec.contentCount, rec.childCount, rec.textCount, clearCount};
    count = counts[which];
    if (count == 0) return nullptr;
    const std::uint32_t* block = ref_.store->Entries(rec.block);
    // A node of one sort keeps only the ordered run, which is then that sort's run too.
    if (which == 0 || count == rec.contentCount) return block;
    std::uint32_t offset = rec.contentCount;
    for (std::uint32_t i = 1; i < which; ++i) offset += counts[i];
    return block + offset;
}

namespace {

const std::vector<std::uint32_t>& EditList(const XmlEditRec& edit, std::uint32_t which) {
    switch (which) {
        case 0:
            return edit.content;
        case 1:
            return edit.children;
        case 2:
            return edit.texts;
        default:
            return edit.clears;
    }
}

}  // namespace

std::uint32_t XmlNodeView::ContentCount() const {
    const XmlNodeRec& rec = ref_.Rec();
    if (rec.flags & XmlNodeRec::kEdited)
        return static_cast<std::uint32_t>(ref_.store->EditOf(ref_.index).content.size());
    return rec.contentCount;
}

std::uint32_t XmlNodeView::ContentEntry(std::uint32_t i) const {
    const XmlNodeRec& rec = ref_.Rec();
    if (rec.flags & XmlNodeRec::kEdited) return ref_.store->EditOf(ref_.index).content[i];
    std::uint32_t count = 0;
    return Run(0, count)[i];
}

std::uint32_t XmlNodeView::ChildCount() const {
    const XmlNodeRec& rec = ref_.Rec();
    if (rec.flags & XmlNodeRec::kEdited)
        return static_cast<std::uint32_t>(ref_.store->EditOf(ref_.index).children.size());
    return rec.childCount;
}

XmlNodeRef XmlNodeView::Child(std::uint32_t i) const {
    const XmlNodeRec& rec = ref_.Rec();
    std::uint32_t count = 0;
    const std::uint32_t entry = (rec.flags & XmlNodeRec::kEdited)
                                    ? EditList(ref_.store->EditOf(ref_.index), 1)[i]
                                    : Run(1, count)[i];
    return EntryNode(entry);
}

std::uint32_t XmlNodeView::TextCount() const {
    const XmlNodeRec& rec = ref_.Rec();
    if (rec.flags & XmlNodeRec::kEdited)
        return static_cast<std::uint32_t>(ref_.store->EditOf(ref_.index).texts.size());
    return rec.textCount;
}

std::string_view XmlNodeView::Text(std::uint32_t i) const {
    const XmlNodeRec& rec = ref_.Rec();
    std::uint32_t count = 0;
    const std::uint32_t entry = (rec.flags & XmlNodeRec::kEdited)
                                    ? EditList(ref_.store->EditOf(ref_.index), 2)[i]
                                    : Run(2, count)[i];
    return ref_.store->Chars(ref_.store->Text(EntryIndex(entry)));
}

std::uint32_t XmlNodeView::ClearCount() const {
    const XmlNodeRec& rec = ref_.Rec();
    if (rec.flags & XmlNodeRec::kEdited)
        return static_cast<std::uint32_t>(ref_.store->EditOf(ref_.index).clears.size());
    return rec.contentCount - rec.childCount - rec.textCount;
}

std::uint32_t XmlNodeView::ClearIndex(std::uint32_t i) const {
    const XmlNodeRec& rec = ref_.Rec();
    std::uint32_t count = 0;
    const std::uint32_t entry = (rec.flags & XmlNodeRec::kEdited)
                                    ? EditList(ref_.store->EditOf(ref_.index), 3)[i]
                                    : Run(3, count)[i];
    return EntryIndex(entry);
}

XmlNodeRef XmlNodeView::EntryNode(std::uint32_t entry) const {
    if (EntrySort(entry) == XmlEntry::Element) return {ref_.store, EntryIndex(entry)};
    const XmlStore::Foreign& foreign = ref_.store->ForeignAt(EntryIndex(entry));
    return {foreign.store, foreign.node};
}

}  // namespace dw
