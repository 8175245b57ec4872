#pragma once
// Builds the image elements of an imported MS-FS gauge (FsGaugeSource.h) through the element
// factory: for each bitmap an "element" node of type "graph" named "Background", with the
// bitmap's file, no rotation, transparency as the source says with black as the transparent
// colour, and empty programs, loaded by the kind's loading constructor. Elements placed with
// their top-left corner get an empty rectangle there and take the bitmap's own size when it
// loads; the background takes the gauge's "Size" when it has one; an element whose "Axis" is
// its own child is then centred on its origin.
//
// Bitmaps are found by FsArtLocator and stored relative to the working folder. One bitmap is
// loaded as the image kind loads any file, so a bitmap found nowhere meets the usual
// "File not fount" question, but only for its first element: the later elements naming that
// bitmap (in any letter case) take whatever the first one ended with, silently.
//
// Bounds: no element beyond the gauge limits' size or position is built, and once the
// elements together would need more pixels than the limits allow, the rest are left out;
// bitmaps' sizes are read from their headers before anything is decoded.
#include <string>
#include <vector>

#include "files/FsArtLocator.h"
#include "files/FsGaugeSource.h"
#include "files/GaugeLimits.h"
#include "model/ElementFactory.h"
#include "model/ElementList.h"

namespace dw {

class IElementOwner;

// What an import did, one line per item, for people to read.
struct FsImportReport {
    std::vector<std::string> imported;  // every element built, with its bitmap and rectangle
    std::vector<std::string> skipped;   // what the source holds that was left out, and why
    std::vector<std::string> missing;   // bitmaps that were found nowhere
};

struct FsImportBuild {
    ElementList elements;
    FsImportReport report;
};

class FsGaugeImporter {
public:
    FsGaugeImporter(const ElementFactory& factory, const GaugeLimits& limits, IElementOwner* owner);

    // The elements of source in its order (background first). New elements get the owner.
    FsImportBuild Build(const FsGaugeSource& source, FsArtLocator& locator) const;

private:
    const ElementFactory& factory;
    GaugeLimits limits;
    IElementOwner* owner;
};

}  // namespace dw
