#pragma once
// Tests on real media: the real platform (Qt's clock and timers, the libmpv
// media framework) in place for one test, with message boxes and error
// reports recorded instead of shown (a real one would wait for a person), and
// clips made with ffmpeg at test time.
#include "ui/QtPlatform.h"
#include <QString>
#include <QStringList>
#include <vector>

namespace fixture {

class RecordingPlatform : public ui::QtPlatform {
public:
    RecordingPlatform();
    void messageBox(const QString& text, int style, const QString& title) override;
    void errorReport(const QString& text) override;
    std::vector<QString> messages;
    std::vector<QString> errors;
};

// Installs the platform for the scope and puts the previous one back; windows
// deleted later go while it is still in place.
class RealPlatformScope {
public:
    explicit RealPlatformScope(ui::Platform& platform);
    ~RealPlatformScope();
    RealPlatformScope(const RealPlatformScope&) = delete;
    RealPlatformScope& operator=(const RealPlatformScope&) = delete;

private:
    ui::Platform* previous_ = nullptr;
};

// ffmpeg's path, or "" when it is not installed (tests then skip).
QString FfmpegPath();
// Runs ffmpeg quietly with these arguments (output overwritten); true when it
// made the file.
bool RunFfmpeg(const QStringList& args);

}  // namespace fixture
