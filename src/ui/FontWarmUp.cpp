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
    ~Reader() {
        if (thread.joinable()) thread.join();
    }
};

}  // namespace

void StartReadingFontConfiguration() {
    // FcInit is safe to call from several threads: the first read becomes the
    // current configuration, and Qt's later call returns at once.
    static Reader reader{std::thread([] { FcInit(); })};
}
#else
void StartReadingFontConfiguration() {}
#endif

}  // namespace ui
