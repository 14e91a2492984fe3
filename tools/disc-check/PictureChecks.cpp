// The pictures the player loads: the menu pages, the skin of the main window,
// its sliders, its dialog and its cursor, and the black picture of the intro
// window.
#include "CheckHelpers.h"
#include "SkinFiles.h"

#include "ui/DiscFiles.h"
#include "ui/Errors.h"
#include "ui/Picture.h"

#include <QFileInfo>

namespace disccheck {

namespace {

// The reason the picture cannot be loaded, or "" when it can.
QString LoadProblem(const QString& path) {
    try {
        if (ui::LoadPicture(path).isNull()) return QStringLiteral("it decodes to nothing");
        return {};
    } catch (const ui::RuntimeError& error) {
        return error.text();
    }
}

// True when a video follows a picture in an intro or outro list: the intro
// window then holds image\black.jpg behind the video.
bool VideoFollowsPicture(const QStringList& list) {
    bool picture = false;
    for (const QString& entry : list) {
        if (IsPictureKind(entry)) picture = true;
        else if (picture && IsVideoKind(entry)) return true;
    }
    return false;
}

void CheckMenuPictures(DiscReport& r) {
    const QString where = QStringLiteral("[main] face");
    if (r.face.isEmpty()) {
        AddError(r, where,
                 QStringLiteral("The face list is empty, so there is no menu picture; the main window cannot open. "
                                "List one picture per menu page."));
        return;
    }
    for (int i = 0; i < r.face.size(); ++i) {
        const QString& entry = r.face[i];
        const QString problem = LoadProblem(r.folder + entry);
        if (!problem.isEmpty()) {
            AddError(r, where,
                     QStringLiteral("The picture of page %1, %2, cannot be loaded (%3); %4. Add a .jpg, .gif or "
                                    ".bmp file of that name.")
                         .arg(i + 1)
                         .arg(Quoted(entry), problem,
                              i == 0 ? QStringLiteral("the main window cannot open")
                                     : QStringLiteral("showing the page would end the player")));
        } else {
            WarnIfCaseOnly(r, where, entry);
        }
    }
}

void CheckSkin(DiscReport& r) {
    if (!ui::IsDiscFolder(r.folder + QStringLiteral("image"))) {
        AddError(r, QStringLiteral("image\\"),
                 QStringLiteral("The skin folder is missing: the main window, its buttons, sliders, cursor and close "
                                "dialog read their pictures from it, so the player ends as soon as the menu would "
                                "open. Copy the image folder onto the disc."));
        return;
    }
    for (const SkinFile& file : PlayerSkinFiles()) {
        const QString name = QString::fromLatin1(file.name);
        const QString problem = LoadProblem(r.folder + name);
        if (!problem.isEmpty())
            AddError(r, name,
                     QStringLiteral("The picture of %1 cannot be loaded (%2); the player ends when it needs it. Add "
                                    "the file.")
                         .arg(QString::fromLatin1(file.usedBy), problem));
    }
    const bool introNeedsBlack = r.header.value(0).isEmpty() ? false : VideoFollowsPicture(r.header);
    if (introNeedsBlack || VideoFollowsPicture(r.laster)) {
        const QString name = QStringLiteral("image\\black.jpg");
        const QString problem = LoadProblem(r.folder + name);
        if (!problem.isEmpty())
            AddError(r, name,
                     QStringLiteral("The intro window shows this picture behind a video that follows a picture, but "
                                    "it cannot be loaded (%1). Add the file.")
                         .arg(problem));
    }
}

}  // namespace

void CheckPictures(DiscReport& r) {
    CheckMenuPictures(r);
    CheckSkin(r);
}

}  // namespace disccheck
