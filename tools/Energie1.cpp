#include "tools/Energie1.h"

#include "forms/energie_form.h"

Tenergie* energie = nullptr;

Tenergie::Tenergie() : TForm(EnergieForm()) {
    FinishCreate();
}
