#include "tools/Oprogramu1.h"

#include "forms/oprogramu_form.h"

Toprogramu* oprogramu = nullptr;

Toprogramu::Toprogramu() : TForm(OprogramuForm()) {
    FinishCreate();
}
