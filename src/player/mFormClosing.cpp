// mForm: closing. Every request to close the main window, whatever its cause,
// asks first in the modal frmConfirm. On OK the outro starts before the window
// unloads and releases its player; on Cancel nothing changes. The window's
// timer and the playing file go on behind the dialog.
#include "player/frmConfirm.h"
#include "player/mForm.h"

#include "startup/WindowOpeners.h"

void mForm::Image3_Click() {
    Unload();
}

void mForm::Form_QueryUnload(int& Cancel, int /*UnloadMode*/) {
    // A new dialog for every request; its answer stays readable once it has
    // unloaded itself.
    frmConfirm confirm;
    confirm.Show(1, this);
    if (confirm.ReturnValue() == -1) {
        Openers().playOutro();
        return;
    }
    Cancel = 1;
}

void mForm::Form_Unload(int& /*Cancel*/) {
    // Releasing the player ends the file without a stop; the outro already
    // plays in its own window.
    Player.reset();
    // An unloaded window's timer ticks no more.
    Timer1.setEnabled(false);
}
