#pragma once
// Shaped single lines of text, kept by font and string so that a text printed again (a gauge
// prints the same few numbers over and over) is not laid out and shaped once more.
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <memory>
#include <mutex>
#include <unordered_map>

class QFont;

namespace dw {

// One line laid out from x = 0 with its baseline at y = ascent. Only plain numbers are kept, no
// font engine, so a line shaped on one thread can be drawn on another with that thread's font.
struct ShapedLine {
    // False when the glyphs do not all come from the font's own face (a fallback face supplied
    // some); such a line is not drawn from here.
    bool drawable = false;
    qreal advance = 0.0;  // the line's horizontal advance
    qreal width = 0.0;    // its natural text width
    qreal height = 0.0;   // ascent plus descent
    QList<quint32> glyphs;
    QList<QPointF> positions;  // per glyph, multiples of 1/64 pixel
};

// The identity of a font as far as layout and glyphs go, read from its public properties.
// (QFont::family() copies the family list each time; families() only shares it.)
struct LineFontKey {
    QStringList families;
    QString styleName;
    int pixelSize = 0;
    int weight = 0;
    int style = 0;
    int stretch = 0;
    int strategy = 0;
    int hinting = 0;
    int capitalization = 0;
    qreal letterSpacing = 0.0;
    qreal wordSpacing = 0.0;
    bool kerning = false;
    bool fixedPitch = false;

    static LineFontKey Of(const QFont& font);
    bool operator==(const LineFontKey&) const = default;
};

// A bounded cache shared by every thread that draws text: the entries of the current
// generation plus those of the one before; a full generation replaces the older one, so what
// is printed often stays while the rest goes.
class LineShapeCache {
public:
    static constexpr std::size_t kGenerationSize = 1024;
    // Strings longer than this are neither remembered nor kept.
    static constexpr qsizetype kMaxKeptLength = 256;

    static LineShapeCache& Instance();

    // What the cache knows of a string: whether it was looked up before (while remembered) and
    // its shaped line once kept. A string looked up for the first time is remembered as seen,
    // so that only strings that come back are shaped and kept.
    struct Lookup {
        bool seen = false;
        std::shared_ptr<const ShapedLine> line;
    };
    Lookup Find(const LineFontKey& font, const QString& text);
    void Keep(const LineFontKey& font, const QString& text, std::shared_ptr<const ShapedLine> line);

private:
    // The hash is worked out once per key: the map would otherwise hash the stored keys again
    // while it walks a bucket.
    struct Key {
        Key(const LineFontKey& font, const QString& text);
        std::size_t hash = 0;  // first, so that equality looks at it first
        LineFontKey font;
        QString text;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const noexcept { return key.hash; }
    };
    using Map = std::unordered_map<Key, std::shared_ptr<const ShapedLine>, KeyHash>;

    void Insert(Key key, std::shared_ptr<const ShapedLine> line);

    std::mutex mutex;
    Map current;
    Map previous;
};

}  // namespace dw
