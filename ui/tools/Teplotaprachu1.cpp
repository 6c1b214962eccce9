#include "ui/tools/Teplotaprachu1.h"

#include "compute/muzzle_velocity.h"
#include "engine/numeric.h"
#include "forms/teplotaprachu_form.h"
#include "platform/sysutils.h"
#include "ui/Vstup1.h"
#include "ui/figure_labels.h"

Tteplotaprachu* teplotaprachu = nullptr;

namespace {

// Both computations show their result here, and only here.
void ShowVelocity(const VelocityAnswer& answer, TLabel* result) {
    if (!answer.error.empty()) ShowErrorAndAbort(answer.error);
    ShowFigures({{result, RoundToDecimals(answer.velocity, 2)}});
}

}  // namespace

Tteplotaprachu::Tteplotaprachu() : TForm(TeplotaprachuForm()) {
    Edit1 = Find<TEdit>("Edit1");
    Edit2 = Find<TEdit>("Edit2");
    Edit3 = Find<TEdit>("Edit3");
    Label1 = Find<TLabel>("Label1");
    Edit4 = Find<TEdit>("Edit4");
    Edit5 = Find<TEdit>("Edit5");
    Edit6 = Find<TEdit>("Edit6");
    Label10 = Find<TLabel>("Label10");
    Button1 = Find<TButton>("Button1");
    Button2 = Find<TButton>("Button2");
    Bind("Button1Click", [this](TObject* s) { Button1Click(s); });
    Bind("Button2Click", [this](TObject* s) { Button2Click(s); });
    Bind("FormActivate", [this](TObject* s) { FormActivate(s); });
    FinishCreate();
    FormActivate(this);
}

void Tteplotaprachu::FormActivate(TObject*) {
    // A window made without the calculator window (in a test) keeps its defaults.
    if (!vstup) return;
    Edit1->SetText(vstup->Edit4->Text());
    Edit4->SetText(vstup->Edit4->Text());
}

void Tteplotaprachu::Button1Click(TObject*) {
    const double velocity = StrToFloat(Edit1->Text());
    const double temperature = StrToFloat(Edit2->Text());
    const double newTemperature = StrToFloat(Edit3->Text());
    ShowVelocity(VelocityAtPowderTemperature(velocity, temperature, newTemperature), Label1);
}

void Tteplotaprachu::Button2Click(TObject*) {
    const double velocity = StrToFloat(Edit4->Text());
    const double length = StrToFloat(Edit5->Text());
    const double newLength = StrToFloat(Edit6->Text());
    ShowVelocity(VelocityAtBarrelLength(velocity, length, newLength), Label10);
}
