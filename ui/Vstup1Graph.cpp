// Calculator window. The trajectory graph: axis choice, zoom, overlays, clones and resizing.
#include "ui/Vstup1.h"

// Nothing of this concern is bound yet.
void Tvstup::BindGraphHandlers() {}
