#include "SkinFiles.h"

#include "MenuPages.h"
#include "PaintKit.h"
#include "Posters.h"
#include "SkinButtons.h"
#include "SkinDialog.h"
#include "SkinPointers.h"
#include "SkinSliders.h"
#include "SkinWindow.h"

namespace demo {

QList<SkinFile> SkinFileList() {
    using namespace strips;
    QList<SkinFile> files = {
        {QStringLiteral("image\\player.bmp"), QSize(800, 600)},
        {QStringLiteral("image\\progress.bmp"), QSize(2 * seekEnd + 2 * seekMid + 4 * seekThumb, seekHeight)},
        {QStringLiteral("image\\Trad2_1.bmp"),
         QSize(volumeFilled + volumeEmpty + 4 * volumeThumb, volumeHeight)},
        {QStringLiteral("image\\cur.cur"), QSize(32, 32)},
        {QStringLiteral("image\\arrow.jpg"), QSize(48, 40)},
        {QStringLiteral("image\\black.jpg"), QSize(800, 600)},
        {QStringLiteral("image\\CBack.jpg"), QSize(dialog::width, dialog::height)},
        {QStringLiteral("image\\ok.jpg"), dialog::okButton.size()},
        {QStringLiteral("image\\cancel.jpg"), dialog::cancelButton.size()},
    };
    for (const ButtonPicture& b : ButtonPictures()) files.append({b.name, b.rect.size()});
    return files;
}

bool WriteSkin(DiscWriter& w, const DiscContent& content) {
    const QImage chrome = WindowChrome(content);
    bool ok = w.writeBmp(QStringLiteral("image\\player.bmp"), PlayerBackground(chrome)) &&
              w.writeBmp(QStringLiteral("image\\progress.bmp"), SeekStrip(chrome, layout::seekBar)) &&
              w.writeBmp(QStringLiteral("image\\Trad2_1.bmp"), VolumeStrip(chrome, layout::volumeBar)) &&
              w.writeBytes(QStringLiteral("image\\cur.cur"), HandCursorFile()) &&
              w.writeJpeg(QStringLiteral("image\\arrow.jpg"), ArrowImage(palette::pageWhite)) &&
              w.writeJpeg(QStringLiteral("image\\black.jpg"), BlackPicture());
    for (const ButtonPicture& b : ButtonPictures())
        ok = ok && w.writeJpeg(b.name, ButtonImage(chrome, b));
    const QImage back = DialogBackground();
    return ok && w.writeJpeg(QStringLiteral("image\\CBack.jpg"), back) &&
           w.writeJpeg(QStringLiteral("image\\ok.jpg"), DialogAnswer(back, true)) &&
           w.writeJpeg(QStringLiteral("image\\cancel.jpg"), DialogAnswer(back, false));
}

}  // namespace demo
