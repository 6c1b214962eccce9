#include "tools/Mildot1.h"

#include "forms/mildot_form.h"

Tmildot* mildot = nullptr;

Tmildot::Tmildot() : TForm(MildotForm()) {
    FinishCreate();
}

void ShowReticleWindow() {
    // The window exists from program start; a window-less test has none.
    if (mildot) mildot->Show();
}
