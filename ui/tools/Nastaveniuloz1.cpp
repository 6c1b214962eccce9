#include "ui/tools/Nastaveniuloz1.h"

#include <string>

#include "forms/nastaveniuloz_form.h"

Tnastaveniuloz* nastaveniuloz = nullptr;

Tnastaveniuloz::Tnastaveniuloz() : TForm(NastaveniulozForm()) {
    GroupBox1 = Find<TGroupBox>("GroupBox1");
    TCheckBox** boxes[] = {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4, &CheckBox5,
                           &CheckBox6, &CheckBox7, &CheckBox8, &CheckBox9, &CheckBox10};
    for (int k = 0; k < 10; ++k) *boxes[k] = Find<TCheckBox>("CheckBox" + std::to_string(k + 1));
    Button1 = Find<TButton>("Button1");
    RadioGroup1 = Find<TRadioGroup>("RadioGroup1");
    Bind("Button1Click", [this](TObject* s) { Button1Click(s); });
    FinishCreate();
}

void Tnastaveniuloz::Button1Click(TObject*) {
    if (ContinueMark) ContinueMark->SetChecked(true);
    Close();
}
