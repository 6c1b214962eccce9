// The reticle drawing and ranging window.
#pragma once

#include "platform/forms.h"

class Tmildot : public TForm {
  public:
    Tmildot();
};

extern Tmildot* mildot;
