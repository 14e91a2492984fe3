#include "startup/MenuItem.h"

#include "ui/Errors.h"
#include "ui/Numbers.h"

namespace startup {

namespace {

// Converts a piece, putting what it belongs to in front of the runtime's error.
// The description is only made when there is an error: the main window
// converts four numbers per item on every mouse move.
template <typename Describe>
int16_t Convert(const QString& piece, Describe what) {
    try {
        return ui::CIntText(piece);
    } catch (const ui::OverflowError& e) {
        throw ui::OverflowError(
            QStringLiteral("%1 \"%2\" does not fit a 16-bit number (%3)").arg(what(), piece, e.text()));
    } catch (const ui::TypeMismatchError& e) {
        throw ui::TypeMismatchError(QStringLiteral("%1 \"%2\" is not a number (%3)").arg(what(), piece, e.text()));
    }
}

QString ItemPrefix(const QString& key) {
    return key.isEmpty() ? QStringLiteral("menu item") : QStringLiteral("menu item %1").arg(key);
}

}  // namespace

QString ItemKey(int n) { return QString::number(n) + QStringLiteral("list"); }

ActionParts SplitAction(const QString& action) {
    const qsizetype comma = action.indexOf(QLatin1Char(','));
    if (comma < 0) return {action, QString()};
    return {action.left(comma), action.mid(comma + 1)};
}

QStringList RectPieces(const QString& rectText) { return rectText.split(QLatin1Char(','), Qt::KeepEmptyParts); }

int16_t RectNumber(const QString& piece, const QString& key) {
    return Convert(piece, [&] { return ItemPrefix(key) + QStringLiteral(": the rectangle number"); });
}

MenuRect ParseRect(const QString& rectText, const QString& key) {
    const QStringList pieces = RectPieces(rectText);
    if (pieces.size() < 4)
        throw ui::RuntimeError(QStringLiteral("%1: the rectangle \"%2\" has fewer than four numbers")
                                   .arg(ItemPrefix(key), rectText));
    MenuRect r;
    r.left = RectNumber(pieces[0], key);
    r.top = RectNumber(pieces[1], key);
    r.right = RectNumber(pieces[2], key);
    r.bottom = RectNumber(pieces[3], key);
    return r;
}

PageRange ParseRange(const QString& entry) {
    const QStringList parts = entry.split(QLatin1Char('-'), Qt::KeepEmptyParts);
    if (parts.size() < 2)
        throw ui::RuntimeError(
            QStringLiteral("The menu page range \"%1\" in [main] newloop has no \"-\" between its first and last item")
                .arg(entry));
    const auto what = [&] { return QStringLiteral("The menu page range \"%1\": the item number").arg(entry); };
    return {Convert(parts[0], what), Convert(parts[1], what)};
}

QPoint ArrowBeside(const MenuRect& item, QSize arrow) {
    const double left = double(item.left) - arrow.width() - 5;
    const double top = item.top + ((double(item.bottom) - item.top) - arrow.height()) / 2;
    return {static_cast<int>(ui::RoundHalfEven(left)), static_cast<int>(ui::RoundHalfEven(top))};
}

}  // namespace startup
