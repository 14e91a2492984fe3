#pragma once
// A disc with a skin, two menu pages and a few lessons, the simulated platform,
// and the main window opened on it as start-up opens it.
//
// Page 1 (items 1-7), each item 260 x 40 pixels, one under the other:
//   1 redirect,2   2 lesson a.wmv (4 s)   3 lesson missing.wmv (absent)
//   4 lesson damaged.wmv (no clip)   5 lesson sound.wmv (sound, no picture)
//   6 header (replays the intro list)   7 lesson b.wmv (2 s)
// Page 2 (item 8): redirect,1.
#include "player/OpenMainWindow.h"
#include "player/mForm.h"
#include "slider/Progressbar.h"
#include "startup/DiscConfig.h"
#include "startup/MenuTable.h"
#include "startup/SharedState.h"
#include "support/DiscFixture.h"
#include "support/SimMediaGraph.h"
#include "support/SimPlatform.h"
#include "support/SkinFixture.h"
#include <QCoreApplication>
#include <QStringList>
#include <gtest/gtest.h>

class MainWindowTest : public ::testing::Test {
protected:
    static constexpr int kItemLeft = 40;
    static constexpr int kItemRight = 300;
    static int itemTop(int n) { return 100 + 60 * ((n - 1) % 7); }

    MainWindowTest() {
        fixture::writeSkin(disc);
        disc.writePicture(QStringLiteral("face1.jpg"), 528, 432, QColor(200, 30, 30));
        disc.writePicture(QStringLiteral("face2.jpg"), 528, 432, QColor(30, 30, 200));
        fixture::IniBuilder ini;
        ini.section(QStringLiteral("main"))
            .key(QStringLiteral("header"), QString())
            .key(QStringLiteral("laster"), QString())
            .key(QStringLiteral("face"), QStringLiteral("face1.jpg,face2.jpg"))
            .key(QStringLiteral("newloop"), QStringLiteral("1-7,8-8"))
            .section(QStringLiteral("menu"));
        const char* actions[] = {"redirect,2",         "lesson,unit1\\a.wmv", "lesson,missing.wmv",
                                 "lesson,damaged.wmv", "lesson,sound.wmv",    "header",
                                 "lesson,unit1\\b.wmv", "redirect,1"};
        for (int n = 1; n <= 8; ++n) {
            ini.line(QStringLiteral("%1list=%2,%3,%4,%5,#%6")
                         .arg(n)
                         .arg(kItemLeft)
                         .arg(itemTop(n))
                         .arg(kItemRight)
                         .arg(itemTop(n) + 40)
                         .arg(QString::fromLatin1(actions[n - 1])));
        }
        disc.writeIni(ini.bytes());
        disc.mkdir(QStringLiteral("unit1"));
        clip(QStringLiteral("unit1\\a.wmv"), 4.0);
        clip(QStringLiteral("unit1\\b.wmv"), 2.0);
        disc.write(QStringLiteral("damaged.wmv"), QByteArray("\x30\x26\xB2\x75 not a clip", 16));
        sim::writeSimClip(disc.filePath(QStringLiteral("sound.wmv")), 3.0, 0, 0, false, true);
    }

    void SetUp() override {
        ResetSharedState();
        startup::SetAppFolderForTests(disc.path());
    }

    void TearDown() override {
        DestroyMainForm();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        startup::SetAppFolderForTests(QString());
        ResetSharedState();
    }

    void clip(const QString& name, double seconds) { sim::writeSimClip(disc.filePath(name), seconds); }

    // The shared state as start-up leaves it, then the main window opened on
    // page 1. `header` is the intro list, all presented by the intro window.
    mForm& open(const QStringList& header = {}) {
        SharedState& s = Shared();
        s.IniFile = startup::AppFolder() + QStringLiteral("AUTORUN.INF");
        s.HeaderFiles = header.isEmpty() ? QStringList{QString()} : header;
        s.HeaderIndex = static_cast<int16_t>(header.size());
        s.LasterFiles = QStringList{QString()};
        s.FaceFiles = QStringList{QString()};
        startup::ReadMenuTable();
        OpenMainWindow();
        return MainForm();
    }

    // Moves the mouse onto item n of the page shown and clicks it.
    void clickItem(mForm& form, int n) {
        form.picPlay_MouseMove(0, 0, (kItemLeft + kItemRight) / 2.0f, itemTop(n) + 20.0f);
        form.picPlay_Click();
    }

    // The simulated graph of the window's player (nullptr when none).
    static sim::SimMediaGraph* graph() { return sim::lastSimGraph(); }

    // True when picPlay shows the picture of menu page `page`.
    static bool showsPage(mForm& form, int page) {
        const QImage& image = form.picPlay.picture().image();
        if (image.isNull()) return false;
        const QColor c = image.pixelColor(10, 10);
        return page == 1 ? c.red() > 150 && c.blue() < 80 : c.blue() > 150 && c.red() < 80;
    }

    // The menu condition: no player, transport off, seek bar hidden.
    static void expectMenu(mForm& form, int page = 1) {
        EXPECT_EQ(form.Player, nullptr);
        EXPECT_TRUE(showsPage(form, page));
        EXPECT_FALSE(form.Timer1.Enabled());
        EXPECT_FALSE(form.imgPlay.Enabled());
        EXPECT_FALSE(form.imgStop.Enabled());
        EXPECT_FALSE(form.Progressbar1.CanMove());
        EXPECT_FALSE(form.Volumer.CanMove());
        EXPECT_TRUE(form.Progressbar1.isHidden());
        EXPECT_EQ(form.WindowState(), 0);
        EXPECT_EQ(sim::liveSimGraphs(), 0);
    }

    sim::SimPlatform plat;
    fixture::DiscFixture disc;
};
