#include "render/LineShapeCache.h"

#include <QFont>
#include <QHashFunctions>

namespace dw {

LineFontKey LineFontKey::Of(const QFont& font) {
    LineFontKey key;
    key.families = font.families();
    key.styleName = font.styleName();
    key.pixelSize = font.pixelSize();
    key.weight = font.weight();
    key.style = font.style();
    key.stretch = font.stretch();
    key.strategy = font.styleStrategy();
    key.hinting = font.hintingPreference();
    key.capitalization = font.capitalization();
    key.letterSpacing = font.letterSpacing();
    key.wordSpacing = font.wordSpacing();
    key.kerning = font.kerning();
    key.fixedPitch = font.fixedPitch();
    return key;
}

LineShapeCache::Key::Key(const LineFontKey& font, const QString& text)
    : hash(qHashMulti(0, text, font.families, font.pixelSize, font.weight, font.style,
                      font.stretch)),
      font(font),
      text(text) {}

LineShapeCache& LineShapeCache::Instance() {
    static LineShapeCache cache;
    return cache;
}

LineShapeCache::Lookup LineShapeCache::Find(const LineFontKey& font, const QString& text) {
    if (text.size() > kMaxKeptLength) return {};
    Key key{font, text};
    std::lock_guard lock(mutex);
    if (auto found = current.find(key); found != current.end()) return {true, found->second};
    auto found = previous.find(key);
    if (found == previous.end()) {
        Insert(std::move(key), nullptr);
        return {};
    }
    // Still in use: it moves to the current generation.
    std::shared_ptr<const ShapedLine> line = std::move(found->second);
    previous.erase(found);
    Insert(std::move(key), line);
    return {true, std::move(line)};
}

void LineShapeCache::Keep(const LineFontKey& font, const QString& text,
                          std::shared_ptr<const ShapedLine> line) {
    if (text.size() > kMaxKeptLength) return;
    std::lock_guard lock(mutex);
    Insert(Key{font, text}, std::move(line));
}

void LineShapeCache::Insert(Key key, std::shared_ptr<const ShapedLine> line) {
    if (current.size() >= kGenerationSize) {
        previous = std::move(current);
        current = Map();
    }
    current.insert_or_assign(std::move(key), std::move(line));
}

}  // namespace dw
