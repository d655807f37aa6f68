// Deciding when a reload of the previewed files is due.
#include "PreviewReloadTimer.h"

namespace trellis {

void PreviewReloadTimer::changed(double now) {
    if (!pending)
        firstChange = now;
    pending = true;
    lastChange = now;
}

bool PreviewReloadTimer::due(double now) {
    if (!pending || (now - lastChange < kQuietSeconds && now - firstChange < kLongestWait))
        return false;
    pending = false;
    return true;
}

}  // namespace trellis
