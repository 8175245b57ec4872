#include "model/ElementFactory.h"

#include <algorithm>
#include <utility>

#include "model/ElementHooks.h"

namespace dw {

ElementFactory& ElementFactory::Instance() {
    static ElementFactory factory;
    return factory;
}

void ElementFactory::Register(const std::string& typeWord, CreateNew createNew,
                              CreateLoaded createLoaded) {
    Entry entry{typeWord, std::move(createNew), std::move(createLoaded)};
    for (Entry& existing : entries) {
        if (existing.typeWord == typeWord) {
            existing = std::move(entry);
            return;
        }
    }
    entries.push_back(std::move(entry));
}

void ElementFactory::Unregister(const std::string& typeWord) {
    std::erase_if(entries, [&](const Entry& e) { return e.typeWord == typeWord; });
}

bool ElementFactory::IsRegistered(const std::string& typeWord) const {
    return Find(typeWord) != nullptr;
}

std::vector<std::string> ElementFactory::TypeWords() const {
    std::vector<std::string> words;
    for (const Entry& e : entries) words.push_back(e.typeWord);
    return words;
}

const ElementFactory::Entry* ElementFactory::Find(const std::string& typeWord) const {
    auto it = std::find_if(entries.begin(), entries.end(),
                           [&](const Entry& e) { return e.typeWord == typeWord; });
    return it == entries.end() ? nullptr : &*it;
}

std::unique_ptr<CElement> ElementFactory::Create(const std::string& typeWord, IElementOwner* owner,
                                                 const Rect& rect) const {
    const Entry* entry = Find(typeWord);
    if (entry == nullptr || !entry->createNew) return nullptr;
    return entry->createNew(owner, rect);
}

void ElementFactory::SetBatchOpener(BatchOpener opener) {
    batchOpener = std::move(opener);
}

std::shared_ptr<void> ElementFactory::BeginBatch() const {
    return batchOpener ? batchOpener() : nullptr;
}

ElementFactory::LoadResult ElementFactory::Load(const XmlNode& node, IElementOwner* owner) const {
    LoadResult result;
    const Entry* entry = Find(node.Attribute("type"));
    if (entry == nullptr || !entry->createLoaded) return result;
    std::unique_ptr<CElement> element = entry->createLoaded(node, owner);
    if (!element || !element->loadedOk) {
        result.status = LoadStatus::Failed;
        return result;
    }
    element->linkedServer = 0;
    element->linkedOffset = 0;
    CallParseLink(*element);
    result.status = LoadStatus::Loaded;
    result.element = std::move(element);
    return result;
}

}  // namespace dw
