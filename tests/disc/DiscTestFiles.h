#pragma once
// Small file helpers for the disc image tests.
#include <QByteArray>
#include <QString>

namespace disctest {

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
// Bytes that compress badly, so a file spans several sectors as written.
QByteArray noise(int size, unsigned seed);
// Replaces every occurrence of from by to (same length); the count replaced.
int patchFile(const QString& path, const QByteArray& from, const QByteArray& to);

// Raw Mode 1 sectors (2,352 bytes) carrying the 2,048-byte sectors of an
// ISO: sync, address, mode 1, the data, and zeros where the error codes
// would be (nothing here checks them).
QByteArray toRawMode1(const QByteArray& iso);

// The frame (75 a second) of INDEX index of TRACK track in a cue sheet; -1 when absent.
int cueIndex(const QString& cue, int track, int index);

}  // namespace disctest

// Skips the test when a tool that makes its images is missing.
#define SKIP_WITHOUT(tool)                                                              \
    do {                                                                                \
        if (!fixture::ImageFixture::haveTool(QStringLiteral(tool))) GTEST_SKIP() << tool " is not installed"; \
    } while (0)
