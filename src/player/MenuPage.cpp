#include "player/MenuPage.h"

#include "ui/Errors.h"
#include "ui/Numbers.h"

startup::PageRange PageItems(const QStringList& newLoops, int16_t page) {
    if (page < 1 || page > newLoops.size()) {
        throw ui::RuntimeError(QStringLiteral("The [main] newloop value of the disc configuration has no item "
                                              "range for menu page %1.")
                                   .arg(page));
    }
    return startup::ParseRange(newLoops[page - 1]);
}
