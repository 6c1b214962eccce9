#include "ui/tools/Nmv1.h"

#include "compute/icao_atmosphere.h"
#include "engine/numeric.h"
#include "forms/nmv_form.h"
#include "platform/sysutils.h"
#include "ui/figure_labels.h"

Tnmv* nmv = nullptr;

Tnmv::Tnmv() : TForm(NmvForm()) {
    Edit1 = Find<TEdit>("Edit1");
    Edit2 = Find<TEdit>("Edit2");
    Edit3 = Find<TEdit>("Edit3");
    Edit4 = Find<TEdit>("Edit4");
    Label13 = Find<TLabel>("Label13");
    Label14 = Find<TLabel>("Label14");
    Label16 = Find<TLabel>("Label16");
    Label18 = Find<TLabel>("Label18");
    Button1 = Find<TButton>("Button1");
    Bind("FormCreate", [this](TObject* s) { FormCreate(s); });
    Bind("Button1Click", [this](TObject* s) { Button1Click(s); });
    FinishCreate();
}

void Tnmv::FormCreate(TObject*) {
    Edit2->SetText(FloatToStr(1013.25));
}

void Tnmv::Button1Click(TObject*) {
    // Every edit is read before any check, so text that is no number is
    // reported first.
    const AtmosphereQuestion question{
        .temperature = StrToFloat(Edit1->Text()),
        .pressure = StrToFloat(Edit2->Text()),
        .altitude = StrToFloat(Edit3->Text()),
        .targetAltitude = StrToFloat(Edit4->Text()),
    };
    const AtmosphereAnswer a = AtmosphereAt(question);
    if (!a.error.empty()) ShowErrorAndAbort(a.error);
    ShowFigures({{Label13, RoundToDecimals(a.temperature, 2)},
                 {Label14, RoundToDecimals(a.pressure, 2)},
                 {Label16, RoundToDecimals(a.density, 3)},
                 {Label18, RoundToDecimals(a.speedOfSound, 2)}});
}
