// The demo disc as make-demo-disc writes it (without its clips): the
// configuration reads as the player reads it, in GBK with Chinese names, every
// menu item is usable, and every skin picture is there at the size the windows
// need. And the Video CD sector wrapper on its own.
#include "VcdImage.h"
#include "startup/DiscConfig.h"
#include "startup/MenuItem.h"
#include "startup/MenuTable.h"
#include "startup/ProfileFile.h"
#include "startup/TextDecoding.h"
#include "ui/DiscFiles.h"
#include "ui/Errors.h"
#include "ui/Picture.h"

#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

class DemoDisc : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new QTemporaryDir;
        QProcess tool;
        tool.setProcessChannelMode(QProcess::MergedChannels);
        tool.start(QStringLiteral(MAKE_DEMO_DISC_PATH), {QStringLiteral("--no-clips"), folder_->path()});
        ASSERT_TRUE(tool.waitForFinished(60000));
        output_ = QString::fromLocal8Bit(tool.readAll());
        exitCode_ = tool.exitCode();
    }
    static void TearDownTestSuite() {
        delete folder_;
        folder_ = nullptr;
    }
    void SetUp() override { ASSERT_EQ(exitCode_, 0) << output_.toStdString(); }

    // A disc name ("\" separated, any letter case) as a path the player would build.
    static QString disc(const QString& name) { return folder_->path() + QLatin1Char('/') + name; }
    static QByteArray inf() { return startup::ReadConfigFile(disc(QStringLiteral("AUTORUN.INF"))); }
    static QString value(const char* section, const char* key) {
        return startup::ProfileGetString(inf(), QString::fromLatin1(section), QString::fromLatin1(key)).text;
    }
    static bool exists(const QString& name) {
        return QFileInfo::exists(ui::ResolveDiscPath(disc(name)));
    }

    static QTemporaryDir* folder_;
    static QString output_;
    static int exitCode_;
};

QTemporaryDir* DemoDisc::folder_ = nullptr;
QString DemoDisc::output_;
int DemoDisc::exitCode_ = -1;

TEST_F(DemoDisc, ConfigurationIsGbkWithChineseNames) {
    const QByteArray bytes = inf();
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_FALSE(startup::IsValidUtf8(bytes)) << "expected 8-bit GBK text, not UTF-8";
    EXPECT_EQ(startup::DetectEncoding(bytes), startup::TextEncoding::Gb18030);
    const QString text = startup::DecodeText(bytes, startup::TextEncoding::Gb18030);
    EXPECT_FALSE(text.contains(QChar(0xFFFD)));
    EXPECT_TRUE(text.contains(QStringLiteral("目录\\主菜单.jpg")));
    EXPECT_TRUE(value("main", "face").contains(QStringLiteral("主菜单")));
    EXPECT_TRUE(value("main", "header").contains(QStringLiteral("片头")));
}

TEST_F(DemoDisc, EveryMenuItemIsUsableAndEveryKindIsThere) {
    const QStringList faces = startup::SplitList(value("main", "face"));
    const QStringList ranges = startup::SplitList(value("main", "newloop"));
    ASSERT_GE(faces.size(), 2);
    ASSERT_EQ(ranges.size(), faces.size());

    QHash<QString, startup::MenuLine> lines;
    const auto section = startup::ProfileGetSection(inf(), QStringLiteral("menu"));
    ASSERT_FALSE(section.cut);
    for (const QString& piece : startup::MenuPieces(section.text)) {
        const auto parsed = startup::ParseMenuLine(piece);
        ASSERT_TRUE(parsed.line) << piece.toStdString() << ": " << parsed.problem.toStdString();
        lines.insert(parsed.line->key.toLower(), *parsed.line);
    }

    QSet<QString> words, videoKinds;
    for (int page = 0; page < faces.size(); ++page) {
        SCOPED_TRACE("page " + std::to_string(page + 1));
        const ui::Picture picture = ui::LoadPicture(disc(faces[page]));
        EXPECT_EQ(picture.pixelWidth(), 528);
        EXPECT_EQ(picture.pixelHeight(), 432);
        const startup::PageRange range = startup::ParseRange(ranges[page]);
        ASSERT_LE(range.first, range.last);
        for (int n = range.first; n <= range.last; ++n) {
            const QString key = startup::ItemKey(n);
            SCOPED_TRACE(key.toStdString());
            ASSERT_TRUE(lines.contains(key));
            const startup::MenuRect r = startup::ParseRect(lines[key].rect, key);
            EXPECT_TRUE(0 <= r.left && r.left < r.right && r.right <= 528 && 0 <= r.top && r.top < r.bottom &&
                        r.bottom <= 432);
            const startup::ActionParts action = startup::SplitAction(lines[key].action);
            words.insert(action.word);
            if (action.word == QLatin1String("redirect")) {
                const int target = action.arg.toInt();
                EXPECT_TRUE(target >= 1 && target <= faces.size() && target != page + 1) << action.arg.toStdString();
            } else if (action.word == QLatin1String("url")) {
                if (!action.arg.contains(QLatin1String("://"))) {
                    EXPECT_TRUE(exists(action.arg)) << action.arg.toStdString();
                }
            } else if (!action.arg.isEmpty()) {
                videoKinds.insert(startup::FileExtension(action.arg));
            }
        }
    }
    for (const char* word : {"redirect", "url", "header"}) EXPECT_TRUE(words.contains(QLatin1String(word))) << word;
    EXPECT_GE(words.size(), 4) << "lessons need a word of the disc's own";
    EXPECT_EQ(videoKinds, (QSet<QString>{QStringLiteral("wmv"), QStringLiteral("mpg"), QStringLiteral("dat")}));
    for (const char* key : {"donghua", "shengyin"}) EXPECT_TRUE(exists(value("navigate", key))) << key;
}

TEST_F(DemoDisc, EverySkinPictureHasTheSizeTheWindowsNeed) {
    struct Skin {
        const char* name;  // as the windows name it
        int width, height;
    };
    const Skin skins[] = {
        {"image\\player.bmp", 800, 600},  {"image\\progress.bmp", 100, 9}, {"image\\Trad2_1.bmp", 201, 20},
        {"image\\arrow.jpg", 48, 40},     {"image\\black.jpg", 800, 600},  {"image\\CBack.jpg", 418, 265},
        {"image\\ok.jpg", 116, 53},       {"image\\cancel.jpg", 116, 53},  {"image\\play.jpg", 28, 28},
        {"image\\Play_h.jpg", 28, 28},    {"image\\pause.jpg", 28, 28},    {"image\\Pause_h.jpg", 28, 28},
        {"image\\stop.jpg", 40, 40},      {"image\\Stop_h.jpg", 40, 40},   {"image\\void.jpg", 28, 28},
        {"image\\void_h.jpg", 28, 28},    {"image\\clsvoid.jpg", 28, 28},  {"image\\sy.jpg", 65, 33},
        {"image\\sy_h.jpg", 65, 33},      {"image\\dh.jpg", 65, 33},       {"image\\dh_h.jpg", 65, 33},
        {"image\\tp.jpg", 103, 25},       {"image\\help.jpg", 30, 17},     {"image\\help_h.jpg", 30, 17},
        {"image\\fscren.jpg", 30, 17},    {"image\\fscren_h.jpg", 30, 17}, {"image\\close.jpg", 30, 17},
        {"image\\close_h.jpg", 30, 17},   {"image\\cur.cur", 32, 32},
    };
    for (const Skin& skin : skins) {
        SCOPED_TRACE(skin.name);
        ui::Picture picture;
        ASSERT_NO_THROW(picture = ui::LoadPicture(disc(QString::fromUtf8(skin.name))));
        EXPECT_EQ(picture.pixelWidth(), skin.width);
        EXPECT_EQ(picture.pixelHeight(), skin.height);
    }
    EXPECT_EQ(ui::LoadPicture(disc(QStringLiteral("image\\cur.cur"))).hotSpot(), QPoint(5, 0));
    // Some names differ in letter case on the disc, as on real discs.
    EXPECT_TRUE(ui::MatchesOnlyIgnoringCase(disc(QStringLiteral("image\\play.jpg"))));
}

TEST_F(DemoDisc, SliderStripsKeyOutAroundTheThumbFrames) {
    // Magenta (keyed out) where each strip's thumb frames leave the corners free:
    // seek bar frames from x 36, volume bar frames from x 145, 14 rows high.
    const QImage seek = ui::LoadPicture(disc(QStringLiteral("image\\progress.bmp"))).image();
    const QImage volume = ui::LoadPicture(disc(QStringLiteral("image\\Trad2_1.bmp"))).image();
    const QRgb magenta = qRgb(255, 0, 255);
    for (int frame = 0; frame < 4; ++frame) {
        EXPECT_EQ(seek.pixel(36 + frame * 16, 0) | 0xFF000000, magenta) << frame;
        EXPECT_NE(seek.pixel(36 + frame * 16 + 8, 4) | 0xFF000000, magenta) << frame;
        EXPECT_EQ(volume.pixel(145 + frame * 14, 0) | 0xFF000000, magenta) << frame;
        EXPECT_NE(volume.pixel(145 + frame * 14 + 7, 7) | 0xFF000000, magenta) << frame;
    }
    // No magenta in the bar pieces themselves.
    EXPECT_NE(seek.pixel(0, 4) | 0xFF000000, magenta);
    EXPECT_NE(volume.pixel(68, 19) | 0xFF000000, magenta);
}

TEST(VcdImage, PacksGoIntoAddressedMode2SectorsOfACdxaFile) {
    QByteArray stream(demo::kSectorPayload * 2 + 100, '\0');
    for (int i = 0; i < stream.size(); ++i) stream[i] = char(i * 7);
    const QByteArray file = demo::WrapInCdxa(stream);

    const int sectors = 3;
    ASSERT_EQ(file.size(), 44 + sectors * demo::kSectorSize);
    EXPECT_EQ(file.left(4), "RIFF");
    EXPECT_EQ(qFromLittleEndian<quint32>(file.constData() + 4), quint32(file.size() - 8));
    EXPECT_EQ(file.mid(8, 8), "CDXAfmt ");
    EXPECT_EQ(file.mid(36, 4), "data");
    EXPECT_EQ(qFromLittleEndian<quint32>(file.constData() + 40), quint32(sectors * demo::kSectorSize));

    const QByteArray sync = QByteArray(1, '\0') + QByteArray(10, char(0xFF)) + QByteArray(1, '\0');
    for (int s = 0; s < sectors; ++s) {
        SCOPED_TRACE(s);
        const QByteArray sector = file.mid(44 + s * demo::kSectorSize, demo::kSectorSize);
        EXPECT_EQ(sector.left(12), sync);
        // minute 0, second 4, frame s (BCD), mode 2
        EXPECT_EQ(sector.mid(12, 4), QByteArray::fromHex("0004") + char(s) + char(2));
        EXPECT_EQ(sector.mid(16, 4), sector.mid(20, 4)) << "the subheader is written twice";
        const QByteArray payload = sector.mid(24, demo::kSectorPayload);
        const QByteArray expected = stream.mid(s * demo::kSectorPayload, demo::kSectorPayload);
        EXPECT_EQ(payload.left(expected.size()), expected);
        EXPECT_EQ(payload.mid(expected.size()), QByteArray(demo::kSectorPayload - expected.size(), '\0'));
    }
}

}  // namespace
