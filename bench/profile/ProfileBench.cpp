// What a disc controls, read at two sizes side by side: the time of each pair
// must grow no faster than its input (10 times the input, at most about 10
// times the time), and inputs whose size is bounded must cost the same at
// both claims.
//
// - Configuration/KIND/MB: an AUTORUN.INF of 1 or 10 MB read as the player and
//   disc-check read it (the file prepared, the [main] values, the [menu]
//   section, the [navigate] values). The bulk is [main] keys before the ones
//   asked for, so every question has to pass it: ordinary lines, 200 KB lines,
//   or ordinary lines in GB18030 (read a character at a time).
// - CachedValue/MB: newloop read again from the unchanged file on disk, as the
//   main window does on every arrow placement (one stat, no read).
// - LongCommaValue/MB: a value of commas 1 or 10 MB long, cut to 255 bytes and
//   split into its 256 entries.
// - MenuOfOneCharLines/MB: a [menu] section of one-character lines 1 or 10 MB
//   long, read (cut at 9,998 bytes) and made into lines (each malformed).
// - FaceList/N and MenuTable/N: the list and menu-table code on 1,000 and
//   10,000 entries (more than the byte limits let a disc have: the code itself
//   must be linear).
// - HugePicture/SIDE: a PNG header claiming SIDE x SIDE pixels, refused.
// - CursorDirectory/N: a cursor file whose directory has N entries.
#include "startup/DiscConfig.h"
#include "startup/KeyedTable.h"
#include "startup/MenuItem.h"
#include "startup/MenuTable.h"
#include "startup/ProfileFile.h"
#include "ui/Cursor.h"
#include "ui/Errors.h"
#include "ui/Picture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kMB = 1024 * 1024;

enum class Lines { Ordinary = 0, Long = 1, Gb18030 = 2 };

// An AUTORUN.INF of about totalBytes: [main] with the bulk first and the keys
// start-up reads last, then [menu] with three items and [navigate].
QByteArray Configuration(qsizetype totalBytes, Lines kind) {
    QByteArray file = "[main]\r\n";
    file.reserve(totalBytes + 4096);
    const QByteArray longValue(200 * 1024, 'x');
    for (int i = 0; file.size() < totalBytes; ++i) {
        file += "key" + QByteArray::number(i) + '=';
        if (kind == Lines::Long)
            file += longValue;
        else if (kind == Lines::Gb18030)
            file += "\xBF\xCE\xBC\xFE\\\xB5\xDA\xD2\xBB\xBF\xCE.wmv, \xBF\xCE\xBC\xFE " + QByteArray::number(i);
        else
            file += "a value of an ordinary length, " + QByteArray::number(i);
        file += "\r\n";
    }
    file += "header=\r\nlaster=\r\nface=p1.jpg,p2.jpg\r\nnewloop=1-2,3-3\r\n"
            "[menu]\r\n1list=40,100,300,140,#redirect,2\r\n2list=40,160,300,200 #lesson,a.wmv\r\n"
            "3list=40,220,300,260,#url,help\\index.htm\r\n[navigate]\r\ndonghua=http://a\r\nshengyin=b.exe\r\n";
    return file;
}

void ReadAsThePlayerDoes(const QByteArray& file) {
    const startup::Profile profile(file);
    for (const char* key : {"header", "laster", "face", "newloop"})
        benchmark::DoNotOptimize(profile.value(u"main", QString::fromLatin1(key)));
    const startup::ProfileSection menu = profile.section(u"menu");
    benchmark::DoNotOptimize(startup::MenuPieces(menu.text));
    for (const char* key : {"donghua", "shengyin"})
        benchmark::DoNotOptimize(profile.value(u"navigate", QString::fromLatin1(key)));
}

void BM_Configuration(benchmark::State& state) {
    const QByteArray file = Configuration(state.range(1) * kMB, static_cast<Lines>(state.range(0)));
    for (auto _ : state) ReadAsThePlayerDoes(file);
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_Configuration)
    ->ArgNames({"lines", "MB"})
    ->Args({0, 1})->Args({0, 10})
    ->Args({1, 1})->Args({1, 10})
    ->Args({2, 1})->Args({2, 10})
    ->Unit(benchmark::kMillisecond);

void BM_CachedValue(benchmark::State& state) {
    QTemporaryDir dir;
    const QString ini = dir.path() + QStringLiteral("/AUTORUN.INF");
    QFile out(ini);
    if (!out.open(QIODevice::WriteOnly)) return state.SkipWithError("cannot write the file");
    out.write(Configuration(state.range(0) * kMB, Lines::Ordinary));
    out.close();
    benchmark::DoNotOptimize(startup::ReadIniString(QStringLiteral("main"), QStringLiteral("newloop"), ini));
    for (auto _ : state)
        benchmark::DoNotOptimize(startup::ReadIniString(QStringLiteral("main"), QStringLiteral("newloop"), ini));
}
BENCHMARK(BM_CachedValue)->ArgName("MB")->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

void BM_LongCommaValue(benchmark::State& state) {
    const QByteArray file = "[main]\r\nface=" + QByteArray(state.range(0) * kMB, ',') + "\r\n";
    for (auto _ : state) {
        const startup::ProfileString face = startup::ProfileGetString(file, u"main", u"face");
        benchmark::DoNotOptimize(startup::SplitList(face.text));
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_LongCommaValue)->ArgName("MB")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_MenuOfOneCharLines(benchmark::State& state) {
    QByteArray file = "[menu]\r\n";
    while (file.size() < state.range(0) * kMB) file += "x\r\n";
    for (auto _ : state) {
        const startup::ProfileSection menu = startup::ProfileGetSection(file, u"menu");
        for (const QString& piece : startup::MenuPieces(menu.text))
            benchmark::DoNotOptimize(startup::ParseMenuLine(piece));
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_MenuOfOneCharLines)->ArgName("MB")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_FaceList(benchmark::State& state) {
    QStringList pages, ranges;
    for (int i = 1; i <= state.range(0); ++i) {
        pages.append(QStringLiteral("face\\page%1.jpg").arg(i));
        ranges.append(QStringLiteral("%1-%1").arg(i % 30000));
    }
    const QString face = pages.join(QLatin1Char(','));
    const QString newloop = ranges.join(QLatin1Char(','));
    for (auto _ : state) {
        benchmark::DoNotOptimize(startup::SplitList(face));
        for (const QString& entry : startup::SplitList(newloop)) benchmark::DoNotOptimize(startup::ParseRange(entry));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FaceList)->ArgName("pages")->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_MenuTable(benchmark::State& state) {
    QString section;
    for (int i = 1; i <= state.range(0); ++i)
        section += QStringLiteral("%1list=40,100,300,140,#lesson,unit\\%1.wmv").arg(i) + QChar(0);
    for (auto _ : state) {
        KeyedTable rects, actions;
        for (const QString& piece : startup::MenuPieces(section)) {
            const startup::ParsedMenuLine parsed = startup::ParseMenuLine(piece);
            rects.Add(parsed.line->key, parsed.line->rect);
            actions.Add(parsed.line->key, parsed.line->action);
        }
        for (int i = 1; i <= state.range(0); ++i)
            benchmark::DoNotOptimize(startup::ParseRect(rects.Item(startup::ItemKey(i))));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MenuTable)->ArgName("items")->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// A 16 x 16 PNG whose header is made to claim side x side pixels.
QByteArray PngClaiming(quint32 side) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    qToBigEndian(side, bytes.data() + 16);
    qToBigEndian(side, bytes.data() + 20);
    quint32 crc = 0xFFFFFFFFu;  // the IHDR chunk's CRC over its type and data
    for (int i = 12; i < 29; ++i) {
        crc ^= static_cast<unsigned char>(bytes[i]);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    qToBigEndian(~crc, bytes.data() + 29);
    return bytes;
}

void BM_HugePicture(benchmark::State& state) {
    const QByteArray bytes = PngClaiming(static_cast<quint32>(state.range(0)));
    for (auto _ : state) {
        QString why;
        if (ui::DecodePicture(bytes, &why)) return state.SkipWithError("the picture was decoded");
    }
}
BENCHMARK(BM_HugePicture)->ArgName("side")->Arg(6500)->Arg(65000)->Unit(benchmark::kMicrosecond);

// A cursor file of count directory entries, all naming one 32 x 32 image.
QByteArray CursorWithEntries(int count) {
    QByteArray image(40 + 32 * 32 * 4 + 32 * 4, '\0');
    qToLittleEndian<quint32>(40, image.data());
    qToLittleEndian<qint32>(32, image.data() + 4);
    qToLittleEndian<qint32>(64, image.data() + 8);  // colour and mask rows
    qToLittleEndian<quint16>(1, image.data() + 12);
    qToLittleEndian<quint16>(32, image.data() + 14);
    QByteArray file(6 + 16 * count, '\0');
    qToLittleEndian<quint16>(2, file.data() + 2);
    qToLittleEndian<quint16>(static_cast<quint16>(count), file.data() + 4);
    for (int i = 0; i < count; ++i) {
        char* entry = file.data() + 6 + 16 * i;
        entry[0] = 32;
        entry[1] = 32;
        qToLittleEndian<quint32>(static_cast<quint32>(image.size()), entry + 8);
        qToLittleEndian<quint32>(static_cast<quint32>(file.size()), entry + 12);
    }
    return file + image;
}

void BM_CursorDirectory(benchmark::State& state) {
    const QByteArray bytes = CursorWithEntries(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(ui::DecodeCursorFile(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_CursorDirectory)->ArgName("entries")->Arg(6553)->Arg(65535)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
