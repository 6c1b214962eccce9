// The reticle drawing and ranging window.
#pragma once

#include "platform/forms.h"

class Tmildot : public TForm {
  public:
    Tmildot();
};

extern Tmildot* mildot;

// Shows the reticle window without blocking; its activation draws the reticle
// with the calculator window's choice and the reticle computation's results.
void ShowReticleWindow();
