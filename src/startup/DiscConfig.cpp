#include "startup/DiscConfig.h"

#include "ui/DiscFiles.h"

#include <QHash>

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

namespace {

struct CachedProfile {
    ui::FileStamp stamp;
    std::shared_ptr<const Profile> profile;
};

// By disc path as asked for; a player reads one configuration file, tools and
// tests a few.
QHash<QString, CachedProfile>& ProfileCache() {
    static QHash<QString, CachedProfile> cache;
    return cache;
}

}  // namespace

std::shared_ptr<const Profile> ReadProfile(const QString& file) {
    auto& cache = ProfileCache();
    ui::FileStamp stamp;
    if (!ui::GetFileStamp(ui::ResolveDiscPath(file), stamp)) {
        cache.remove(file);
        static const auto noFile = std::make_shared<const Profile>();
        return noFile;
    }
    if (const auto it = cache.constFind(file);
        it != cache.constEnd() && it->stamp == stamp)
        return it->profile;
    auto profile = std::make_shared<const Profile>(ReadConfigFile(file));
    if (cache.size() >= 8) cache.clear();
    cache.insert(file, CachedProfile{stamp, profile});
    return profile;
}

ProfileString ReadIniValue(const QString& section, const QString& key, const QString& file) {
    return ReadProfile(file)->value(section, key);
}

QString ReadIniString(const QString& section, const QString& key, const QString& file) {
    return ReadIniValue(section, key, file).text;
}

ProfileSection ReadIniSectionText(const QString& section, const QString& file) {
    return ReadProfile(file)->section(section);
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
