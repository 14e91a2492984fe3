#include "ui/DiscFiles.h"
#include "ui/DiscMount.h"
#include "ui/OpenerCopies.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ui {

namespace {

struct Resolved {
    QString path;
    bool exists = false;
    bool caseDiffers = false;
};

// Finds the entry of folder whose name equals name ignoring case. The folder's
// names are read and compared, nothing more: copies of CDs name their folders
// in capitals, so the main window resolves its skin through a listing of the
// skin folder per picture before its first paint, and a sorted listing of
// file information cost about half a millisecond more there (bench/README.md).
// Where several names match (a case-sensitive file system), the first in the
// sorted listing wins, as it always has.
QString findIgnoringCase(const QString& folder, const QString& name) {
    const QString where = folder.isEmpty() ? QStringLiteral("/") : folder;
    DIR* dir = ::opendir(QFile::encodeName(where).constData());
    if (!dir) return {};
    QString found;
    int matches = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
        const QString entryName = QFile::decodeName(entry->d_name);
        if (entryName.compare(name, Qt::CaseInsensitive) == 0 && ++matches == 1) found = entryName;
    }
    ::closedir(dir);
    if (matches <= 1) return found;
    const QStringList entries =
        QDir(where).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    return {};
}

Resolved resolve(const QString& discPath) {
    QString path = discPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool absolute = path.startsWith(QLatin1Char('/'));
    const bool trailing = path.endsWith(QLatin1Char('/')) && path.size() > 1;
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);

    Resolved r;
    QString current = absolute ? QStringLiteral("/") : QString();
    bool onDisk = true;  // every component so far exists
    for (const QString& part : parts) {
        QString next = part;
        if (onDisk && part != QLatin1String(".") && part != QLatin1String("..")) {
            const QString candidate = current + part;
            if (!QFileInfo::exists(candidate.isEmpty() ? QStringLiteral(".") : candidate)) {
                const QString found = findIgnoringCase(current.isEmpty() ? QStringLiteral(".") : current, part);
                if (found.isEmpty()) {
                    onDisk = false;
                } else {
                    next = found;
                    r.caseDiffers = true;
                }
            }
        }
        current += next + QLatin1Char('/');
    }
    if (!current.isEmpty() && !(trailing || (parts.isEmpty() && absolute))) current.chop(1);
    r.path = current.isEmpty() ? path : current;
    r.exists = onDisk && QFileInfo::exists(r.path);
    return r;
}

int32_t attributesOf(const QFileInfo& info) {
    int32_t attributes = info.isDir() ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
    const QByteArray native = QFile::encodeName(info.absoluteFilePath());
    if (::access(native.constData(), W_OK) != 0) attributes |= FILE_ATTRIBUTE_READONLY;
    if (info.fileName().startsWith(QLatin1Char('.'))) attributes |= FILE_ATTRIBUTE_HIDDEN;
    return attributes;
}

// Pictures, the configuration and cursors are read whole into memory; a
// file beyond this inside an image is no such file.
constexpr int64_t kWholeFileLimit = int64_t(256) << 20;

// The same lookup inside the mounted image.
Resolved resolveInImage(const QString& path, const QString& inner) {
    const disc::NodeInfo node = MountedImage()->stat(inner);
    Resolved r;
    r.exists = node.exists;
    r.caseDiffers = node.caseDiffers;
    QString unified = path;
    unified.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!node.exists) {
        r.path = unified;
        return r;
    }
    r.path = MountedRoot() + node.realPath;
    if (unified.endsWith(QLatin1Char('/')) && !r.path.endsWith(QLatin1Char('/'))) r.path += QLatin1Char('/');
    return r;
}

Resolved resolveAnywhere(const QString& path) {
    QString inner;
    if (InsideImage(path, &inner)) return resolveInImage(path, inner);
    return resolve(path);
}

// An image is a read-only medium: everything on it carries the read-only bit.
int32_t attributesOf(const disc::NodeInfo& node) {
    int32_t attributes = (node.isDir ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE) | FILE_ATTRIBUTE_READONLY;
    if (node.hidden) attributes |= FILE_ATTRIBUTE_HIDDEN;
    return attributes;
}

}  // namespace

QString ResolveDiscPath(const QString& path) { return resolveAnywhere(path).path; }

bool MatchesOnlyIgnoringCase(const QString& path) {
    const Resolved r = resolveAnywhere(path);
    return r.exists && r.caseDiffers;
}

int32_t GetFileAttributes(const QString& path) {
    QString inner;
    if (InsideImage(path, &inner)) {
        const disc::NodeInfo node = MountedImage()->stat(inner);
        return node.exists ? attributesOf(node) : INVALID_FILE_ATTRIBUTES;
    }
    const Resolved r = resolve(path);
    if (!r.exists) return INVALID_FILE_ATTRIBUTES;
    return attributesOf(QFileInfo(r.path));
}

QString FindFirstFile(const QString& path) {
    QString unified = path;
    unified.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const int slash = unified.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash >= 0 ? unified.left(slash + 1) : QString();
    const QString name = slash >= 0 ? unified.mid(slash + 1) : unified;
    if (name.isEmpty()) return {};

    const bool wildcard = name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
    const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(name),
                                     QRegularExpression::CaseInsensitiveOption);
    QStringList entries;
    QString innerFolder;
    if (InsideImage(folder, &innerFolder)) {
        const disc::Image* image = MountedImage();
        for (const QString& entry : image->list(innerFolder)) {
            const disc::NodeInfo node = image->stat(innerFolder + entry);
            if (node.exists && !node.isDir) entries << entry;
        }
        entries.sort();
    } else {
        const QString realFolder = folder.isEmpty() ? QStringLiteral(".") : resolve(folder).path;
        QDir dir(realFolder);
        if (!dir.exists()) return {};
        entries = dir.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    }
    for (const QString& entry : entries) {
        const bool match = wildcard ? pattern.match(entry).hasMatch() : entry.compare(name, Qt::CaseInsensitive) == 0;
        if (match) return entry;
    }
    return {};
}

bool ReadWholeFile(const QString& path, QByteArray& out) {
    QString inner;
    if (InsideImage(path, &inner)) return MountedImage()->readAll(inner, out, kWholeFileLimit);
    QFile file(ResolveDiscPath(path));
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly)) return false;
    out = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool IsDiscFile(const QString& path) {
    QString inner;
    if (InsideImage(path, &inner)) {
        const disc::NodeInfo node = MountedImage()->stat(inner);
        return node.exists && !node.isDir;
    }
    return QFileInfo(ResolveDiscPath(path)).isFile();
}

bool IsDiscFolder(const QString& path) {
    QString inner;
    if (InsideImage(path, &inner)) {
        const disc::NodeInfo node = MountedImage()->stat(inner);
        return node.exists && node.isDir;
    }
    return QFileInfo(ResolveDiscPath(path)).isDir();
}

bool GetFileStamp(const QString& resolvedPath, FileStamp& stamp) {
    QString inner;
    QString onDisk = resolvedPath;
    if (InsideImage(resolvedPath, &inner)) {
        // What is inside an image changes only when the image does.
        if (!IsDiscFile(resolvedPath)) return false;
        onDisk = MountedRoot();
        onDisk.chop(1);
    }
    struct stat st {};
    if (::stat(QFile::encodeName(onDisk).constData(), &st) != 0 || !(S_ISREG(st.st_mode) || S_ISBLK(st.st_mode)))
        return false;
    stamp = FileStamp{static_cast<int64_t>(st.st_size),
                      static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
    return true;
}

std::unique_ptr<disc::ClipStream> OpenImageStream(const QString& path) {
    QString inner;
    if (!InsideImage(path, &inner)) return nullptr;
    return MountedImage()->openStream(inner);
}

QString OpenerPath(const QString& path) {
    QString inner;
    if (InsideImage(path, &inner)) return PrivateCopyForOpener(*MountedImage(), inner);
    const Resolved r = resolve(path);
    return r.exists && QFileInfo(r.path).isFile() ? r.path : QString();
}

QString ExecutableFolder() {
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

QString DisplayPath(const QString& path) {
    QString shown = path;
    shown.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return shown;
}

}  // namespace ui
