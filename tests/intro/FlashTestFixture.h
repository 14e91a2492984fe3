#pragma once
// A disc folder, the simulated platform and a stand-in main window for the
// intro and outro window's scenarios.
#include "intro/frmFlash.h"
#include "startup/DiscConfig.h"
#include "startup/SharedState.h"
#include "startup/WindowOpeners.h"
#include "support/DiscFixture.h"
#include "support/SimMediaGraph.h"
#include "support/SimPlatform.h"
#include "ui/Form.h"
#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <gtest/gtest.h>

class FlashTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetSharedState();
        startup::SetAppFolder(disc.path());
        mainWindowOpened = 0;
        introLoadedAtHandOver = false;
        Openers().openMainWindow = [this] {
            ++mainWindowOpened;
            introLoadedAtHandOver = flash && flash->isLoaded();
            mainWindow.Load();
        };
    }

    void TearDown() override {
        if (flash) flash->Unload();
        mainWindow.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Openers() = WindowOpeners{};
        startup::SetAppFolder(QString());
        ResetSharedState();
    }

    // A clip of the simulated media framework.
    void writeClip(const QString& name, double seconds, int width = 320, int height = 240) {
        sim::writeSimClip(disc.filePath(name), seconds, width, height);
    }

    // Opens the intro window as start-up does.
    frmFlash& playIntro(const QStringList& header) {
        Shared().HeaderFiles = header;
        Shared().HeaderIndex = 0;
        return openFlash(&frmFlash::PlayHeader);
    }

    // Opens a fresh window on the outro list, as closing the main window does.
    frmFlash& playOutro(const QStringList& laster) {
        Shared().LasterFiles = laster;
        Shared().LasterIndex = 0;
        return openFlash(&frmFlash::PlayLaster);
    }

    frmFlash& openFlash(void (frmFlash::*play)()) {
        flash = new frmFlash;
        flash->Load();
        flash->Refresh();
        flash->Show();
        (flash->*play)();
        return *flash;
    }

    // True once the window has unloaded and deleted itself.
    bool flashGone() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return flash.isNull();
    }

    sim::SimPlatform plat;
    fixture::DiscFixture disc;
    ui::Form mainWindow;  // stands in for the main window
    QPointer<frmFlash> flash;
    int mainWindowOpened = 0;
    bool introLoadedAtHandOver = false;
};
