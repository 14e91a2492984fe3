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

void Open(const std::function<void()>& opener, const char* which) {
    if (!opener) throw ui::RuntimeError(QStringLiteral("No %1 to open").arg(QLatin1String(which)));
    opener();
}

}  // namespace

bool ReadStartUpLists() {
    SharedState& s = Shared();
    s.IniFile = AppFolder() + QStringLiteral("AUTORUN.INF");
    const QString header = ReadIniString(QStringLiteral("main"), QStringLiteral("header"), s.IniFile);
    const QString laster = ReadIniString(QStringLiteral("main"), QStringLiteral("laster"), s.IniFile);
    s.HeaderFiles = header.isEmpty() ? QStringList{QString()} : SplitList(header);
    s.LasterFiles = laster.isEmpty() ? QStringList{QString()} : SplitList(laster);
    s.LasterIndex = 0;
    s.FaceFiles = QStringList{QString()};
    return !header.isEmpty();
}

// A folder with nothing but the directory attribute counts as missing; one with
// further attribute bits (read-only, hidden) passes.
bool IsIntroFileMissing(const QString& path) {
    const int32_t attributes = ui::GetFileAttributes(ui::ResolveDiscPath(path));
    return attributes == ui::INVALID_FILE_ATTRIBUTES || attributes == ui::FILE_ATTRIBUTE_DIRECTORY;
}

std::optional<QString> FirstMissingIntroFile() {
    for (const QString& entry : Shared().HeaderFiles) {
        const QString path = AppFolder() + entry;
        if (IsIntroFileMissing(path)) return path;  // later entries are not looked at
    }
    return std::nullopt;
}

QString MissingIntroMessage(const QString& path) {
    return ui::LoadResString(102) + QStringLiteral("\r\n") + ui::DisplayPath(path) + QStringLiteral("，请插入光盘重试。");
}

StartUpOutcome StartUp() {
    const bool introConfigured = ReadStartUpLists();
    if (introConfigured) {
        if (const auto missing = FirstMissingIntroFile()) {
            ui::MsgBox(MissingIntroMessage(*missing), ui::vbCritical, ui::LoadResString(103));
            return StartUpOutcome::MissingIntroFile;
        }
    }
    ReadMenuTable();

    if (introConfigured) {
        Shared().HeaderIndex = 0;
        Open(Openers().openIntro, "intro window");
        return StartUpOutcome::IntroOpened;
    }
    Open(Openers().openMainWindow, "main window");
    return StartUpOutcome::MainWindowOpened;
}

}  // namespace startup
