#pragma once
// The disc's clips, made with ffmpeg: the clip's title card with a ball
// bouncing across it (so that playing, pausing and seeking show), a running
// seconds counter when ffmpeg can draw text, and a beeping tone.
#include "DemoContent.h"
#include "DiscWriter.h"

#include <QString>

namespace demo {

struct ClipMaker {
    QString ffmpeg = QStringLiteral("ffmpeg");
    QString workFolder;    // for the title cards and intermediate files
    QString counterFont;   // font file for the counter; empty: no counter
};

// The counter's font when this ffmpeg has the drawtext filter and a usable
// font file is installed, else the empty text.
QString FindCounterFont(const QString& ffmpeg);

// Makes one clip into the disc; false with a message in error when ffmpeg
// fails or cannot be started.
bool MakeClip(const ClipMaker& maker, const Clip& clip, DiscWriter& writer, QString& error);

}  // namespace demo
