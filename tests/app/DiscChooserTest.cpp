// The disc search behind the disc question: which mounted folders and drives
// count as a disc of this family, and when exactly one is found.
#include "app/DiscChooser.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList FoldersOf(const std::vector<app::MountedDisc>& discs) {
    QStringList folders;
    for (const app::MountedDisc& d : discs) folders.append(d.folder);
    return folders;
}

TEST(DiscChooser, MountScanKeepsRemovablePlacesThatHoldADisc) {
    const QByteArray mounts =
        "sysfs /sys sysfs rw,nosuid 0 0\n"
        "/dev/sda1 / ext4 rw,relatime 0 0\n"
        "/dev/sr0 /media/teacher/LESSON\\040ONE iso9660 ro,nosuid 0 0\n"
        "/dev/sr1 /srv/cd udf ro 0 0\n"
        "/dev/sdb1 /run/media/teacher/STICK vfat rw 0 0\n"
        "/dev/sdc1 /mnt/copy ext4 rw 0 0\n"
        "/dev/sdd1 /media/teacher/PHOTOS vfat rw 0 0\n"
        "server:/home /home nfs rw 0 0\n"
        "broken-line\n"
        "\n";
    QStringList asked;
    const auto discs = app::MountedDiscs(mounts, [&](const QString& folder) {
        asked.append(folder);
        return !folder.endsWith(QLatin1String("PHOTOS"));
    });
    // Nothing but removable places is ever looked into.
    EXPECT_EQ(asked, (QStringList{"/media/teacher/LESSON ONE", "/srv/cd", "/run/media/teacher/STICK", "/mnt/copy",
                                  "/media/teacher/PHOTOS"}));
    EXPECT_EQ(FoldersOf(discs),
              (QStringList{"/media/teacher/LESSON ONE", "/srv/cd", "/run/media/teacher/STICK", "/mnt/copy"}));
    EXPECT_EQ(discs.front().device, QStringLiteral("/dev/sr0"));
}

TEST(DiscChooser, AutorunInfIsFoundInAnyLetterCase) {
    QTemporaryDir disc, other, folderNamedLikeIt;
    QFile inf(disc.filePath("AutoRun.Inf"));
    ASSERT_TRUE(inf.open(QIODevice::WriteOnly));
    inf.close();
    QFile readme(other.filePath("readme.txt"));
    ASSERT_TRUE(readme.open(QIODevice::WriteOnly));
    readme.close();
    ASSERT_TRUE(QDir(folderNamedLikeIt.path()).mkdir("AUTORUN.INF"));
    EXPECT_TRUE(app::HoldsAutorunInf(disc.path()));
    EXPECT_FALSE(app::HoldsAutorunInf(other.path()));
    EXPECT_FALSE(app::HoldsAutorunInf(folderNamedLikeIt.path()));
    EXPECT_FALSE(app::HoldsAutorunInf(disc.filePath("missing")));
}

TEST(DiscChooser, FoundDiscsCountAMountedDriveOnceAndAskDrivesOnlyWhenTold) {
    const std::vector<app::MountedDisc> mounted = {{"/dev/sr0", "/media/cdrom"}};
    const QStringList drives = {"/dev/sr0", "/dev/sr1"};
    QStringList asked;
    const app::DriveCheck ours = [&](const QString& device) {
        asked.append(device);
        return true;
    };
    EXPECT_EQ(app::FoundDiscs(mounted, drives, ours), (QStringList{"/media/cdrom", "/dev/sr1"}));
    EXPECT_EQ(asked, QStringList{"/dev/sr1"});
    EXPECT_EQ(app::FoundDiscs(mounted, drives, {}), QStringList{"/media/cdrom"});
    EXPECT_EQ(app::FoundDiscs({}, drives, [](const QString&) { return false; }), QStringList{});
}

TEST(DiscChooser, OpticalDrivesAreBlockDevicesOnly) {
    QTemporaryDir dev;
    QFile plain(dev.filePath("sr0"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_EQ(app::OpticalDrives(dev.path()), QStringList{});
}

}  // namespace
