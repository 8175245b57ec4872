#pragma once
// What the kinds' loading constructors and ToXml share: the "element" node with its type
// word, the rectangle, the rotation and the transparency, in the encodings of gauge files.
// Each kind writes the attributes in its own order with these pieces.
#include <string>

#include "files/GaugeLimits.h"
#include "files/XmlNode.h"
#include "model/CElement.h"

namespace dw {

// A new "element" node whose first attribute is "type" with the element's type word.
XmlNode NewElementNode(const CElement& element);

// "left", "top", "right", "width", "height".
void AddPlacementAttributes(XmlNode& node, const CElement& element);
// "rot" with six decimals.
void AddRotationAttribute(XmlNode& node, const CElement& element);
// "btr" and "ntr".
void AddTransparencyAttributes(XmlNode& node, const CElement& element);
// "bordercolor" and "borderwith".
void AddBorderAttributes(XmlNode& node, const CElement& element);
void AddColourAttribute(XmlNode& node, const char* name, Colour colour);

// Reads "left", "top", "width" and "height" into rect, width and height, clamped to the
// limits (ClampGeometry). Always true: any geometry gives a buildable element.
bool ReadPlacement(const XmlNode& node, CElement& element, const GaugeLimits& limits = {});
// "rot" (its integer part), "btr" and "ntr".
void ReadRotationAndTransparency(const XmlNode& node, CElement& element);
// "bordercolor" and "borderwith".
void ReadBorder(const XmlNode& node, CElement& element);
Colour ReadColourAttribute(const XmlNode& node, const char* name);

}  // namespace dw
