#include "DiscReport.h"

#include "CheckHelpers.h"

#include "startup/DiscConfig.h"
#include "startup/SharedState.h"

#include <algorithm>

namespace disccheck {

int DiscReport::count(Severity severity) const {
    return static_cast<int>(std::count_if(problems.begin(), problems.end(),
                                          [severity](const Problem& p) { return p.severity == severity; }));
}

const MenuEntry* DiscReport::item(const QString& key) const {
    const auto it = menuIndex.constFind(key.toCaseFolded());
    return it == menuIndex.constEnd() ? nullptr : &menu[static_cast<size_t>(*it)];
}

DiscReport CheckDisc(const QString& folder) {
    startup::SetAppFolder(folder);
    ResetSharedState();
    DiscReport r;
    r.folder = startup::AppFolder();
    CheckConfiguration(r);
    CheckMenuPages(r);
    CheckPictures(r);
    CheckImage(r);
    // Errors first, each kind in the order found.
    std::stable_sort(r.problems.begin(), r.problems.end(),
                     [](const Problem& a, const Problem& b) { return a.severity == Severity::Error && b.severity != Severity::Error; });
    ResetSharedState();
    return r;
}

}  // namespace disccheck
