// Calculator window: construction, start-up defaults and the drag-function
// choice.
#include "ui/Vstup1.h"

#include "engine/dragtables.h"
#include "engine/state.h"
#include "forms/vstup_form.h"
#include "platform/base.h"
#include "platform/dialogs.h"
#include "platform/sysutils.h"
#include "ui/Vstup1Pictures.h"
#include "ui/plot.h"

Tvstup* vstup = nullptr;

namespace {

// The trajectory graph is the window's third child control.
constexpr int GraphSlot = 2;
constexpr double StartIntegrationStep = 0.0005;  // s
constexpr double CelsiusToKelvin = 273.15;
constexpr double HectopascalToPascal = 100.0;

}  // namespace

Tvstup::Tvstup() : TForm(VstupForm()) {
    SetDoubleBuffered(true);
    FindControls();
    DrawWindowPictures(*this);
    // Bound before the creation handler runs, so the graph works even when
    // that handler ends early.
    GraphBind(MainGraphState, *this,
              CalculatorGraphStyle([this] { return RadioGroup2->ItemIndex(); },
                                   [this] { return RadioGroup1->ItemIndex(); },
                                   [this] { return Edit33->Text(); }));
    BindStartupHandlers();
    BindDragFileHandlers();
    BindSetupHandlers();
    BindGraphHandlers();
    BindModeHandlers();
    BindComputeHandlers();
    BindSlopeHandlers();
    BindMrdHandlers();
    BindCoefficientHandlers();
    BindReticleHandlers();
    BindTwistHandlers();
    BindSaveHandlers();
    BindToolHandlers();
    BindListHandlers();
    BindLoadHandlers();
    FinishCreate();
}

Tvstup::~Tvstup() {
    RunDestroy();
}

void Tvstup::BindStartupHandlers() {
    Bind("FormCreate", [this](TObject* s) { FormCreate(s); });
    Bind("FormDestroy", [this](TObject* s) { FormDestroy(s); });
    Bind("ComboBox6Change", [this](TObject* s) { ComboBox6Change(s); });
}

void Tvstup::FormCreate(TObject*) {
    FillDragTables();
    ComboBox6->SetItemIndex(1);  // "G1"
    ComboBox6Change(this);

    const std::string programFolder = ExtractFilePath(ExeName());
    for (TOpenDialog* dialog :
         {OpenDialog1, OpenDialog2, static_cast<TOpenDialog*>(SaveDialog1),
          static_cast<TOpenDialog*>(SaveDialog2), static_cast<TOpenDialog*>(SaveDialog3)})
        dialog->InitialDir = programFolder;

    EngineState& engine = Engine();
    engine.Settings.IntegrationStep = StartIntegrationStep;

    // Written in the user's notation, over the comma defaults of the description.
    const std::pair<TEdit*, double> defaults[] = {
        {Edit1, 0.462}, {Edit2, 10.89},  {Edit3, 7.85},   {Edit6, 0.1},    {Edit8, 977.9},
        {Edit23, 31.4}, {Edit36, 0.462}, {Edit37, 0.447}, {Edit38, 0.424}, {Edit39, 0.405},
        {Edit40, 0},    {Edit58, 9.81},  {Edit57, 3.98},  {Edit59, 1.86},  {Edit60, 0.51},
        {Edit61, 0.74}, {Edit62, 0.25},  {Edit12, 30.5},
    };
    for (const auto& [edit, value] : defaults) edit->SetText(FloatToStr(value));

    // The tool windows compute with the air before any computation has read
    // it, so start from the fields as the input set-up would.
    engine.Input.AirTemperature = StrToFloat(Edit13->Text()) + CelsiusToKelvin;
    engine.Input.AirPressure = StrToFloat(Edit8->Text()) * HectopascalToPascal;

    GraphReset(MainGraphState, GraphSlot);
    RestoreInitFile();
}

void Tvstup::FormDestroy(TObject*) {
    WriteInitFile();
}

void Tvstup::ComboBox6Change(TObject*) {
    const int item = ComboBox6->ItemIndex();
    switch (SelectBuiltInDragFunction(item)) {
        case DragSelection::NoChange:
            return;
        case DragSelection::Unavailable:
            ShowMessage(GlUnavailableMessage);
            ComboBox6->SetItemIndex(dragItemInUse_);
            return;
        case DragSelection::FileFunction:
            Button7->SetEnabled(false);
            break;
        case DragSelection::BuiltIn:
            Button7->SetEnabled(true);
            break;
    }
    dragItemInUse_ = item;
}
