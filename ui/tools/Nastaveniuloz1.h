// The save options: the optional columns of the saved table and the kind of
// file. The choices stay as the user leaves them until the program ends.
#pragma once

#include "platform/forms.h"

class Tnastaveniuloz : public TForm {
  public:
    Tnastaveniuloz();

    TGroupBox* GroupBox1;
    TCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4, *CheckBox5, *CheckBox6, *CheckBox7,
        *CheckBox8;
    TButton* Button1;
    TRadioGroup* RadioGroup1;
    TCheckBox *CheckBox9, *CheckBox10;

    // The box that "Continue" ticks: the calculator window's hidden go-ahead
    // flag, handed over by "Save" before it shows this window.
    TCheckBox* ContinueMark = nullptr;

    // "Continue": ticks the go-ahead flag and closes the window.
    void Button1Click(TObject* Sender);
};

extern Tnastaveniuloz* nastaveniuloz;
