// NRG images: an ISO's sectors followed by the chunks and footer that say
// where the track lies, as 2,048-byte sectors and as raw Mode 1 sectors
// (whose data start 16 bytes into each sector).
#include "disc/DiscImage.h"
#include "DiscTestFiles.h"
#include "support/DiscFixture.h"
#include "support/ImageFixture.h"
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray be(uint64_t v, int bytes) {
    QByteArray out(bytes, '\0');
    for (int i = bytes - 1; i >= 0; --i, v >>= 8) out[i] = char(v & 0xFF);
    return out;
}

// One disc-at-once track over the whole of data, in a version-2 footer.
QByteArray nrgOf(const QByteArray& data, int sectorSize, char mode) {
    QByteArray dao = be(0, 4) + QByteArray(14, '\0') + QByteArray(2, '\0') + QByteArray("\x01\x01", 2);
    dao += QByteArray(12, '\0') + be(uint64_t(sectorSize), 2) + QByteArray(1, mode) + QByteArray(3, '\0');
    dao += be(0, 8) + be(0, 8) + be(uint64_t(data.size()), 8);
    QByteArray out = data;
    const uint64_t chunks = uint64_t(out.size());
    out += "DAOX" + be(uint64_t(dao.size()), 4) + dao;
    out += "END!" + be(0, 4);
    out += "NER5" + be(chunks, 8);
    return out;
}

}  // namespace

TEST(DiscNrg, ReadsTheTrackItsFooterNames) {
    SKIP_WITHOUT("xorriso");
    fixture::DiscFixture disc;
    const QByteArray picture = disctest::noise(6000, 9);
    disc.write(QStringLiteral("IMAGE/PLAY.JPG"), picture);
    fixture::ImageFixture images;
    const QString iso = images.makePlainIso(disc.path());
    ASSERT_FALSE(iso.isEmpty()) << images.error().toStdString();
    const QByteArray bytes = disctest::readFile(iso);

    const struct {
        const char* name;
        QByteArray image;
    } cases[] = {
        {"cooked.nrg", nrgOf(bytes, 2048, 0)},
        {"raw.nrg", nrgOf(disctest::toRawMode1(bytes), 2352, 6)},
    };
    for (const auto& c : cases) {
        const QString path = images.path() + QString::fromUtf8(c.name);
        disctest::writeFile(path, c.image);
        QString why;
        auto image = disc::Image::open(path, &why);
        ASSERT_TRUE(image) << c.name << ": " << why.toStdString();
        QByteArray out;
        EXPECT_TRUE(image->readAll(QStringLiteral("image/play.jpg"), out, 1 << 20));
        EXPECT_EQ(out, picture) << c.name;
    }

    // A footer that points into nowhere is a reason, not a crash.
    QByteArray broken = nrgOf(bytes, 2048, 0);
    broken.chop(8);
    broken += be(uint64_t(broken.size()) - 20, 8);
    disctest::writeFile(images.path() + "broken.nrg", broken);
    QString why;
    EXPECT_FALSE(disc::Image::open(images.path() + "broken.nrg", &why));
    EXPECT_TRUE(why.startsWith(QStringLiteral("the NRG image is damaged"))) << why.toStdString();
}
