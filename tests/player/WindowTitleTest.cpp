// Every window's title is exactly the program's own text, and the desktop
// gets an application name without a display name that the window system
// would append to each title (on X11 and Wayland Qt appends one when set).
#include "MainWindowFixture.h"
#include "intro/frmFlash.h"
#include "player/frmConfirm.h"
#include "ui/AppIdentity.h"
#include "ui/StringTable.h"
#include <QGuiApplication>
#include <QPointer>

TEST(ApplicationIdentity, NamesTheApplicationAndSetsNoDisplayName) {
    const QString before = QCoreApplication::applicationName();
    ui::SetApplicationIdentity();
    EXPECT_EQ(QCoreApplication::applicationName(), "autorun");
    EXPECT_EQ(QGuiApplication::desktopFileName(), "autorun");
    // A display name set by the program would stay put; an unset one follows
    // the application name.
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "probe");
    QCoreApplication::setApplicationName(before);
}

TEST_F(MainWindowTest, EveryWindowIsTitledWithTheProductTitle) {
    const QString product = ui::LoadResString(101);
    mForm& form = open();
    EXPECT_EQ(form.windowTitle(), product);

    frmConfirm confirm(&form);
    confirm.Load();
    EXPECT_EQ(confirm.windowTitle(), product);
    confirm.Unload();

    QPointer<frmFlash> flash = new frmFlash;
    EXPECT_EQ(flash->windowTitle(), product);
    delete flash.data();
}
