// Calculator window. The input-mode and option controls: fields shown, enabled and converted as
// modes change.
#include "ui/Vstup1.h"

// Nothing of this concern is bound yet.
void Tvstup::BindModeHandlers() {}
