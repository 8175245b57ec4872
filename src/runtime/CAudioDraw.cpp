// CAudio: drawing. In the editor the element shows a loudspeaker icon stretched over its
// rectangle, with black as the transparent colour; in the player it draws nothing.
#include <QPainter>
#include <QPainterPath>
#include <cstring>

#include "files/Paths.h"
#include "render/ElementSurface.h"
#include "render/RenderServices.h"
#include "runtime/AudioIcon.h"
#include "runtime/CAudio.h"

namespace dw {

namespace {

constexpr char kAudioPatterns[] = "*.wav;*.wma;*.mp3";

}  // namespace

void CAudio::CreateSurface() {
    iconBitmap = QImage();  // the old icon's pixels go before the new ones are charged
    iconBitmap = AllocateSurface(width, height, 1, iconCharge);
}

void CAudio::Draw(QPainter& painter) {
    if (IsRunMode()) return;
    lastValue = -9999.85f;
    CopySurface(painter, iconBitmap, true, 0);
    if (IsSelected()) DrawFrame(painter);
}

void CAudio::Rebuild() {
    playing = false;
    CreateSurface();
    LoadAudioFile(file);
}

void CAudio::LoadAudioFile(const std::string& path) {
    // The last three characters, lower-cased, anywhere in the pattern list (so "mp3" and
    // "MP3" pass, "peg" of "alarm.mpeg" does not; an empty name passes as well).
    const std::string tail = LowerLatin1(path.size() > 3 ? path.substr(path.size() - 3) : path);
    if (std::strstr(kAudioPatterns, tail.c_str()) != nullptr) {
        DrawAudioIcon(path);
        return;
    }
    RenderInteraction().ShowMessage({"Error",
                                     "The audio you are loading is on an incompatible format.",
                                     Buttons::Ok, Icon::Error, false});
}

void CAudio::DrawAudioIcon(const std::string& path) {
    file = MakeRelativePath(path);
    if (iconBitmap.isNull()) return;
    QPainter painter(&iconBitmap);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(iconBitmap.rect(), LoudspeakerIcon());
}

}  // namespace dw
