#pragma once
// The audio element's icon: a loudspeaker with sound waves, 40 x 48 pixels on black (black
// is left out when the icon is drawn). Drawn once, in code.
#include <QImage>

namespace dw {

inline constexpr int kAudioIconWidth = 40;
inline constexpr int kAudioIconHeight = 48;

const QImage& LoudspeakerIcon();

}  // namespace dw
