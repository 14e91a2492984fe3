#include "player/ShellTarget.h"

#include "startup/DiscConfig.h"
#include "ui/DiscFiles.h"
#include "ui/Platform.h"

ShellTarget ClassifyShellTarget(const QString& target, const QString& appFolder) {
    if (target.trimmed().isEmpty()) return {};
    const QString discPath = appFolder + target;
    if (ui::GetFileAttributes(discPath) != ui::INVALID_FILE_ATTRIBUTES) {
        return {ShellTarget::Kind::DiscFile, discPath};
    }
    if (target.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) {
        return {ShellTarget::Kind::WebAddress, QStringLiteral("http://") + target};
    }
    return {ShellTarget::Kind::AsWritten, target};
}

QString OpenerArgument(const ShellTarget& target) {
    if (target.kind != ShellTarget::Kind::DiscFile) return target.text;
    // A file inside a disc image reaches the opener as a private copy.
    const QString real = ui::OpenerPath(target.text);
    return real.isEmpty() ? ui::ResolveDiscPath(target.text) : real;
}

namespace {

void open(const ShellTarget& target) {
    if (target.kind == ShellTarget::Kind::Nothing) return;
    ui::platform().shellOpen(OpenerArgument(target));
}

}  // namespace

void OpenShellTarget(const QString& target) { open(ClassifyShellTarget(target, startup::AppFolder())); }

void OpenDiscFile(const QString& discPath) { open({ShellTarget::Kind::DiscFile, discPath}); }
