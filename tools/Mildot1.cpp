#include "tools/Mildot1.h"

#include "forms/mildot_form.h"

Tmildot* mildot = nullptr;

Tmildot::Tmildot() : TForm(MildotForm()) {
    FinishCreate();
}
