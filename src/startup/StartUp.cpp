#include "startup/StartUp.h"

#include "startup/DiscConfig.h"
#include "startup/MenuTable.h"
#include "startup/SharedState.h"
#include "startup/WindowOpeners.h"
#include "ui/DiscFiles.h"
#include "ui/Errors.h"
#include "ui/MessageBox.h"
#include "ui/StringTable.h"

namespace startup {

namespace {

// A folder with nothing but the directory attribute counts as missing; one with
// further attribute bits (read-only, hidden) passes.
bool IsMissing(const QString& path) {
    const int32_t attributes = ui::GetFileAttributes(ui::ResolveDiscPath(path));
    return attributes == ui::INVALID_FILE_ATTRIBUTES || attributes == ui::FILE_ATTRIBUTE_DIRECTORY;
}

void ReportMissing(const QString& path) {
    ui::MsgBox(ui::LoadResString(102) + QStringLiteral("\r\n") + ui::DisplayPath(path) +
                   QStringLiteral("，请插入光盘重试。"),
               ui::vbCritical, ui::LoadResString(103));
}

void Open(const std::function<void()>& opener, const char* which) {
    if (!opener) throw ui::RuntimeError(QStringLiteral("No %1 to open").arg(QLatin1String(which)));
    opener();
}

}  // namespace

StartUpOutcome StartUp() {
    SharedState& s = Shared();
    s.IniFile = AppFolder() + QStringLiteral("AUTORUN.INF");
    const QString header = ReadIniString(QStringLiteral("main"), QStringLiteral("header"), s.IniFile);
    const QString laster = ReadIniString(QStringLiteral("main"), QStringLiteral("laster"), s.IniFile);

    s.HeaderFiles = QStringList{QString()};
    if (!header.isEmpty()) {
        s.HeaderFiles = SplitList(header);
        for (const QString& entry : s.HeaderFiles) {
            const QString path = AppFolder() + entry;
            if (IsMissing(path)) {
                ReportMissing(path);
                return StartUpOutcome::MissingIntroFile;
            }
        }
    }

    s.LasterFiles = QStringList{QString()};
    if (!laster.isEmpty()) s.LasterFiles = SplitList(laster);
    s.LasterIndex = 0;
    s.FaceFiles = QStringList{QString()};
    ReadMenuTable();

    if (!header.isEmpty()) {
        s.HeaderIndex = 0;
        Open(Openers().openIntro, "intro window");
        return StartUpOutcome::IntroOpened;
    }
    Open(Openers().openMainWindow, "main window");
    return StartUpOutcome::MainWindowOpened;
}

}  // namespace startup
