#include "model/FsGaugeImport.h"

#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>

#include "files/AttributeCodec.h"
#include "files/GaugeElementXml.h"
#include "files/GaugeSkeleton.h"
#include "files/Paths.h"
#include "model/CElement.h"

namespace dw {

namespace {

// Every imported element bears this name, whatever part of the source it comes from.
constexpr const char* kImportedName = "Background";

// What the import knows of one bitmap, shared by every element naming it.
struct Bitmap {
    enum class State { New, Loaded, Failed };
    State state = State::New;
    bool found = false;
    std::string file;  // as stored in the elements: relative to the working folder
    QSize size;        // from the file's header; invalid when unknown
};

QSize HeaderSize(const std::string& realPath) {
    QImageReader reader(QFile::decodeName(QByteArray::fromStdString(realPath)));
    return reader.size();
}

std::string Label(const FsGaugeImage& image) {
    return image.id.empty() ? image.where : image.where + " \"" + image.id + "\"";
}

std::string RectText(const Rect& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

std::int32_t Clamp(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

XmlNode ElementNode(const std::string& file, const ElementGeometry& g, bool transparent) {
    XmlNode node = CreateTopNode(kElementNode, false);
    node.AddAttribute("type", "graph");
    node.AddAttribute("name", kImportedName);
    node.AddAttribute("file", file);
    node.AddAttribute("locked", FormatFlag(false));
    AddGeometryAttributes(node, g.left, g.top, g.left + g.width, g.width, g.height);
    node.AddAttribute("rot", FormatReal(0.0));
    node.AddAttribute("btr", FormatFlag(transparent));
    node.AddAttribute("ntr", FormatColour(0));
    node.AddAttribute("col1", FormatColour(0));
    node.AddAttribute("col2", FormatColour(0));
    return node;
}

class Builder {
public:
    Builder(const ElementFactory& factory, const GaugeLimits& limits, IElementOwner* owner,
            FsArtLocator& locator, FsImportBuild& out)
        : factory_(factory), limits_(limits), owner_(owner), locator_(locator), out_(out) {}

    void Add(const FsGaugeImage& image) {
        Bitmap& bitmap = bitmaps_[LowerLatin1(image.imageName)];
        if (bitmap.state == Bitmap::State::New) Locate(image, bitmap);

        // Where the element goes before its bitmap is loaded, and how large it will be.
        const std::int64_t left = image.anchor == FsAnchor::Axis ? image.x - image.axisX : image.x;
        const std::int64_t top = image.anchor == FsAnchor::Axis ? image.y - image.axisY : image.y;
        ElementGeometry g{Clamp(left), Clamp(top), Clamp(image.width), Clamp(image.height)};
        const bool takesBitmapSize = g.width == 0 && g.height == 0;
        ElementGeometry expected = g;
        if (takesBitmapSize && bitmap.state != Bitmap::State::Failed && bitmap.size.isValid()) {
            expected.width = bitmap.size.width();
            expected.height = bitmap.size.height();
        }
        if (!Fits(image, g, expected)) return;

        const bool silent = bitmap.state == Bitmap::State::Failed;
        XmlNode node = ElementNode(silent ? std::string() : bitmap.file, g, image.transparent);
        ElementFactory::LoadResult loaded = factory_.Load(node, owner_);
        if (loaded.status != ElementFactory::LoadStatus::Loaded) {
            out_.report.skipped.push_back(Label(image) + ": the image element could not be built");
            return;
        }
        CElement& element = *out_.elements.Append(std::move(loaded.element));
        if (silent) element.file = bitmap.file;
        if (bitmap.state == Bitmap::State::New) {
            Settle(bitmap, element, takesBitmapSize);
            if (bitmap.state == Bitmap::State::Failed && bitmap.found)
                out_.report.missing.push_back(Label(image) + ": bitmap " + image.imageName +
                                              " could not be read as a picture");
        }
        element.mainProgram.clear();
        element.clickProgram.clear();
        if (image.anchor == FsAnchor::Centre) element.MoveCentreTo(Clamp(image.x), Clamp(image.y));
        out_.report.imported.push_back(
            Label(image) + ": " + image.imageName + " at " + RectText(element.GetRect()) +
            (bitmap.state == Bitmap::State::Failed ? " (no picture)" : ""));
    }

private:
    void Locate(const FsGaugeImage& image, Bitmap& bitmap) {
        if (const std::optional<std::string> real = locator_.Find(image.imageName)) {
            bitmap.found = true;
            bitmap.file = MakeRelativePath(*real);
            bitmap.size = HeaderSize(*real);
            return;
        }
        bitmap.file = MakeRelativePath(locator_.PathForMissing(image.imageName));
        std::string folders;
        for (const std::string& folder : locator_.ExistingFolders())
            folders += (folders.empty() ? "" : ", ") + folder;
        out_.report.missing.push_back(Label(image) + ": bitmap " + image.imageName +
                                      " not found (looked in " + folders + ")");
    }

    // After the first element of a bitmap was loaded: whether it got a picture, and the file
    // it ended with (the user may have picked another one).
    static void Settle(Bitmap& bitmap, const CElement& element, bool tookBitmapSize) {
        const bool picked = element.file != bitmap.file;
        const bool loaded = tookBitmapSize ? element.GetWidth() > 0 && element.GetHeight() > 0
                                           : bitmap.found || picked;
        bitmap.state = loaded ? Bitmap::State::Loaded : Bitmap::State::Failed;
        bitmap.file = element.file;
        if (loaded && tookBitmapSize) bitmap.size = QSize(element.GetWidth(), element.GetHeight());
    }

    bool Fits(const FsGaugeImage& image, const ElementGeometry& placed,
              const ElementGeometry& expected) {
        std::string why;
        if (!WithinLimits(placed)) {
            why = "it lies beyond the allowed size or position";
        } else if (!WithinLimits(expected)) {
            why = "its bitmap of " + std::to_string(expected.width) + " x " +
                  std::to_string(expected.height) + " pixels is larger than an element may be";
        }
        if (why.empty()) return true;
        out_.report.skipped.push_back(Label(image) + ": " + image.imageName + " left out: " + why);
        return false;
    }

    // Whether the geometry is buildable as it is (the reader would clamp it otherwise).
    bool WithinLimits(const ElementGeometry& g) const {
        const ElementGeometry c = ClampGeometry(g, limits_);
        return c.left == g.left && c.top == g.top && c.width == g.width && c.height == g.height;
    }

    const ElementFactory& factory_;
    const GaugeLimits& limits_;
    IElementOwner* owner_;
    FsArtLocator& locator_;
    FsImportBuild& out_;
    std::map<std::string, Bitmap> bitmaps_;
};

}  // namespace

FsGaugeImporter::FsGaugeImporter(const ElementFactory& factory, const GaugeLimits& limits,
                                 IElementOwner* owner)
    : factory(factory), limits(limits), owner(owner) {}

FsImportBuild FsGaugeImporter::Build(const FsGaugeSource& source, FsArtLocator& locator) const {
    FsImportBuild out;
    for (const FsGaugeNote& note : source.skipped)
        out.report.skipped.push_back(note.where + ": " + note.text);
    if (source.moreSkipped > 0)
        out.report.skipped.push_back("and " + std::to_string(source.moreSkipped) +
                                     " more parts left out");
    Builder builder(factory, limits, owner, locator, out);
    for (const FsGaugeImage& image : source.images) builder.Add(image);
    return out;
}

}  // namespace dw
