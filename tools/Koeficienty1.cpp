#include "tools/Koeficienty1.h"

#include "forms/koeficienty_form.h"

Tkoeficienty* koeficienty = nullptr;

Tkoeficienty::Tkoeficienty() : TForm(KoeficientyForm()) {
    FinishCreate();
}
