// Any bytes as a picture file (.bmp, .jpg, .gif, .cur): decoded or refused,
// never a crash.
#include "ui/Picture.h"
#include "FuzzGuiApp.h"
#include <cstddef>
#include <cstdint>

AUTORUN_FUZZ_WITH_GUI_APP

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (auto picture = ui::DecodePicture(bytes)) (void)picture->Width();
    return 0;
}
