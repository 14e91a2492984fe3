#pragma once
// A disc with three menu pages for the main window's menu, skin and closing
// tests, the window opened on page 1 on the simulated platform, and mouse
// events sent to the widgets as the window system sends them.
//
// The arrow picture is 24 x 20. Items (in picPlay pixels):
//   page 1 (1-5): 1 redirect to page 2; 2 and 3 lessons whose rectangles
//                 overlap; 4 url; 5 header (replays the intro list)
//   page 2 (6-7): 6 laster with a file; 7 a lesson whose file is missing
//   item 8 lies in no page's range
//   page 3 (9-11): 9 exactly as tall as the arrow; 10 with the same top as 9;
//                 11 taller, lower
#include "player/OpenMainWindow.h"
#include "player/mForm.h"
#include "startup/DiscConfig.h"
#include "startup/MenuTable.h"
#include "startup/SharedState.h"
#include "startup/WindowOpeners.h"
#include "support/DiscFixture.h"
#include "support/SimMediaGraph.h"
#include "support/SimPlatform.h"
#include "support/SkinFixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace menutest {

inline QByteArray discIni() {
    return fixture::IniBuilder()
        .section("main")
        .key("header", "intro1.wmv,intro2.wmv")
        .key("laster", "outro.wmv")
        .key("face", "page1.jpg,page2.jpg,page3.jpg")
        .key("newloop", "1-5,6-7,9-11")
        .section("menu")
        .line("1list=40,100,300,140,#redirect,2")
        .line("2list=40,160,300,200,#lesson,unit1\\a.wmv")
        .line("3list=200,180,400,240,#lesson,unit1\\b.wmv")
        .line("4list=40,260,300,300,#url,http://example.com/x.htm")
        .line("5list=40,320,300,360,#header")
        .line("6list=40,100,300,140,#laster,outro.wmv")
        .line("7list=40,160,300,200,#lesson,missing.wmv")
        .line("8list=400,300,500,400,#url,never")
        .line("9list=100,50,200,70,#lesson,unit1\\a.wmv")
        .line("10list=300,50,400,90,#lesson,unit1\\b.wmv")
        .line("11list=100,150,200,190,#lesson,unit1\\a.wmv")
        .section("navigate")
        .key("donghua", "anim\\index.htm")
        .bytes();
}

// Mouse events in the runtime's terms, sent straight to a widget.
inline void sendMouse(QWidget& w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(at), QPointF(w.mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}
inline void moveOver(QWidget& w, QPoint at = {2, 2}, Qt::MouseButtons held = Qt::NoButton) {
    sendMouse(w, QEvent::MouseMove, at, Qt::NoButton, held);
}
inline void press(QWidget& w, QPoint at = {2, 2}, Qt::MouseButton button = Qt::LeftButton) {
    sendMouse(w, QEvent::MouseButtonPress, at, button, button);
}
inline void release(QWidget& w, QPoint at = {2, 2}, Qt::MouseButton button = Qt::LeftButton) {
    sendMouse(w, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}
inline void click(QWidget& w, QPoint at = {2, 2}) {
    press(w, at);
    release(w, at);
}

class MenuWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        fixture::writeSkin(disc);
        disc.writeIni(discIni());
        for (const char* face : {"page1.jpg", "page2.jpg", "page3.jpg"}) {
            disc.writePicture(QString::fromLatin1(face), 528, 432, QColor(20, 40 * (face[4] - '0'), 60));
        }
        disc.mkdir("unit1");
        for (const char* clip : {"intro1.wmv", "intro2.wmv", "unit1/a.wmv", "unit1/b.wmv", "outro.wmv"}) {
            sim::writeSimClip(disc.filePath(QString::fromLatin1(clip)), 10.0);
        }
        startup::SetAppFolderForTests(disc.path());
        ResetSharedState();
        SharedState& s = Shared();
        s.IniFile = startup::AppFolder() + "AUTORUN.INF";
        s.HeaderFiles = startup::SplitList(startup::ReadIniString("main", "header", s.IniFile));
        s.LasterFiles = startup::SplitList(startup::ReadIniString("main", "laster", s.IniFile));
        // As the intro window leaves it once the whole list has played.
        s.HeaderIndex = static_cast<int16_t>(s.HeaderFiles.size());
        startup::ReadMenuTable();

        Openers().playOutro = [this] {
            ++outrosStarted;
            playerAliveAtOutro = MainFormExists() && MainForm().Player != nullptr;
        };
        OpenMainWindow();
    }

    void TearDown() override {
        DestroyMainForm();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Openers() = WindowOpeners{};
        startup::SetAppFolderForTests(QString());
        ResetSharedState();
    }

    mForm& w() { return MainForm(); }

    // Moves the mouse over picPlay at a point of its own pixels.
    void hover(int x, int y) { moveOver(w().picPlay, QPoint(x, y)); }
    QPoint arrow() { return w().imgTag.pos(); }

    sim::SimPlatform sim;
    fixture::DiscFixture disc;
    int outrosStarted = 0;
    bool playerAliveAtOutro = false;
};

}  // namespace menutest
