#include "disc/DiscImage.h"
#include "disc/DriveSectorReader.h"
#include "disc/ImageSource.h"
#include "disc/IsoFileSystem.h"
#include "disc/SectorClipStream.h"

#include <QFile>
#include <sys/stat.h>

namespace disc {

namespace {

class IsoImage final : public Image {
public:
    IsoImage(SectorSource source, std::unique_ptr<SectorReader> reader) : source_(std::move(source)), reader_(std::move(reader)) {}

    bool read(QString* why) { return fs_.read(*reader_, why); }

    NodeInfo stat(const QString& path) const override { return fs_.stat(path); }

    QStringList list(const QString& folder) const override {
        int index = -1;
        if (!fs_.stat(folder, &index).isDir) return {};
        QStringList names;
        for (int child : fs_.nodes()[size_t(index)].children) names << fs_.nodes()[size_t(child)].name;
        return names;
    }

    bool readAll(const QString& path, QByteArray& out, int64_t maxBytes) const override {
        out.clear();
        int index = -1;
        const NodeInfo info = fs_.stat(path, &index);
        if (!info.exists || info.isDir || info.size > maxBytes) return false;
        SectorClipStream stream(*reader_, fs_.nodes()[size_t(index)]);
        out.resize(qsizetype(info.size));
        int64_t done = 0;
        while (done < info.size) {
            const int64_t got = stream.read(out.data() + done, info.size - done);
            if (got <= 0) {
                out.clear();
                return false;
            }
            done += got;
        }
        return true;
    }

    std::unique_ptr<ClipStream> openStream(const QString& path) const override {
        int index = -1;
        const NodeInfo info = fs_.stat(path, &index);
        if (!info.exists || info.isDir) return nullptr;
        auto reader = withTestDelay(makeSectorReader(source_, nullptr));  // a handle of the stream's own
        if (!reader) return nullptr;
        return std::make_unique<SectorClipStream>(std::move(reader), fs_.nodes()[size_t(index)]);
    }

    std::vector<ImageProblem> problems() const override { return fs_.problems(); }

private:
    SectorSource source_;
    std::unique_ptr<SectorReader> reader_;
    IsoFileSystem fs_;
};

}  // namespace

std::unique_ptr<Image> Image::open(const QString& path, QString* why) {
    silenceLibcdio();
    QString reason;
    SectorSource source;
    std::unique_ptr<SectorReader> reader;
    if (findImageSource(path, source, &reason)) reader = makeSectorReader(source, &reason);
    if (reader) {
        auto image = std::make_unique<IsoImage>(std::move(source), std::move(reader));
        if (image->read(&reason)) return image;
    }
    if (why) *why = reason;
    return nullptr;
}

bool Image::looksLikeImage(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && (S_ISREG(st.st_mode) || S_ISBLK(st.st_mode));
}

}  // namespace disc
