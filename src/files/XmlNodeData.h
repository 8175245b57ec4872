#pragma once
// Inside of XmlNode: where nodes live and the access the parser, writer and tree helpers
// need. Not for use outside the XML layer.
//
// Nodes live in stores. A store keeps its nodes, their attributes, content entries and
// characters in a few pools of small records addressed by 32-bit handles, so that a parsed
// document takes a few times its text's size, not tens of times. A handle (XmlNode) keeps
// the whole store of its node alive; a store that shares a node of another store as a child
// keeps that store alive.
//
// A parsed node is frozen: its content is one contiguous run (its ordered entries, followed,
// when it mixes sorts, by its children, texts and clears each in a run of their own). A node
// built in code, or changed after parsing, keeps growable lists instead (its edit record).
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "files/XmlNode.h"

namespace dw {

// Runs of T in chunks; a run never straddles chunks. Handle = chunk << Bits | offset. Chunks
// grow from First records to 1 << Bits; a run longer than that gets a chunk of its own.
template <class T, int Bits, std::uint32_t First>
class XmlPool {
public:
    std::uint32_t Allocate(std::uint32_t count);
    T* At(std::uint32_t handle) {
        return chunks_[handle >> Bits].get() + (handle & ((1u << Bits) - 1));
    }
    const T* At(std::uint32_t handle) const {
        return chunks_[handle >> Bits].get() + (handle & ((1u << Bits) - 1));
    }

private:
    std::vector<std::unique_ptr<T[]>> chunks_;
    std::uint32_t used_ = 0;      // in the last chunk
    std::uint32_t capacity_ = 0;  // of the last chunk
    std::uint32_t nextSize_ = First;
};

// Characters kept by a store.
struct XmlStr {
    std::uint32_t at = 0;
    std::uint32_t size = 0;
};

struct XmlAttrRec {
    std::uint32_t name = 0;  // index of the store's names
    std::uint32_t valueAt = 0;
    std::uint32_t valueSize = kNoValue;  // kNoValue: an attribute written as its name alone
    static constexpr std::uint32_t kNoValue = 0xFFFFFFFFu;
};

struct XmlClearRec {
    XmlStr value;
    std::uint32_t marks = 0;  // index of the store's mark pairs
};

// One content entry: its sort in the top two bits, an index below.
enum class XmlEntry : std::uint32_t { Element = 0, Foreign = 1, Text = 2, Clear = 3 };
inline std::uint32_t MakeEntry(XmlEntry sort, std::uint32_t index) {
    return (static_cast<std::uint32_t>(sort) << 30) | index;
}
inline XmlEntry EntrySort(std::uint32_t entry) {
    return static_cast<XmlEntry>(entry >> 30);
}
inline std::uint32_t EntryIndex(std::uint32_t entry) {
    return entry & 0x3FFFFFFFu;
}
inline constexpr std::uint32_t kMaxEntryIndex = 0x3FFFFFFFu;

struct XmlNodeRec {
    std::uint32_t name : 30 = 0;  // index of the store's names
    std::uint32_t flags : 2 = 0;
    std::uint32_t attrs = 0;  // first of attrCount in the attribute pool (frozen)
    std::uint32_t attrCount = 0;
    std::uint32_t block = 0;  // frozen: first entry of the content run; edited: edit record
    std::uint32_t contentCount = 0;
    std::uint32_t childCount = 0;
    std::uint32_t textCount = 0;  // clears: contentCount - childCount - textCount
    static constexpr std::uint32_t kDeclaration = 1;
    static constexpr std::uint32_t kEdited = 2;
};

// The growable form of a node built in code or changed after parsing.
struct XmlEditRec {
    std::vector<XmlAttrRec> attrs;
    std::vector<std::uint32_t> content, children, texts, clears;
};

class XmlStore {
public:
    XmlStore();
    ~XmlStore();
    XmlStore(const XmlStore&) = delete;
    XmlStore& operator=(const XmlStore&) = delete;

    void Retain() { references_.fetch_add(1, std::memory_order_relaxed); }
    // Frees the store (and drops the stores it shares nodes of) with its last reference.
    static void Release(XmlStore* store);

    // ---- Characters and names ----
    XmlStr AddChars(std::string_view text);
    std::string_view Chars(XmlStr str) const;
    std::uint32_t AddName(std::string_view name);  // shared while a name table is kept
    std::uint32_t AddNameUninterned(std::string_view name);
    std::string_view Name(std::uint32_t index) const { return Chars(names_[index]); }
    std::size_t NameSize(std::uint32_t index) const { return names_[index].size; }

    // ---- Nodes ----
    std::uint32_t NewNode(std::string_view name, bool declaration, bool edited);
    XmlNodeRec& Node(std::uint32_t index) { return *nodes_.At(index); }
    const XmlNodeRec& Node(std::uint32_t index) const { return *nodes_.At(index); }
    std::uint32_t NodeCount() const { return nodeCount_; }
    // The edit record of a node, turning a frozen node into an edited one.
    XmlEditRec& Edit(std::uint32_t node);
    // The edit record of an edited node.
    const XmlEditRec& EditOf(std::uint32_t node) const { return *edits_[Node(node).block]; }

    // ---- Frozen runs ----
    std::uint32_t AllocateAttrs(std::uint32_t count) { return attrs_.Allocate(count); }
    XmlAttrRec* Attrs(std::uint32_t handle) { return attrs_.At(handle); }
    const XmlAttrRec* Attrs(std::uint32_t handle) const { return attrs_.At(handle); }
    std::uint32_t AllocateEntries(std::uint32_t count) { return entries_.Allocate(count); }
    std::uint32_t* Entries(std::uint32_t handle) { return entries_.At(handle); }
    const std::uint32_t* Entries(std::uint32_t handle) const { return entries_.At(handle); }

    // ---- Content records ----
    std::uint32_t AddText(std::string_view text);
    XmlStr Text(std::uint32_t index) const { return texts_[index]; }
    std::uint32_t AddClear(std::string_view value, std::string_view open, std::string_view close);
    const XmlClearRec& Clear(std::uint32_t index) const { return clears_[index]; }
    std::string_view OpenMark(const XmlClearRec& clear) const;
    std::string_view CloseMark(const XmlClearRec& clear) const;
    // A child of another store, kept alive by this one.
    std::uint32_t AddForeign(XmlStore* store, std::uint32_t node);
    struct Foreign {
        XmlStore* store;
        std::uint32_t node;
    };
    const Foreign& ForeignAt(std::uint32_t index) const { return foreign_[index]; }
    // True when this store keeps `other` alive, directly or through others.
    bool Keeps(const XmlStore* other) const;

    // A table that shares names while a document is parsed, dropped when it is complete;
    // without it every name added is kept on its own.
    void StartNameIndex();
    void FinishNames();

private:
    std::atomic<int> references_{1};
    XmlPool<char, 16, 1024> chars_;
    std::vector<XmlStr> names_;
    struct NameIndex;
    std::unique_ptr<NameIndex> nameIndex_;
    XmlPool<XmlNodeRec, 12, 8> nodes_;
    std::uint32_t nodeCount_ = 0;
    XmlPool<XmlAttrRec, 12, 32> attrs_;
    XmlPool<std::uint32_t, 12, 32> entries_;
    std::vector<XmlStr> texts_;
    std::vector<XmlClearRec> clears_;
    std::vector<XmlStr> markPairs_;  // open, close of marks beyond the known ones
    std::vector<std::unique_ptr<XmlEditRec>> edits_;
    std::vector<Foreign> foreign_;
};

// A node of a store, as the handles hold it.
struct XmlNodeRef {
    XmlStore* store = nullptr;
    std::uint32_t index = 0;
    explicit operator bool() const { return store != nullptr; }
    const XmlNodeRec& Rec() const { return store->Node(index); }
};

// Read access to a node's parts, frozen or edited alike.
class XmlNodeView {
public:
    explicit XmlNodeView(XmlNodeRef ref) : ref_(ref) {}
    std::string_view Name() const { return ref_.store->Name(ref_.Rec().name); }
    bool IsDeclaration() const { return (ref_.Rec().flags & XmlNodeRec::kDeclaration) != 0; }
    std::uint32_t AttrCount() const;
    const XmlAttrRec& Attr(std::uint32_t i) const;
    // All attributes at once: count of them at the returned address.
    const XmlAttrRec* AttrArray(std::uint32_t& count) const;
    std::string_view AttrName(std::uint32_t i) const { return ref_.store->Name(Attr(i).name); }
    std::string_view AttrValue(std::uint32_t i) const;
    bool AttrHasValue(std::uint32_t i) const { return Attr(i).valueSize != XmlAttrRec::kNoValue; }
    std::uint32_t ContentCount() const;
    std::uint32_t ContentEntry(std::uint32_t i) const;
    std::uint32_t ChildCount() const;
    XmlNodeRef Child(std::uint32_t i) const;  // i-th child element
    std::uint32_t TextCount() const;
    std::string_view Text(std::uint32_t i) const;  // i-th text
    std::uint32_t ClearCount() const;
    std::uint32_t ClearIndex(std::uint32_t i) const;  // store index of the i-th clear section
    // The element of a content entry of this node.
    XmlNodeRef EntryNode(std::uint32_t entry) const;

private:
    // Frozen runs: [content][children][texts][clears], the last three only when mixed.
    const std::uint32_t* Run(std::uint32_t which, std::uint32_t& count) const;
    XmlNodeRef ref_;
};

class XmlNodeAccess {
public:
    static XmlNodeRef Ref(const XmlNode& node) { return {node.store_, node.index_}; }
    // A handle that takes one more reference on the store.
    static XmlNode Share(XmlNodeRef ref);
    // A handle that adopts one reference the caller holds.
    static XmlNode Adopt(XmlStore* store, std::uint32_t index);
};

}  // namespace dw
