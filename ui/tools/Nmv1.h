// The standard atmosphere at an altitude window: air temperature and pressure
// measured at one altitude give temperature, pressure, density and speed of
// sound at another.
#pragma once

#include "platform/forms.h"

class Tnmv : public TForm {
  public:
    Tnmv();

    TEdit *Edit1, *Edit2, *Edit3, *Edit4;
    // The results: temperature, pressure, density, speed of sound.
    TLabel *Label13, *Label14, *Label16, *Label18;
    TButton* Button1;

    // Writes the default pressure with the locale's decimal separator.
    void FormCreate(TObject* Sender);
    // "Compute": refused input shows its message and leaves the results.
    void Button1Click(TObject* Sender);
};

extern Tnmv* nmv;
