#include "Preview.h"

#include "PaintKit.h"
#include "SkinSliders.h"
#include "SkinWindow.h"

namespace demo {

namespace {

QImage load(const DiscWriter& w, const QString& name) { return QImage(w.pathOf(name)); }

}  // namespace

QImage MainWindowPreview(const DiscWriter& w, const DiscContent& content) {
    using namespace strips;
    QImage window = load(w, QStringLiteral("image\\player.bmp")).convertToFormat(QImage::Format_RGB32);
    QPainter p(&window);
    p.drawImage(layout::pictureArea.topLeft(), load(w, content.pages.first().picture));
    const QRect first = content.pages.first().items.first().rect;
    p.drawImage(layout::pictureArea.topLeft() + QPoint(first.left() - 53, first.top() + (first.height() - 40) / 2),
                load(w, QStringLiteral("image\\arrow.jpg")));

    // The seek bar at 40 %: ends, stretched middles, the thumb keyed.
    const QImage seek = load(w, QStringLiteral("image\\progress.bmp"));
    const QRect bar = layout::seekBar;
    const int thumbX = bar.left() + seekEnd + (bar.width() - 2 * seekEnd - seekThumb) * 2 / 5;
    p.drawImage(QRect(bar.left(), bar.top(), seekEnd, bar.height()), seek.copy(0, 0, seekEnd, seekHeight));
    p.drawImage(QRect(bar.right() + 1 - seekEnd, bar.top(), seekEnd, bar.height()),
                seek.copy(seekEnd, 0, seekEnd, seekHeight));
    p.drawImage(QRect(bar.left() + seekEnd, bar.top(), thumbX - bar.left() - seekEnd + seekThumb / 2, bar.height()),
                seek.copy(2 * seekEnd, 0, 1, seekHeight));
    p.drawImage(QRect(thumbX + seekThumb / 2, bar.top(), bar.right() + 1 - seekEnd - thumbX - seekThumb / 2,
                      bar.height()),
                seek.copy(2 * seekEnd + 1, 0, 1, seekHeight));
    QImage thumb = seek.copy(2 * seekEnd + 2 * seekMid, 0, seekThumb, seekHeight).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < thumb.height(); ++y)
        for (int x = 0; x < thumb.width(); ++x)
            if ((thumb.pixel(x, y) & 0xFFFFFF) == 0xFF00FF) thumb.setPixel(x, y, 0);
    p.drawImage(thumbX, bar.top(), thumb);

    // The volume bar at 50 %: the filled view left of the thumb, the empty right.
    const QImage volume = load(w, QStringLiteral("image\\Trad2_1.bmp"));
    const QRect vb = layout::volumeBar;
    const int centre = 7 + (vb.width() - volumeThumb) / 2;
    p.drawImage(vb.topLeft(), volume.copy(0, 0, centre, volumeHeight));
    p.drawImage(vb.topLeft() + QPoint(centre, 0), volume.copy(volumeFilled + centre, 0, vb.width() - centre, volumeHeight));
    QImage knob = volume.copy(volumeFilled + volumeEmpty, 0, volumeThumb, volumeThumb).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < knob.height(); ++y)
        for (int x = 0; x < knob.width(); ++x)
            if ((knob.pixel(x, y) & 0xFFFFFF) == 0xFF00FF) knob.setPixel(x, y, 0);
    p.drawImage(vb.left() + centre - volumeThumb / 2, vb.top() + volumeThumbTop, knob);

    // The captions the window draws itself.
    Smooth(p);
    for (auto [text, x, y] : {std::tuple{QStringLiteral("播放"), 41, 579}, {QStringLiteral("暂停"), 86, 579},
                              {QStringLiteral("目录"), 166, 581}})
        LeftText(p, QRectF(x, y, 33, 17), text, CjkFont(14), palette::navy);
    p.end();
    return window;
}

}  // namespace demo
