// The muzzle velocity for another powder temperature or barrel length window:
// two computations side by side, each with its inputs, "Compute" and result.
// Both velocity fields follow the calculator window's muzzle velocity.
#pragma once

#include "platform/forms.h"

class Tteplotaprachu : public TForm {
  public:
    // The calculator window must exist: its velocity is copied.
    Tteplotaprachu();

    // Powder temperature: velocity, temperature, new temperature, result.
    TEdit *Edit1, *Edit2, *Edit3;
    TLabel* Label1;
    // Barrel length: velocity, length, new length, result.
    TEdit *Edit4, *Edit5, *Edit6;
    TLabel* Label10;
    TButton *Button1, *Button2;

    // "Compute" of each; refused input shows its message and leaves the result.
    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    // Every activation copies the calculator window's muzzle velocity into
    // both velocity fields, over what was typed there.
    void FormActivate(TObject* Sender);
};

extern Tteplotaprachu* teplotaprachu;
