// Calculator window. The input set-up: reads and checks every input field into the engine's
// records.
#include "ui/Vstup1.h"

// Nothing of this concern is bound yet.
void Tvstup::BindSetupHandlers() {}
