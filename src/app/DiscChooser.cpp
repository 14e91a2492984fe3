#include "app/DiscChooser.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <sys/stat.h>

namespace app {

namespace {

// A field of the mounts file: "\ooo" octal escapes stand for the space, tab,
// newline and backslash that would break the line.
QString UnescapeMountField(const QByteArray& field) {
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\\' && i + 3 < field.size()) {
            const QByteArray digits = field.mid(i + 1, 3);
            bool ok = false;
            const int value = digits.toInt(&ok, 8);
            if (ok && digits.size() == 3 && value < 256) {
                out.append(static_cast<char>(value));
                i += 3;
                continue;
            }
        }
        out.append(c);
    }
    return QString::fromUtf8(out);
}

bool IsRemovablePlace(const QString& folder, const QByteArray& type) {
    if (type == "iso9660" || type == "udf") return true;
    for (const char* place : {"/media/", "/run/media/", "/mnt/"})
        if (folder.startsWith(QLatin1String(place))) return true;
    return false;
}

QString CanonicalDevice(const QString& device) {
    const QString canonical = QFileInfo(device).canonicalFilePath();
    return canonical.isEmpty() ? device : canonical;
}

// ~/.config/autorun/autorun.conf
QSettings Settings() { return QSettings(QStringLiteral("autorun"), QStringLiteral("autorun")); }
const char kLastFolderKey[] = "disc/lastFolder";

QString StartFolder() {
    const QString last = Settings().value(QLatin1String(kLastFolderKey)).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    const QString media = QStringLiteral("/media/") + qEnvironmentVariable("USER");
    if (QFileInfo(media).isDir()) return media;
    return QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
}

void RememberFolder(const QString& folder) { Settings().setValue(QLatin1String(kLastFolderKey), folder); }

}  // namespace

bool HoldsAutorunInf(const QString& folder) {
    // QDir's name filters ignore letter case unless told otherwise.
    return !QDir(folder)
                .entryList({QStringLiteral("autorun.inf")}, QDir::Files | QDir::Hidden | QDir::System)
                .isEmpty();
}

std::vector<MountedDisc> MountedDiscs(const QByteArray& mountsText,
                                      const std::function<bool(const QString& folder)>& isDisc) {
    std::vector<MountedDisc> discs;
    for (const QByteArray& line : mountsText.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3) continue;
        const QString folder = UnescapeMountField(fields[1]);
        if (!IsRemovablePlace(folder, fields[2])) continue;
        if (isDisc(folder)) discs.push_back({UnescapeMountField(fields[0]), folder});
    }
    return discs;
}

DriveCheck& DriveHoldsOurDisc() {
    static DriveCheck check;
    return check;
}

QStringList OpticalDrives(const QString& devFolder) {
    QStringList drives;
    const QDir dev(devFolder);
    for (const QString& name : dev.entryList({QStringLiteral("sr*")}, QDir::System | QDir::Files, QDir::Name)) {
        const QString path = dev.filePath(name);
        struct stat info {};
        if (::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISBLK(info.st_mode)) drives.append(path);
    }
    return drives;
}

QStringList FoundDiscs(const std::vector<MountedDisc>& mounted, const QStringList& drives,
                       const DriveCheck& driveCheck) {
    QStringList found;
    QStringList mountedDevices;
    for (const MountedDisc& disc : mounted) {
        if (!found.contains(disc.folder)) found.append(disc.folder);
        mountedDevices.append(CanonicalDevice(disc.device));
    }
    if (driveCheck)
        for (const QString& drive : drives)
            if (!mountedDevices.contains(CanonicalDevice(drive)) && driveCheck(drive)) found.append(drive);
    return found;
}

std::optional<QString> TheOneDiscFound() {
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    QByteArray text;
    // A procfs file reports no size: read to the end.
    if (mounts.open(QIODevice::ReadOnly)) text = mounts.readAll();
    const QStringList found = FoundDiscs(MountedDiscs(text, HoldsAutorunInf), OpticalDrives(), DriveHoldsOurDisc());
    if (found.size() == 1) return found.front();
    return std::nullopt;
}

std::optional<QString> AskForDisc(QWidget* parent) {
    for (;;) {
        QMessageBox question(QMessageBox::Question, QStringLiteral("选择光盘"),
                             QStringLiteral("没有找到光盘。\n请选择光盘所在的文件夹，或者一个光盘映像文件。"),
                             QMessageBox::NoButton, parent);
        QPushButton* folderButton = question.addButton(QStringLiteral("文件夹…"), QMessageBox::AcceptRole);
        QPushButton* imageButton = question.addButton(QStringLiteral("光盘映像文件…"), QMessageBox::AcceptRole);
        QPushButton* cancelButton = question.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
        question.setDefaultButton(folderButton);
        question.setEscapeButton(cancelButton);
        question.exec();
        if (question.clickedButton() == folderButton) {
            const QString folder =
                QFileDialog::getExistingDirectory(parent, QStringLiteral("选择光盘文件夹"), StartFolder());
            if (folder.isEmpty()) continue;  // back to the question
            RememberFolder(folder);
            return folder;
        }
        if (question.clickedButton() == imageButton) {
            // Discs copied from CD often carry upper-case names.
            const QString image = QFileDialog::getOpenFileName(
                parent, QStringLiteral("选择光盘映像文件"), StartFolder(),
                QStringLiteral("光盘映像 (*.iso *.cue *.bin *.nrg *.img *.ISO *.CUE *.BIN *.NRG *.IMG);;所有文件 (*)"));
            if (image.isEmpty()) continue;
            RememberFolder(QFileInfo(image).absolutePath());
            return image;
        }
        return std::nullopt;
    }
}

std::optional<QString> ChooseDisc() {
    if (auto disc = TheOneDiscFound()) return disc;
    return AskForDisc();
}

}  // namespace app
