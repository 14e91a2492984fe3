#pragma once
// frmConfirm: the small borderless dialog that asks whether to leave the
// program. The question and both answers are drawn in its background picture;
// two transparent images lie over the drawn answers and act as the buttons.
// The answer belongs to the object, not to its window, so it stays readable
// after the dialog has been unloaded (until the next load resets it).
#include "ui/Controls.h"
#include "ui/Form.h"
#include <cstdint>

class frmConfirm : public ui::Form {
public:
    explicit frmConfirm(QWidget* parent = nullptr);

    // The answer as the runtime's 16-bit boolean: -1 for OK, 0 otherwise.
    int16_t ReturnValue() const { return ConfirmResult ? int16_t(-1) : int16_t(0); }

    // Transparent buttons over the drawn answers (public so that the owner's
    // tests can click them).
    ui::Image imgOk;
    ui::Image imgCancel;

protected:
    void Form_Load() override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;
    // Centred over its owner window each time it is shown.
    void showEvent(QShowEvent* event) override;

private:
    void imgOk_Click();
    void imgCancel_Click();
    void imgOk_MouseMove();
    void imgCancel_MouseMove();

    bool ConfirmResult = false;
};
