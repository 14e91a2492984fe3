#include "ui/FontWarmUp.h"
#ifdef AUTORUN_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#include <thread>
#endif

namespace ui {

#ifdef AUTORUN_HAVE_FONTCONFIG
namespace {

struct Reader {
    std::thread thread;
    void finish() {
        if (thread.joinable()) thread.join();
    }
    ~Reader() { finish(); }
};

Reader& reader() {
    static Reader r;
    return r;
}

}  // namespace

void StartReadingFontConfiguration() {
    // FcInit is safe to call from several threads: the first read becomes the
    // current configuration, and Qt's later call returns at once.
    Reader& r = reader();
    if (!r.thread.joinable()) r.thread = std::thread([] { FcInit(); });
}

void FinishReadingFontConfiguration() { reader().finish(); }
#else
void StartReadingFontConfiguration() {}
void FinishReadingFontConfiguration() {}
#endif

}  // namespace ui
