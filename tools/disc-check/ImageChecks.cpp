// What only a disc image shows: damage to the image itself (a truncated rip),
// names that only Joliet spells as the configuration does, and Video CD
// (Form 2) files among the files the configuration names.
#include "CheckHelpers.h"

#include "ui/DiscMount.h"

namespace disccheck {

void CheckImage(DiscReport& r) {
    const disc::Image* image = ui::MountedImage();
    if (!image) return;
    for (const disc::ImageProblem& p : image->problems())
        AddError(r, p.path.isEmpty() ? QStringLiteral("image") : p.path,
                 p.message + QStringLiteral(". The image is damaged or cut short; make it again from the disc."));
}

void CheckImageName(DiscReport& r, const QString& where, const QString& entry) {
    const std::optional<disc::NodeInfo> node = ui::ImageNode(r.folder + entry);
    if (!node || !node->exists) return;
    if (node->jolietOnly)
        AddWarning(r, where,
                   QStringLiteral("%1 is found only by its long (Joliet) name; the player finds it, but a copy "
                                  "to a medium without long names breaks it. Give the file a short name too.")
                       .arg(Quoted(entry)));
    if (node->form2)
        AddWarning(r, where,
                   QStringLiteral("%1 is a Video CD (Mode 2 Form 2) file; the player reads it from the image or "
                                  "the drive, but a copy made by reading the disc as plain data loses part of "
                                  "each sector. Copy the disc as an image (BIN/CUE), not file by file.")
                       .arg(Quoted(entry)));
}

}  // namespace disccheck
