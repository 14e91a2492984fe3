#pragma once
// The ISO 9660 directory tree of a disc, read once when the image opens.
//
// The directory records are read here rather than through libiso9660, which
// is wrong for these discs: it cuts Joliet names to the byte length of their
// UCS-2 form when it converts them to UTF-8 (so "课程" comes back as 4 of its
// 6 UTF-8 bytes and "课程一" and "课程二" collide), and its lookup compares
// case and keeps the ";1" version.
//
// Names come from Joliet when the disc has a Joliet tree, else from Rock
// Ridge NM entries, else from the plain ISO name less its version. Every
// extent is checked against the image's size, and the work is bounded by the
// image's size: each directory extent is read once, the sectors read for
// directories never exceed the image's own, and nesting is capped.
#include "disc/DiscImage.h"
#include "disc/SectorReader.h"

#include <QString>
#include <vector>

namespace disc {

struct Extent {
    int64_t lba = 0;
    int64_t bytes = 0;  // as the directory record gives it
};

struct IsoNode {
    QString name;       // the name shown and matched (Joliet, Rock Ridge or plain)
    QString plainName;  // the plain ISO 9660 name, less its version
    bool isDir = false;
    bool hidden = false;
    bool form2 = false;
    std::vector<Extent> extents;  // several for a multi-extent file
    std::vector<int> children;    // node indices, for a folder
    int parent = -1;              // node index, -1 for the root
};

class IsoFileSystem {
public:
    // Reads the volume descriptors and both trees; false with why set when the
    // source holds no ISO 9660 volume. Damage found on the way goes to problems().
    bool read(SectorReader& reader, QString* why);

    const std::vector<IsoNode>& nodes() const { return nodes_; }
    const std::vector<ImageProblem>& problems() const { return problems_; }

    // Finds a path ("\" or "/" separated, no leading separator; empty = root).
    NodeInfo stat(const QString& path, int* nodeIndex = nullptr) const;

    // Bytes a node gives when read: Form 2 files count 2,324 per sector.
    static int64_t readableSize(const IsoNode& node);

private:
    struct Walk;
    static void matchPlainNames(const std::vector<IsoNode>& primary, std::vector<IsoNode>& joliet);

    std::vector<IsoNode> nodes_;  // nodes_[0] is the root
    std::vector<ImageProblem> problems_;
    bool jolietNames_ = false;
};

}  // namespace disc
