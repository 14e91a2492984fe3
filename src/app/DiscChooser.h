#pragma once
// Which disc to play when none is given and the player's own folder is no
// disc (started from the application menu): the one disc of this family that
// is mounted or in a drive, else the one the user chooses.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace app {

// True when the folder holds an AUTORUN.INF in any letter case.
bool HoldsAutorunInf(const QString& folder);

struct MountedDisc {
    QString device;  // as the mounts file names it ("/dev/sr0")
    QString folder;  // the mount point
};

// The mount points in the text of a mounts file (/proc/self/mounts: "device
// folder type options 0 0", with octal escapes such as "\040" for a space)
// that may hold a disc and pass isDisc. Only removable places are looked at:
// optical filesystems (iso9660, udf) anywhere, and any filesystem under
// /media, /run/media or /mnt; so no system or network folder is ever listed.
std::vector<MountedDisc> MountedDiscs(const QByteArray& mountsText,
                                      const std::function<bool(const QString& folder)>& isDisc);

// "Is the disc in this drive one of ours": filled in by the disc reading,
// which can look into a drive without mounting it. Unset, drives are passed
// over.
using DriveCheck = std::function<bool(const QString& device)>;
DriveCheck& DriveHoldsOurDisc();

// The optical drives: the /dev/sr* block devices under devFolder.
QStringList OpticalDrives(const QString& devFolder = QStringLiteral("/dev"));

// Every disc of this family that can be played without asking: the mounted
// ones (their folders), then the drives whose disc is one of ours and that
// are not mounted already (their devices).
QStringList FoundDiscs(const std::vector<MountedDisc>& mounted, const QStringList& drives,
                       const DriveCheck& driveCheck);

// The one disc found on this machine, when there is exactly one.
std::optional<QString> TheOneDiscFound();

// Asks for a disc folder or an image file; nothing when cancelled. The folder
// last used is remembered.
std::optional<QString> AskForDisc(QWidget* parent = nullptr);

// TheOneDiscFound, else AskForDisc.
std::optional<QString> ChooseDisc();

}  // namespace app
