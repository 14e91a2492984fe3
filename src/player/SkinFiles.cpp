#include "player/SkinFiles.h"

#include "startup/DiscConfig.h"
#include "startup/SharedState.h"
#include "ui/Errors.h"

ui::Picture LoadSkinPicture(const QString& name) {
    return ui::LoadPicture(startup::AppFolder() + name);
}

ui::Picture LoadMenuPage(int16_t page) {
    const QStringList& faces = Shared().FaceFiles;
    if (page < 1 || page > faces.size()) {
        throw ui::RuntimeError(QStringLiteral("Menu page %1 has no picture: the [main] face value of the disc "
                                              "configuration names %2 picture(s).")
                                   .arg(page)
                                   .arg(faces.size()));
    }
    return LoadSkinPicture(faces[page - 1]);
}
