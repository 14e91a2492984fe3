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

QPoint ArrowBeside(const startup::MenuRect& item, QSize arrow) {
    const double left = double(item.left) - arrow.width() - 5;
    const double top = item.top + ((double(item.bottom) - item.top) - arrow.height()) / 2;
    return {static_cast<int>(ui::RoundHalfEven(left)), static_cast<int>(ui::RoundHalfEven(top))};
}
