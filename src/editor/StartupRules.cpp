#include "editor/StartupRules.h"

#include <algorithm>

namespace dw {

StartRun DecideStartRun(bool fileGiven, bool play, bool gaugeRunsAtStart) {
    if (play) return StartRun::RunAfterStart;
    if (!fileGiven) return gaugeRunsAtStart ? StartRun::RunAfterStart : StartRun::KeepPending;
    return StartRun::EditorOnly;
}

WindowPlacement FitToScreens(const WindowPlacement& stored, const std::vector<QRect>& screens,
                             const QRect& primary) {
    WindowPlacement out = stored;
    const int maxWidth = std::max(primary.width(), 1);
    const int maxHeight = std::max(primary.height(), 1);
    if (out.width <= 0 || out.height <= 0) {
        out.width = maxWidth * 3 / 4;
        out.height = maxHeight * 3 / 4;
    }
    out.width = std::min(out.width, maxWidth);
    out.height = std::min(out.height, maxHeight);

    // 64-bit: stored coordinates may be anything a settings file holds.
    const long long left = out.x, top = out.y;
    const long long right = left + out.width, bottom = top + out.height;
    const auto overlaps = [&](const QRect& screen) {
        const long long l = std::max<long long>(left, screen.left());
        const long long r = std::min<long long>(right, screen.left() + screen.width());
        const long long t = std::max<long long>(top, screen.top());
        const long long b = std::min<long long>(bottom, screen.top() + screen.height());
        return r - l >= kMinVisible && b - t >= kMinVisible;
    };
    if (std::any_of(screens.begin(), screens.end(), overlaps)) return out;
    out.x = primary.left() + (maxWidth - out.width) / 2;
    out.y = primary.top() + (maxHeight - out.height) / 2;
    return out;
}

}  // namespace dw
