#include "files/Nastaveniuloz1.h"

#include "forms/nastaveniuloz_form.h"

Tnastaveniuloz* nastaveniuloz = nullptr;

Tnastaveniuloz::Tnastaveniuloz() : TForm(NastaveniulozForm()) {
    FinishCreate();
}
