// The muzzle velocity for another powder temperature or barrel length window.
#pragma once

#include "platform/forms.h"

class Tteplotaprachu : public TForm {
  public:
    Tteplotaprachu();
};

extern Tteplotaprachu* teplotaprachu;
