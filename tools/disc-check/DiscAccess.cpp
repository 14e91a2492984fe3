#include "DiscAccess.h"

#include <QDir>
#include <QFileInfo>

namespace disccheck {

bool CanOpenDisc(const QString& disc, QString* why) {
    const QFileInfo info(disc);
    if (info.isDir() && QDir(disc).isReadable() && info.isExecutable()) return true;
    if (why) *why = QStringLiteral("the disc folder does not exist or cannot be read");
    return false;
}

}  // namespace disccheck
