// The About box: the program's name, version and date, its logo, a disclaimer
// and the version history. It has no behaviour of its own.
#pragma once

#include "platform/forms.h"

class Toprogramu : public TForm {
  public:
    Toprogramu();

    TImage* Image2;
    TMemo *Memo1, *Memo2;
};

extern Toprogramu* oprogramu;
