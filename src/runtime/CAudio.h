#pragma once
// CAudio: the audio element (kind 3, type word "audio"). It plays a sound file (WAV, WMA,
// MP3) while the gauge runs, as its script says; in the editor it shows a loudspeaker icon
// stretched over its rectangle, in the player nothing.
//
// This file pair holds the element's data and its gauge-file form; the drawing operations
// (Draw, Rebuild, the icon) live in CAudioDraw.cpp, playback in CAudioPlay.cpp.
//
// The value of the last run is the element's lastValue (CElement): Draw outside run mode
// resets it, so that the first run after the player opens always goes ahead.
#include <QImage>
#include <atomic>
#include <cstdint>

#include "files/XmlNode.h"
#include "model/CElement.h"
#include "model/SurfaceBudget.h"

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
    // Clears playing, makes a fresh icon bitmap of the element's size and loads the file.
    void Rebuild() override;

    // Checks the extension: a name whose last three characters (lower-cased) occur in
    // "*.wav;*.wma;*.mp3" shows the icon (DrawAudioIcon); any other only shows "The audio
    // you are loading is on an incompatible format." and keeps file and bitmap.
    void LoadAudioFile(const std::string& path);
    // file = MakeRelativePath(path); the loudspeaker stretched over the whole bitmap.
    void DrawAudioIcon(const std::string& path);

    // ---- Playback (CAudioPlay.cpp) ----------------------------------------------------
    // "play" ("play loop"): opens the file as a new device under the next alias and plays it
    // once (again after every end while looping). Nothing happens outside a running player,
    // while the global switch is off, or while a play has not ended, been stopped or rebuilt.
    void Play(bool loop) override;
    // "stop" (and the destructor): clears looping and playing and stops the device, which
    // then reports the play as aborted.
    void Stop() override;
    // The player hands on every end (successful or aborted) of a device: only this
    // element's device closes; while looping in run mode the sound starts again.
    void OnPlayNotify(std::uint32_t device);

    // Playback state, shared between the player's frame thread (play, stop) and its window
    // thread (completion notices).
    std::atomic<std::uint32_t> deviceId{0};  // sound opened by the last play; 0 when none
    std::atomic<bool> looping{false};
    std::atomic<bool> playing{false};

    // Drawing state: the icon stretched to the element's size, charged to the surface budget
    // like every other element surface (null when the budget refused it).
    SurfaceCharge iconCharge;
    QImage iconBitmap;
    std::int64_t SurfaceBytes() const override {
        return CElement::SurfaceBytes() + iconCharge.Bytes();
    }

private:
    void CreateSurface();
};

}  // namespace dw
