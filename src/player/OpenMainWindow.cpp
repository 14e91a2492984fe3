#include "player/OpenMainWindow.h"

#include "player/mForm.h"
#include "startup/MenuTable.h"
#include "startup/SharedState.h"
#include "ui/Picture.h"

#include <QPointer>

namespace {

// The form may delete itself after it unloads; QPointer notices.
QPointer<mForm>& instance() {
    static QPointer<mForm> form;
    return form;
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
    mForm& form = MainForm();
    form.Load();
    form.Refresh();
    form.Show();
    startup::ReadFaceList();
    const QString facePath = startup::FirstFacePath();
    form.picPlay.setPicture(ui::LoadPicture(facePath));
    form.setArrow();
    form.SetEnable(false);
}
