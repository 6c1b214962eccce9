// Calculator window. Compute! and the range table written into the result pane.
#include "ui/Vstup1.h"

// Nothing of this concern is bound yet.
void Tvstup::BindComputeHandlers() {}
