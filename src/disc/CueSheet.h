#pragma once
// Cue sheets as CD rips write them: FILE, TRACK, INDEX, PREGAP and POSTGAP
// lines; everything else is ignored.
//
// The sheet is parsed here rather than by libcue, which reports syntax errors
// on stderr, keeps its parser state in globals, and leaves the length of each
// file's last track to the caller anyway; nor by libcdio's cue driver, which
// opens "<cue name>.bin" whatever the FILE line names.
#include "disc/SectorReader.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace disc {

struct CueTrack {
    int number = 0;
    SectorLayout layout = SectorLayout::Raw2352;
    int64_t pregap = 0;   // sectors before INDEX 01 that no file holds
    int64_t postgap = 0;  // sectors after the track that no file holds
    int64_t index0 = -1;  // frames into the file, -1 when absent
    int64_t index1 = -1;
};

struct CueFile {
    QString name;  // as written, "\" or "/" separated
    std::vector<CueTrack> tracks;
};

struct CueSheet {
    std::vector<CueFile> files;
};

// False with why set when the text is not a usable cue sheet.
bool parseCueSheet(const QByteArray& text, CueSheet& sheet, QString* why);

// Lays the files out on the disc: each file's sectors follow the previous
// file's, gaps add sectors no file holds, and the first track's INDEX 01 is
// LBA 0. sizes[i] is the byte size of files[i]; paths[i] its path on disk.
std::vector<Segment> layOutCueSheet(const CueSheet& sheet, const std::vector<QString>& paths,
                                    const std::vector<int64_t>& sizes);

// Finds the file a FILE line names, relative to the cue sheet's folder, each
// component matched without regard to case when the exact spelling is absent.
// Empty when there is no such file.
QString findCueFile(const QString& cueFolder, const QString& name);

}  // namespace disc
