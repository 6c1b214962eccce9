// The About box: the program's name, version, a logo, a disclaimer and the version history window.
#pragma once

#include "platform/forms.h"

class Toprogramu : public TForm {
  public:
    Toprogramu();
};

extern Toprogramu* oprogramu;
