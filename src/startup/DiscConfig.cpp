#include "startup/DiscConfig.h"

#include "ui/DiscFiles.h"

#include <QFileInfo>

namespace startup {

namespace {
QString& AppFolderOverride() {
    static QString folder;
    return folder;
}
}  // namespace

QString AppFolder() {
    const QString& forced = AppFolderOverride();
    return forced.isEmpty() ? ui::ExecutableFolder() : forced;
}

void SetAppFolder(const QString& folder) {
    QString f = folder;
    if (!f.isEmpty() && !f.endsWith(QLatin1Char('/')) && !f.endsWith(QLatin1Char('\\')))
        f += QLatin1Char('/');
    AppFolderOverride() = f;
}

QByteArray ReadConfigFile(const QString& file) {
    const QString onDisk = ui::ResolveDiscPath(file);
    if (!ui::IsDiscFile(onDisk)) return {};
    QByteArray bytes;
    if (!ui::ReadWholeFile(onDisk, bytes)) return {};
    return bytes;
}

ProfileString ReadIniValue(const QString& section, const QString& key, const QString& file) {
    return ProfileGetString(ReadConfigFile(file), section, key);
}

QString ReadIniString(const QString& section, const QString& key, const QString& file) {
    return ReadIniValue(section, key, file).text;
}

ProfileSection ReadIniSectionText(const QString& section, const QString& file) {
    return ProfileGetSection(ReadConfigFile(file), section);
}

QString ReadIniSection(const QString& section, const QString& file) {
    return ReadIniSectionText(section, file).text;
}

QString FileExtension(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return (dot < 0 ? path : path.mid(dot + 1)).toLower();
}

QStringList SplitList(const QString& value) {
    if (value.isEmpty()) return {};
    return value.split(QLatin1Char(','), Qt::KeepEmptyParts);
}

}  // namespace startup
