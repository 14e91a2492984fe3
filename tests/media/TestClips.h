#pragma once
// Small real clips for the media tests, made on demand with ffmpeg into a
// temporary folder that lives as long as the object.
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <map>

namespace mediatest {

enum class ClipKind {
    Wmv,       // ASF: WMV2 video, WMA2 sound, 320x240
    Mpeg1,     // MPEG-1 program stream, MPEG-1 video and MP2 sound, 352x288
    Mpeg2,     // MPEG-2 program stream, MPEG-2 video and MP2 sound, 416x240
    VideoCd,   // .dat: a VCD track (RIFF CDXA sectors of an MPEG-1 stream), 352x288
    RedMpeg1,  // a plain red picture, 320x240
    SoundOnly, // an MPEG audio file without video
    LongGroupsMpeg1,  // MPEG-1 program stream, 320x240, 4 s, keyframes 2.4 s apart
};

struct ClipFacts {
    const char* name;
    QSize size;
    double seconds;
};

const ClipFacts& factsOf(ClipKind kind);

class TestClips {
public:
    // The clip's full path; made on first use. Throws std::runtime_error when
    // ffmpeg fails.
    QString path(ClipKind kind);
    // A file that ffmpeg makes from the arguments (before the output name),
    // made anew on every call.
    QString make(const QString& name, const QStringList& ffmpegArguments);
    // A file with the given bytes in the folder.
    QString writeFile(const QString& name, const QByteArray& bytes);
    QString folder() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    std::map<ClipKind, QString> made_;
};

}  // namespace mediatest
