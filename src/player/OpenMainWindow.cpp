#include "player/OpenMainWindow.h"

#include "player/mForm.h"
#include "startup/DiscConfig.h"
#include "startup/MenuTable.h"
#include "startup/SharedState.h"
#include "ui/Picture.h"
#include "ui/PicturePrefetch.h"

#include <QPointer>
#include <optional>

namespace {

// The form may delete itself after it unloads; QPointer notices.
QPointer<mForm>& instance() {
    static QPointer<mForm> form;
    return form;
}

// What the window reads before its first paint: its skin, then the first
// menu page.
QStringList picturesBeforeFirstPaint() {
    QStringList paths = mForm::PicturesOfLoad();
    const QStringList faces = startup::ReadFaceFiles();
    if (!faces.isEmpty()) paths << startup::AppFolder() + faces.front();
    return paths;
}

}  // namespace

mForm& MainForm() {
    if (instance().isNull()) {
        instance() = new mForm();
    }
    return *instance();
}

bool MainFormExists() { return !instance().isNull(); }

void DestroyMainForm() {
    delete instance().data();
    instance() = nullptr;
}

void OpenMainWindow() {
    // A window made for the first time has its pictures read and decoded on
    // a second thread while its controls are made and shown.
    std::optional<ui::PicturePrefetch> prefetch;
    if (!MainFormExists()) prefetch.emplace(picturesBeforeFirstPaint());
    mForm& form = MainForm();
    // The captions' fonts are loaded now, while that thread reads the first
    // pictures the load asks for, rather than in the first paint: the work
    // fills time the load would spend waiting (about 3 ms sooner to the
    // first paint; bench/README.md).
    if (prefetch) {
        for (const ui::Label* caption : {&form.Label1, &form.Label2, &form.Label3, &form.Label4})
            caption->prepareFont();
    }
    form.Load();
    form.Refresh();
    form.Show();
    startup::ReadFaceList();
    const QString facePath = startup::FirstFacePath();
    form.picPlay.setPicture(ui::LoadPicture(facePath));
    form.setArrow();
    form.SetEnable(false);
}
