// The save options: table columns and file kind window.
#pragma once

#include "platform/forms.h"

class Tnastaveniuloz : public TForm {
  public:
    Tnastaveniuloz();
};

extern Tnastaveniuloz* nastaveniuloz;
