#include "ui/AppIdentity.h"
#include <QGuiApplication>

namespace ui {

void SetApplicationIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("autorun"));
    QGuiApplication::setDesktopFileName(QStringLiteral("autorun"));
}

}  // namespace ui
