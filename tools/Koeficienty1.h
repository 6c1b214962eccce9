// The conversion of form factor and ballistic coefficient between drag functions window.
#pragma once

#include "platform/forms.h"

class Tkoeficienty : public TForm {
  public:
    Tkoeficienty();
};

extern Tkoeficienty* koeficienty;
