// The standard atmosphere at an altitude window.
#pragma once

#include "platform/forms.h"

class Tnmv : public TForm {
  public:
    Tnmv();
};

extern Tnmv* nmv;
