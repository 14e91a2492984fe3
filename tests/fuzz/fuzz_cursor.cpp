// Any bytes as a .cur file: decoded or refused, never a crash.
#include "ui/Cursor.h"
#include "ui/Picture.h"
#include "FuzzGuiApp.h"
#include <cstddef>
#include <cstdint>

AUTORUN_FUZZ_WITH_GUI_APP

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (auto picture = ui::DecodeCursorFile(bytes)) {
        const QPoint hot = picture->hotSpot();
        if (hot.x() < 0 || hot.y() < 0 || (picture->pixelWidth() > 0 && hot.x() >= picture->pixelWidth())) __builtin_trap();
    }
    return 0;
}
