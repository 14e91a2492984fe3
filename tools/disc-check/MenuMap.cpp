#include "MenuMap.h"

#include "startup/MenuItem.h"
#include "ui/Errors.h"
#include "ui/Numbers.h"
#include "ui/Picture.h"

#include <QDir>
#include <QFont>
#include <QPainter>

namespace disccheck {

QColor WordColour(const QString& word) {
    if (word == QLatin1String("url")) return QColor(0, 90, 255);
    if (word == QLatin1String("redirect")) return QColor(255, 140, 0);
    if (word == QLatin1String("header")) return QColor(170, 0, 200);
    if (word == QLatin1String("laster")) return QColor(128, 128, 128);
    static const QColor own[] = {QColor(0, 170, 0), QColor(0, 150, 150), QColor(120, 140, 0), QColor(150, 80, 30),
                                 QColor(200, 0, 80)};
    return own[qHash(word, 0) % (sizeof own / sizeof own[0])];
}

namespace {

std::optional<ui::Picture> TryLoad(const QString& path) {
    try {
        ui::Picture picture = ui::LoadPicture(path);
        if (!picture.isNull()) return picture;
    } catch (const ui::RuntimeError&) {
    }
    return std::nullopt;
}

// A two-pixel outline just inside the rectangle's border lines.
void Outline(QPainter& painter, const startup::MenuRect& r, const QColor& colour) {
    const int w = r.right - r.left + 1;
    const int h = r.bottom - r.top + 1;
    if (w <= 0 || h <= 0) return;
    painter.fillRect(r.left, r.top, w, 2, colour);
    painter.fillRect(r.left, r.bottom - 1, w, 2, colour);
    painter.fillRect(r.left, r.top, 2, h, colour);
    painter.fillRect(r.right - 1, r.top, 2, h, colour);
}

void Label(QPainter& painter, const startup::MenuRect& r, const QString& text, const QColor& colour) {
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    const QRect box = painter.fontMetrics().boundingRect(text).adjusted(-2, 0, 2, 0);
    const QRect placed(r.left + 3, r.top + 3, box.width(), box.height());
    painter.fillRect(placed, colour);
    painter.setPen(Qt::white);
    painter.drawText(placed, Qt::AlignCenter, text);
}

void DrawArrow(QPainter& painter, const DiscReport& report, const MenuEntry& item) {
    const startup::MenuRect r{*item.numbers[0], *item.numbers[1], *item.numbers[2], *item.numbers[3]};
    const auto arrow = TryLoad(report.folder + QStringLiteral("image\\arrow.jpg"));
    const int width = arrow ? arrow->pixelWidth() : 16;
    const int height = arrow ? arrow->pixelHeight() : 16;
    // Where setArrow places it.
    const QPoint at = startup::ArrowBeside(r, QSize(width, height));
    const double left = at.x(), top = at.y();
    if (arrow) {
        painter.drawImage(QPointF(left, top), arrow->image());
    } else {
        const QPointF points[] = {{left, top}, {left + width, top + height / 2.0}, {left, top + height}};
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::red);
        painter.drawPolygon(points, 3);
    }
}

}  // namespace

QImage DrawMenuMap(const DiscReport& report, int page) {
    if (page < 1 || page > static_cast<int>(report.pages.size())) return {};
    const MenuPage& info = report.pages[static_cast<size_t>(page - 1)];
    const auto picture = TryLoad(report.folder + info.picture);
    if (!picture) return {};
    QImage image = picture->image().convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    if (info.range) {
        for (int i = info.range->first; i <= info.range->last; ++i) {
            const MenuEntry* item = report.item(startup::ItemKey(i));
            if (!item || !item->rectError.isEmpty()) continue;
            const startup::MenuRect r{*item->numbers[0], *item->numbers[1], *item->numbers[2], *item->numbers[3]};
            const QColor colour = WordColour(item->word);
            Outline(painter, r, colour);
            Label(painter, r, QString::number(i), colour);
        }
    }
    if (const MenuEntry* target = info.arrowKey.isEmpty() ? nullptr : report.item(info.arrowKey))
        DrawArrow(painter, report, *target);
    painter.end();
    return image;
}

QStringList WriteMenuMaps(const DiscReport& report, const QString& outFolder, QStringList* failures) {
    QStringList written;
    QDir out(outFolder);
    if (!out.exists() && !QDir().mkpath(outFolder)) {
        if (failures) failures->append(QStringLiteral("cannot create %1").arg(outFolder));
        return written;
    }
    for (const MenuPage& page : report.pages) {
        const QString file = out.filePath(QStringLiteral("page%1.png").arg(page.page));
        const QImage map = DrawMenuMap(report, page.page);
        if (map.isNull()) {
            if (failures)
                failures->append(QStringLiteral("page %1: the picture \"%2\" cannot be loaded").arg(QString::number(page.page), page.picture));
        } else if (!map.save(file, "PNG")) {
            if (failures) failures->append(QStringLiteral("page %1: cannot write %2").arg(QString::number(page.page), file));
        } else {
            written.append(file);
        }
    }
    return written;
}

}  // namespace disccheck
