#pragma once
// CAudio: the audio element (kind 3, type word "audio"). It plays a sound file (WAV, WMA,
// MP3) while the gauge runs, as its script says; in the editor it shows a loudspeaker icon
// stretched over its rectangle, in the player nothing.
//
// This file pair holds the element's data and its gauge-file form; the drawing operations
// (Draw, Rotate, Rebuild, CreateSurface) live in CAudioDraw.cpp.
#include <QImage>
#include <atomic>
#include <cstdint>

#include "files/XmlNode.h"
#include "model/CElement.h"

namespace dw {

class CAudio : public CElement {
public:
    // A new audio element over rect, without a file. The insert command uses the rectangle
    // (10, 10)-(48, 48).
    CAudio(IElementOwner* owner, const Rect& rect);
    // The loading constructor: reads an "element" node of type "audio", builds the icon and
    // sets loadedOk (left false when the rectangle is beyond the gauge limits).
    CAudio(const XmlNode& node, IElementOwner* owner);
    ~CAudio() override;

    // "type", "name", "file", "locked", "left", "top", "right", "width", "height", "rot",
    // "btr", "ntr", "col1", "col2"; child "program".
    XmlNode& ToXml() override;
    void Draw(QPainter& painter) override;
    void Rebuild() override;

    // Playback state, shared between the player's frame thread (play, stop) and its window
    // thread (completion notices).
    std::atomic<std::uint32_t> deviceId{0};  // sound opened by the last play; 0 when none
    float lastValue = -9999.85f;             // the value of the last run
    std::atomic<bool> looping{false};
    std::atomic<bool> playing{false};

    // Drawing state
    QImage iconBitmap;  // the icon stretched to the element's size

private:
    void CreateSurface();
};

}  // namespace dw
