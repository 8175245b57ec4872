#pragma once
// CGraph: the image element (kind 0, type word "graph"). It shows a picture file stretched
// over its rectangle, optionally with one colour replaced by another, turned by its
// rotation, and runs a click program when clicked in the player.
//
// This file pair holds the element's data and its gauge-file form; the drawing operations
// (Draw, Rotate, Rebuild, CreateSurface) live in CGraphDraw.cpp.
#include <string>

#include "files/XmlNode.h"
#include "model/CElement.h"
#include "render/ElementSurface.h"

namespace dw {

class CGraph : public CElement {
public:
    // A new image element over rect: no file, no rotation, no transparency, colours 0.
    CGraph(IElementOwner* owner, const Rect& rect);
    // The loading constructor: reads an "element" node of type "graph", builds the picture
    // and sets loadedOk (left false when the rectangle is beyond the gauge limits).
    CGraph(const XmlNode& node, IElementOwner* owner);
    ~CGraph() override;

    // "type", "name", "file", "locked", "left", "top", "right", "width", "height", "rot",
    // "btr", "ntr", "col1", "col2"; children "program" and "program_lbup".
    XmlNode& ToXml() override;
    void Draw(QPainter& painter) override;
    void Rotate(double degrees, Colour fill) override;
    void Rebuild() override;
    std::int64_t SurfaceBytes() const override {
        return CElement::SurfaceBytes() + surface.ChargedBytes();
    }

    // Drawing state
    // Checks the extension, loads the picture and shows it at the designed rotation. A
    // name with another extension only shows "The image you are loading is on an
    // incompatible format." and keeps the current picture.
    void SetImageFile(const std::string& path);
    // The loading loop with the "File not fount" recovery; after a load the element takes
    // the picture's size when its rectangle is empty, the picture is stretched over the
    // source bitmap and its colour replaced. False when nothing was loaded.
    bool LoadImageFile(const std::string& path);
    // changecolor: replaces from by to (each channel within 49) in the bitmap shown.
    void ReplaceSurfaceColour(Colour from, Colour to) override;

    ElementSurface surface;

private:
    // runRotation 0 and the surface shown at the designed rotation, corners black.
    void ShowAtDesignedRotation();
    // The drawing state of a new element (the constructor's last step).
    void CreateSurface();
};

}  // namespace dw
