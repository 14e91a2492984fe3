#pragma once
// Writes the skin under image\: every picture the windows load, at the sizes
// they expect.
#include "DemoContent.h"
#include "DiscWriter.h"

#include <QList>
#include <QSize>
#include <QString>

namespace demo {

// Every skin file of the demo disc with its picture size (cur.cur: 32 x 32).
struct SkinFile {
    QString name;
    QSize size;
};
QList<SkinFile> SkinFileList();

// Writes all of them; false with writer.error() set when one fails.
bool WriteSkin(DiscWriter& writer, const DiscContent& content);

}  // namespace demo
