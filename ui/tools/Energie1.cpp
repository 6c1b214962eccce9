#include "ui/tools/Energie1.h"

#include <string>

#include "compute/projectile_energy.h"
#include "engine/numeric.h"
#include "forms/energie_form.h"
#include "platform/sysutils.h"
#include "ui/Vstup1.h"
#include "ui/figure_labels.h"

Tenergie* energie = nullptr;

Tenergie::Tenergie() : TForm(EnergieForm()) {
    Edit1 = Find<TEdit>("Edit1");
    Edit2 = Find<TEdit>("Edit2");
    Edit3 = Find<TEdit>("Edit3");
    CheckBox1 = Find<TCheckBox>("CheckBox1");
    CheckBox2 = Find<TCheckBox>("CheckBox2");
    CheckBox3 = Find<TCheckBox>("CheckBox3");
    Label5 = Find<TLabel>("Label5");
    Label4 = Find<TLabel>("Label4");
    Label19 = Find<TLabel>("Label19");
    Label1 = Find<TLabel>("Label1");
    Label10 = Find<TLabel>("Label10");
    Label11 = Find<TLabel>("Label11");
    Label14 = Find<TLabel>("Label14");
    Label16 = Find<TLabel>("Label16");
    Label21 = Find<TLabel>("Label21");
    Label22 = Find<TLabel>("Label22");
    Label23 = Find<TLabel>("Label23");
    Label24 = Find<TLabel>("Label24");
    Button1 = Find<TButton>("Button1");
    Bind("FormCreate", [this](TObject* s) { FormCreate(s); });
    Bind("Button1Click", [this](TObject* s) { Button1Click(s); });
    Bind("CheckBox1Click", [this](TObject* s) { CheckBox1Click(s); });
    Bind("CheckBox2Click", [this](TObject* s) { CheckBox2Click(s); });
    Bind("CheckBox3Click", [this](TObject* s) { CheckBox3Click(s); });
    FinishCreate();
}

void Tenergie::FormCreate(TObject*) {
    // A window made without the calculator window (in a test) keeps its defaults.
    if (!vstup) return;
    Edit1->SetText(vstup->Edit4->Text());
    Edit2->SetText(vstup->Edit2->Text());
    Edit3->SetText(vstup->Edit3->Text());
}

void Tenergie::CheckBox1Click(TObject*) {
    Label5->SetText(CheckBox1->Checked() ? "m/s" : "ft/s");
}

void Tenergie::CheckBox2Click(TObject*) {
    Label4->SetText(CheckBox2->Checked() ? "g" : "gr");
}

void Tenergie::CheckBox3Click(TObject*) {
    Label19->SetText(CheckBox3->Checked() ? "mm" : "in");
}

void Tenergie::Button1Click(TObject*) {
    const ProjectileInput input{
        .velocity = StrToFloat(Edit1->Text()),
        .weight = StrToFloat(Edit2->Text()),
        .diameter = StrToFloat(Edit3->Text()),
        .velocityInSi = CheckBox1->Checked(),
        .weightInSi = CheckBox2->Checked(),
        .diameterInSi = CheckBox3->Checked(),
    };
    const ProjectileFigures f = ComputeProjectile(input);
    if (!f.error.empty()) ShowErrorAndAbort(f.error);
    ShowFigures({{Label1, RoundToDecimals(f.energy, 1)},
                 {Label10, RoundToDecimals(f.momentum, 2)},
                 {Label11, RoundToDecimals(f.ipscFactor, 0)},
                 {Label14, RoundToDecimals(f.specificEnergy, 1)},
                 {Label16, RoundToDecimals(f.sectionalDensity, 1)},
                 {Label21, RoundToDecimals(f.energyImperial, 1)},
                 {Label22, RoundToDecimals(f.momentumImperial, 2)},
                 {Label23, RoundToDecimals(f.specificEnergyImperial, 1)},
                 {Label24, RoundToDecimals(f.sectionalDensityImperial, 3)}});
}
