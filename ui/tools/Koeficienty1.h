// The conversion of form factor and ballistic coefficient between drag functions window.
#pragma once

#include "platform/forms.h"

class Tkoeficienty : public TForm {
  public:
    Tkoeficienty();

    TRadioGroup* RadioGroup1;
    TGroupBox* GroupBox15;
    TLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label15, *Label17, *Label21, *Label25,
        *Label75;
    TEdit *Edit1, *Edit2, *Edit3, *Edit4;
    TComboBox* ComboBox1;
    TButton *Button1, *Button2;
    TMemo* Memo1;

    // "Convert": the bullet's form factor and ballistic coefficient relative
    // to each of the eleven built-in functions, appended to Memo1. Computes
    // with its own values; the engine's records stay as they are.
    void Button1Click(TObject* Sender);
    // "Conversion Modes": the caption and unit of Edit1.
    void RadioGroup1Click(TObject* Sender);
    // "Clear": empties Memo1.
    void Button2Click(TObject* Sender);
    // Takes the mode, the bullet and the drag function from the calculator window.
    void FormActivate(TObject* Sender);
};

// The drag coefficient of built-in function `item` (1..11, the rows of the
// drag tables) at v m/s, on the straight line between the tabulated points
// around v; at a tabulated velocity it is that point's coefficient. v must lie
// in (0, 1700]; a row without a function (GL) gives 0.
double InterpolateDragCoefficient(int item, double v);

extern Tkoeficienty* koeficienty;
