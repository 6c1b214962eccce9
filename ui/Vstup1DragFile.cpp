// Calculator window. The drag-function file: "Load Drag Function" and what it sets in the window.
#include "ui/Vstup1.h"

// Nothing of this concern is bound yet.
void Tvstup::BindDragFileHandlers() {}
