#include "tools/Teplotaprachu1.h"

#include "forms/teplotaprachu_form.h"

Tteplotaprachu* teplotaprachu = nullptr;

Tteplotaprachu::Tteplotaprachu() : TForm(TeplotaprachuForm()) {
    FinishCreate();
}
