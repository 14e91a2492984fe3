#include "ui/Guard.h"
#include "ui/Platform.h"

namespace ui {

void ReportFatal(const QString& what) {
    try {
        platform().errorReport(what);
        platform().endProcess(1);
    } catch (...) {
        // No platform to report through: nothing more can be done here.
    }
}

}  // namespace ui
