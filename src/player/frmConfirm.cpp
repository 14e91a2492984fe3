// The close confirmation: loads its background on every load, highlights an
// answer while the mouse moves over it, clears the highlights when the mouse
// crosses the background, and unloads itself with the answer kept. Enter and
// Esc do nothing; closing it by the window system counts as Cancel because the
// answer starts false on every load.
#include "player/frmConfirm.h"

#include "player/SkinFiles.h"
#include "ui/Picture.h"
#include "ui/StringTable.h"

frmConfirm::frmConfirm(QWidget* parent) : ui::Form(parent), imgOk(this), imgCancel(this) {
    setShowInTaskbar(false);
    // No caption bar shows it, but the window system lists the window by it.
    setCaption(ui::LoadResString(101));
    imgOk.Move(74, 155, 116, 53);
    imgCancel.Move(225, 155, 116, 53);
    imgOk.setMousePointer(ui::vbCustom);
    imgCancel.setMousePointer(ui::vbCustom);

    imgOk.OnClick = [this] { imgOk_Click(); };
    imgCancel.OnClick = [this] { imgCancel_Click(); };
    imgOk.OnMouseMove = [this](int, int, float, float) { imgOk_MouseMove(); };
    imgCancel.OnMouseMove = [this](int, int, float, float) { imgCancel_MouseMove(); };
}

void frmConfirm::Form_Load() {
    ConfirmResult = false;
    setPicture(LoadSkinPicture("image\\CBack.jpg"));
    setWidth(6270);
    setHeight(3975);
}

void frmConfirm::imgOk_Click() {
    ConfirmResult = true;
    Unload();
}

void frmConfirm::imgCancel_Click() {
    ConfirmResult = false;
    Unload();
}

void frmConfirm::imgOk_MouseMove() { imgOk.setPicture(LoadSkinPicture("image\\ok.jpg")); }

void frmConfirm::imgCancel_MouseMove() { imgCancel.setPicture(LoadSkinPicture("image\\cancel.jpg")); }

void frmConfirm::showEvent(QShowEvent* event) {
    if (const QWidget* owner = parentWidget()) {
        const QRect area = owner->window()->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    ui::Form::showEvent(event);
}

// The background takes a highlight away; a button that shows nothing is left
// alone.
void frmConfirm::Form_MouseMove(int, int, float, float) {
    if (!imgOk.picture().isNull()) imgOk.setPicture(ui::Picture());
    if (!imgCancel.picture().isNull()) imgCancel.setPicture(ui::Picture());
}
