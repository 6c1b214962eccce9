#include "tools/Prevody1.h"

#include "forms/prevody_form.h"

Tprevody* prevody = nullptr;

Tprevody::Tprevody() : TForm(PrevodyForm()) {
    FinishCreate();
}
