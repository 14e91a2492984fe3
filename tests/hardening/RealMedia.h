#pragma once
// The real platform for whole-player runs on real media: Qt's clock, timers
// and event loop with the libmpv media framework, short clips made by ffmpeg
// at test time, and the parts a person would answer (message boxes, the
// closing question, the error report, the program's end) recorded instead.
#include "hardening/PlayerRun.h"
#include "ui/QtPlatform.h"
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <map>
#include <optional>
#include <vector>

namespace hardening {

class RecordingPlatform : public ui::QtPlatform {
public:
    // Installs itself as the platform; the destructor puts the previous back.
    RecordingPlatform();
    ~RecordingPlatform() override;

    void messageBox(const QString& text, int style, const QString& title) override;
    void errorReport(const QString& text) override;
    // The closing question is answered with OK.
    void runModal(ui::Form& form) override;
    void endProcess(int code) override;

    std::vector<QString> messages;
    std::vector<QString> errors;
    std::optional<int> exitCode;

private:
    ui::Platform* previous_ = nullptr;
};

// Waits on the wall clock, the event loop running.
PlayerRun::Wait wallClockWait();

// Short clips (0.4 s, picture and sound) made once by ffmpeg: "wmv" (ASF with
// WMV2 and WMA2), "mpg" (MPEG-1 program stream), "dat" (a video CD track).
class ShortClips {
public:
    // The path of the clip of that kind; throws std::runtime_error when ffmpeg
    // fails.
    QString path(const QString& kind);
    QByteArray bytes(const QString& kind);
    static bool available();  // ffmpeg is installed

private:
    QTemporaryDir dir_;
    std::map<QString, QString> made_;
};

}  // namespace hardening
