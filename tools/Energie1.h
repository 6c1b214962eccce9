// The projectile energy figures window.
#pragma once

#include "platform/forms.h"

class Tenergie : public TForm {
  public:
    Tenergie();
};

extern Tenergie* energie;
