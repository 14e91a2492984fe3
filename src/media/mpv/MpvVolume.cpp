#include "media/mpv/MpvVolume.h"
#include "ui/Errors.h"
#include <cmath>

namespace media {

double mpvVolumeForLevel(int32_t level) {
    if (level < silentLevel || level > fullLevel)
        throw ui::MediaError(QStringLiteral("volume %1 is outside -10000..0").arg(level));
    if (level == silentLevel) return 0.0;
    return 100.0 * std::pow(10.0, double(level) / 6000.0);
}

}  // namespace media
