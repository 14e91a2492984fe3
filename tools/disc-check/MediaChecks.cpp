#include "MediaChecks.h"

#include "CheckHelpers.h"

#include "media/MediaFramework.h"
#include "ui/DiscFiles.h"

#include <QSet>
#include <algorithm>
#include <exception>

namespace disccheck {

namespace {

struct Clip {
    QString where;  // section and key
    QString entry;  // disc-relative name
};

// The clips to open, each file once, in the order the configuration names them.
std::vector<Clip> ClipsOf(const DiscReport& r) {
    std::vector<Clip> clips;
    QSet<QString> seen;
    auto add = [&](const QString& where, const QString& entry) {
        if (entry.isEmpty()) return;
        const QString file = ui::FindFirstFile(r.folder + entry);
        if (file.isEmpty()) return;  // missing files are reported by the configuration checks
        const QString key = ui::ResolveDiscPath(r.folder + entry);
        if (seen.contains(key)) return;
        seen.insert(key);
        clips.push_back({where, entry});
    };
    for (const QString& entry : r.header)
        if (IsVideoKind(entry)) add(QStringLiteral("[main] header"), entry);
    for (const MenuEntry& e : r.menu)
        if (e.word != QLatin1String("url") && e.word != QLatin1String("redirect"))
            add(QStringLiteral("[menu] ") + e.key, e.arg);
    for (const QString& entry : r.laster)
        if (IsVideoKind(entry)) add(QStringLiteral("[main] laster"), entry);
    return clips;
}

}  // namespace

void CheckMedia(DiscReport& r) {
    for (const Clip& clip : ClipsOf(r)) {
        const QString path = r.folder + clip.entry;
        try {
            auto graph = media::CreateMpvGraph();
            graph->RenderFile(path);
            if (!(graph->get_Duration() > 0.0))
                AddError(r, clip.where,
                         QStringLiteral("The clip %1 lasts 0 seconds (%2); the player would show nothing. Replace "
                                        "the file with a good copy.")
                             .arg(Quoted(clip.entry), ui::DisplayPath(path)));
        } catch (const std::exception& e) {
            AddError(r, clip.where,
                     QStringLiteral("The clip %1 cannot be played (%2): %3. Replace the file with a good copy.")
                         .arg(Quoted(clip.entry), ui::DisplayPath(path), QString::fromUtf8(e.what())));
        }
    }
    std::stable_sort(r.problems.begin(), r.problems.end(), [](const Problem& a, const Problem& b) {
        return a.severity == Severity::Error && b.severity != Severity::Error;
    });
}

}  // namespace disccheck
