// The graph of the drag coefficient over velocity window.
#pragma once

#include "platform/forms.h"

class Tgrafodporu : public TForm {
  public:
    Tgrafodporu();
};

extern Tgrafodporu* grafodporu;
