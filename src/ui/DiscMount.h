#pragma once
// The disc image the player reads, when the disc is an image file or a drive
// rather than a folder. Its files appear under one folder-like path, the
// image's own path with a "/" added ("/home/me/课程.iso/"), which becomes the
// application folder: paths built on it read as the user's own file in
// messages ("/home/me/课程.iso/intro/a.wmv"), and every disc access in
// DiscFiles routes such paths into the image. Mounted and read from the
// user-interface thread only; the thread that reads pictures ahead for a
// folder disc (PicturePrefetch.h) only finds that no image is mounted.
#include "disc/DiscImage.h"
#include <QString>
#include <memory>
#include <optional>

namespace ui {

// Makes image the mounted disc, its files appearing under root (a "/" is
// added when missing). Replaces any image mounted before.
void MountImage(std::unique_ptr<disc::Image> image, const QString& root);
void UnmountImage();

// The mounted image, or null when the disc is a folder.
const disc::Image* MountedImage();
// The root under which its files appear, with one trailing "/"; empty when none.
QString MountedRoot();

// True when path (with "/" or "\" separators) lies inside the mounted image;
// inner then gets the path inside it ("" for the root itself).
bool InsideImage(const QString& path, QString* inner);

// What the mounted image holds at path; nothing when path is not inside it.
std::optional<disc::NodeInfo> ImageNode(const QString& path);

}  // namespace ui
