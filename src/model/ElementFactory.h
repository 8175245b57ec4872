#pragma once
// ElementFactory: creates elements by their type word ("graph", "text", "primitive",
// "audio"), either new (owner and rectangle) or with the kind's loading constructor from
// an "element" node. The gauge file code, the clipboard, undo and duplicate use it, so that
// reading and writing gauges does not depend on the libraries that draw the kinds.
//
// Kinds register from their own libraries through a Register function of the library
// (for example RegisterRenderKinds()), which the program and the tests call at start-up:
// static initialisers in static libraries would be dropped by the linker. Registering a
// type word again replaces the earlier entry. Register at start-up, before other threads
// create or load elements: the factory does not lock.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "files/XmlNode.h"
#include "model/CElement.h"
#include "model/Geometry.h"

namespace dw {

class IElementOwner;

class ElementFactory {
public:
    using CreateNew =
        std::function<std::unique_ptr<CElement>(IElementOwner* owner, const Rect& rect)>;
    using CreateLoaded =
        std::function<std::unique_ptr<CElement>(const XmlNode& node, IElementOwner* owner)>;

    enum class LoadStatus {
        Loaded,       // element holds the new element
        UnknownType,  // the node's "type" names no registered kind: skip it
        Failed,       // the loading constructor left loadedOk false (the element is gone)
    };
    struct LoadResult {
        LoadStatus status = LoadStatus::UnknownType;
        std::unique_ptr<CElement> element;
    };

    // The factory of the program.
    static ElementFactory& Instance();

    void Register(const std::string& typeWord, CreateNew createNew, CreateLoaded createLoaded);
    void Unregister(const std::string& typeWord);
    bool IsRegistered(const std::string& typeWord) const;
    std::vector<std::string> TypeWords() const;  // in registration order

    // A new element of that kind; null when the type word is not registered.
    std::unique_ptr<CElement> Create(const std::string& typeWord, IElementOwner* owner,
                                     const Rect& rect) const;

    // Work that the kinds share while one document's elements are read: the kinds set a
    // function that opens such a batch and returns what keeps it open; GaugeReader holds
    // one while it reads. Null when no kind set one.
    using BatchOpener = std::function<std::shared_ptr<void>()>;
    void SetBatchOpener(BatchOpener opener);
    std::shared_ptr<void> BeginBatch() const;

    // Reads one "element" node: the kind comes from its "type" attribute (compared
    // exactly). A loaded element gets linkedServer 0 and linkedOffset 0 and then its primary
    // link through the parseLink hook (ElementHooks.h). An element whose constructor left
    // loadedOk false is destroyed and reported as Failed.
    LoadResult Load(const XmlNode& node, IElementOwner* owner) const;

private:
    struct Entry {
        std::string typeWord;
        CreateNew createNew;
        CreateLoaded createLoaded;
    };
    const Entry* Find(const std::string& typeWord) const;

    std::vector<Entry> entries;
    BatchOpener batchOpener;
};

}  // namespace dw
