// The projectile energy figures window: from velocity, weight and diameter,
// each typed in SI or imperial units, the energy, momentum, IPSC factor,
// specific energy and sectional density in both unit systems.
#pragma once

#include "platform/forms.h"

class Tenergie : public TForm {
  public:
    // The calculator window must exist: its values are copied once, here.
    Tenergie();

    // Velocity, weight, diameter, and whether each is in SI units.
    TEdit *Edit1, *Edit2, *Edit3;
    TCheckBox *CheckBox1, *CheckBox2, *CheckBox3;
    // The unit labels of the three inputs.
    TLabel *Label5, *Label4, *Label19;
    // SI figures: energy, momentum, IPSC factor, specific energy, sectional density.
    TLabel *Label1, *Label10, *Label11, *Label14, *Label16;
    // Imperial figures: energy, momentum, specific energy, sectional density.
    TLabel *Label21, *Label22, *Label23, *Label24;
    TButton* Button1;

    // Copies the calculator window's velocity, weight and diameter.
    void FormCreate(TObject* Sender);
    // "Compute": refused input shows its message and leaves the figures.
    void Button1Click(TObject* Sender);
    // The unit label follows its check box; the number is not converted.
    void CheckBox1Click(TObject* Sender);
    void CheckBox2Click(TObject* Sender);
    void CheckBox3Click(TObject* Sender);
};

extern Tenergie* energie;
