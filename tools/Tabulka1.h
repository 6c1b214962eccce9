// The list of bullets and cartridges window.
#pragma once

#include "platform/forms.h"

class Ttabulka : public TForm {
  public:
    Ttabulka();
};

extern Ttabulka* tabulka;
