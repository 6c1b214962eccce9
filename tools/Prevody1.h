// The unit conversion window.
#pragma once

#include "platform/forms.h"

class Tprevody : public TForm {
  public:
    Tprevody();
};

extern Tprevody* prevody;
