#include "tools/Tabulka1.h"

#include "forms/tabulka_form.h"

Ttabulka* tabulka = nullptr;

Ttabulka::Ttabulka() : TForm(TabulkaForm()) {
    FinishCreate();
}
