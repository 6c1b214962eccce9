#include "tools/Nmv1.h"

#include "forms/nmv_form.h"

Tnmv* nmv = nullptr;

Tnmv::Tnmv() : TForm(NmvForm()) {
    FinishCreate();
}
