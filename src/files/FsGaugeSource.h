#pragma once
// What an MS-FS XML gauge ("SimBase.Document", version "1,0") holds for the import: the
// gauge's name, art folder and file name, its background bitmap and one entry per element
// bitmap, each already placed in gauge coordinates. Nothing here touches a file or an element:
// the gauge model turns this description into image elements.
//
// Placement, as the simulator does it:
// - The background ("Image" child of "SimGauge.Gauge") lies at the gauge's "FloatPosition",
//   stretched over its "Size" (no "Size": the bitmap's own size).
// - Every "Element" has its own origin: its "FloatPosition" added to the origin of the element
//   it is nested in (top-level elements: the gauge origin 0,0; the gauge's own "FloatPosition"
//   places only the background). Nested elements therefore move with their parent, and an
//   element without "FloatPosition" keeps its parent's origin for the elements inside it.
// - An element's bitmap is drawn with its top-left corner on the origin, except that an
//   "Axis" child of the "Image" (the pivot of a needle) names the point of the bitmap that lies
//   on the origin, and an "Axis" child of the "Element" itself centres the bitmap on it. The
//   axis moves only that element's bitmap, never the origin of the elements inside it.
// Static rotations, shifts, masks, strings and expressions are not imported.
//
// An "Element" brings its bitmap only when it has both "FloatPosition" and "Image"; elements
// without an image still bring the elements nested in them. Images inside other nodes
// ("Select"/"Case", "GaugeText") and mask images are left out and listed as skipped.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "files/XmlNode.h"

namespace dw {

inline constexpr const char* kFsRootTag = "SimBase.Document";
inline constexpr const char* kFsVersion = "1,0";

enum class FsAnchor {
    TopLeft,  // the bitmap's top-left corner on the origin
    Centre,   // "Axis" child of the "Element": the bitmap centred on the origin
    Axis,     // "Axis" child of the "Image": the point (axisX, axisY) of the bitmap on the origin
};

struct FsGaugeImage {
    std::string where;      // "background", "element 2", "element 2.1" (positions from 1)
    std::string id;         // the "id" of the "Element" (of the "Image" for the background)
    std::string imageName;  // the bitmap as written: the "Name" of the "Image", else its "id"
    bool transparent = false;
    std::int64_t x = 0;  // background: its top-left corner; elements: their origin
    std::int64_t y = 0;
    std::int64_t width = 0;  // background: "Size" (0 when missing); elements: 0
    std::int64_t height = 0;
    FsAnchor anchor = FsAnchor::TopLeft;
    std::int64_t axisX = 0;
    std::int64_t axisY = 0;
};

// Something of the source that is not imported, and why.
struct FsGaugeNote {
    std::string where;
    std::string text;
};

struct FsSourceLimits {
    // Images beyond this many are not described; `truncated` tells that there were more.
    std::size_t maxImages = 50000;
    // Elements nested deeper than this are left out with everything inside them.
    int maxDepth = 64;
    // Notes kept; further ones are only counted.
    std::size_t maxNotes = 1000;
};

struct FsGaugeSource {
    std::string version;               // the root's "version"
    std::string fileName;              // "Descr"/"FileName", else a "Filename" beside "Descr"
    std::string gaugeName;             // "id" of "SimGauge.Gauge"
    std::string artDirectory;          // "ArtDirectory" of "SimGauge.Gauge", as written
    std::vector<FsGaugeImage> images;  // the background first, then the elements in order
    std::vector<FsGaugeNote> skipped;
    std::size_t moreSkipped = 0;   // notes beyond FsSourceLimits::maxNotes
    std::size_t elementCount = 0;  // "Element" nodes met (within the depth bound)
    bool truncated = false;        // more images than FsSourceLimits::maxImages

    bool IsSupportedVersion() const { return version == kFsVersion; }
};

// The document's root "SimBase.Document" (names ignore case): top itself, or the first element
// of a document holding several top-level entries (inside the "xml" declaration when there is
// one). Empty when the first element is something else.
XmlNode FindFsRoot(const XmlNode& top);

// Describes the gauge of the root found in top (see FindFsRoot). "Filename" is also looked
// for beside the root, where some files put it.
FsGaugeSource DescribeFsDocument(const XmlNode& top, const FsSourceLimits& limits = {});

// Parses text and describes it. Nothing when it does not parse or its first element is not
// "SimBase.Document" (results tell why: the XML layer's code, or 13 for the wrong root).
bool ParseFsGauge(std::string_view text, FsGaugeSource& out, XmlResults* results,
                  const FsSourceLimits& limits = {});

// A pair of numbers "x,y": split at the first comma, each part read as a decimal integer
// (blanks and a sign first, anything after the digits ignored, an empty part 0), so
// "-12.000,0.000" is (-12, 0) and "+180" is (180, 0).
std::pair<std::int32_t, std::int32_t> ParseFsPair(std::string_view text);

}  // namespace dw
