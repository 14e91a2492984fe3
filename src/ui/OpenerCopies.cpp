#include "ui/OpenerCopies.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

namespace ui {

namespace {

// What a page's folder may bring along: pictures, style sheets and the like,
// not the disc's clips. A folder copy stops at these bounds.
constexpr int64_t kLargestFileAlong = int64_t(32) << 20;
constexpr int64_t kMostBytesAlong = int64_t(256) << 20;
constexpr int kMostFilesAlong = 2000;
constexpr int kDeepestFolder = 8;
// The page itself is copied whatever its size, up to this.
constexpr int64_t kLargestFile = int64_t(1) << 30;

std::unique_ptr<QTemporaryDir>& privateFolder() {
    static std::unique_ptr<QTemporaryDir> folder;
    return folder;
}

QString privateRoot() {
    auto& folder = privateFolder();
    if (!folder) {
        QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
        if (base.isEmpty() || !QFileInfo(base).isDir() || !QFileInfo(base).isWritable())
            base = QDir::tempPath();
        // QTemporaryDir makes the folder with mode 0700.
        folder = std::make_unique<QTemporaryDir>(base + QStringLiteral("/autorun-XXXXXX"));
        if (!folder->isValid()) {
            folder.reset();
            return {};
        }
        std::atexit(RemoveOpenerCopies);
    }
    return folder->path() + QLatin1Char('/');
}

bool copyFile(const disc::Image& image, const QString& inner, const QString& target, int64_t limit) {
    if (QFileInfo::exists(target)) return true;
    QByteArray bytes;
    if (!image.readAll(inner, bytes, limit)) return false;
    if (!QDir().mkpath(QFileInfo(target).absolutePath())) return false;
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly)) return false;
    return out.write(bytes) == bytes.size() && out.flush();
}

struct Budget {
    int64_t bytes = kMostBytesAlong;
    int files = kMostFilesAlong;
};

void copyFolder(const disc::Image& image, const QString& folder, const QString& root, int depth, Budget& budget) {
    if (depth > kDeepestFolder) return;
    const QString prefix = folder.isEmpty() ? QString() : folder + QLatin1Char('/');
    for (const QString& name : image.list(folder)) {
        if (budget.files <= 0 || budget.bytes <= 0) return;
        const disc::NodeInfo node = image.stat(prefix + name);
        if (!node.exists) continue;
        if (node.isDir) {
            copyFolder(image, node.realPath, root, depth + 1, budget);
        } else if (!node.form2 && node.size <= kLargestFileAlong && node.size <= budget.bytes) {
            if (copyFile(image, node.realPath, root + node.realPath, kLargestFileAlong)) {
                budget.bytes -= node.size;
                --budget.files;
            }
        }
    }
}

bool isWebPage(const QString& name) {
    const QString suffix = QFileInfo(name).suffix().toLower();
    return suffix == QLatin1String("htm") || suffix == QLatin1String("html");
}

}  // namespace

QString PrivateCopyForOpener(const disc::Image& image, const QString& inner) {
    const disc::NodeInfo node = image.stat(inner);
    if (!node.exists || node.isDir) return {};
    const QString root = privateRoot();
    if (root.isEmpty()) return {};
    const QString target = root + node.realPath;
    if (!copyFile(image, node.realPath, target, kLargestFile)) return {};
    if (isWebPage(node.realPath)) {
        const int slash = node.realPath.lastIndexOf(QLatin1Char('/'));
        Budget budget;
        copyFolder(image, slash < 0 ? QString() : node.realPath.left(slash), root, 0, budget);
    }
    return target;
}

void RemoveOpenerCopies() { privateFolder().reset(); }

}  // namespace ui
