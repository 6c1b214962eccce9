// Calculator window. Results files read back: "Load", and the init file that
// keeps the inputs of the last computation from the end of one run to the
// start of the next.
#include <cmath>
#include <optional>
#include <sstream>
#include <string>
#include <utility>

#include "engine/dragfile.h"
#include "engine/dragtables.h"
#include "engine/numeric.h"
#include "engine/setup.h"
#include "engine/state.h"
#include "files/InitFile.h"
#include "files/ResultsHeader.h"
#include "files/ResultsHeaderReader.h"
#include "platform/base.h"
#include "platform/dialogs.h"
#include "platform/safefile.h"
#include "platform/sysutils.h"
#include "ui/Vstup1.h"

namespace {

constexpr double CelsiusToKelvin = 273.15;
constexpr double HectopascalToPascal = 100.0;
// Altitude of the standard atmosphere from temperature and pressure:
// h = (T / (p / 101325)^0.1901863826550019 - T) / 0.0065.
constexpr double PerStandardPressure = 9.869232667160129e-6;  // 1/Pa
constexpr double AltitudeExponent = 0.1901863826550019;
constexpr double PerLapseRate = 153.84615384615384;  // m/K

constexpr int ModeZeroRange = 1;
constexpr int CrossWindConstant = 0;
constexpr int WindCrossAndLongitudinal = 0;
constexpr int PressureDirect = 0;

}  // namespace

void Tvstup::BindLoadHandlers() {
    Bind("Button15Click", [this](TObject* s) { Button15Click(s); });
}

void Tvstup::Button15Click(TObject*) {
    if (!OpenDialog1->Execute()) return;
    // A file that cannot be read (or is no regular file) changes nothing,
    // without a message; one far too large for a header is no results file.
    std::string text;
    const FileReadStatus read = ReadFileBounded(OpenDialog1->FileName, text);
    if (read == FileReadStatus::Unavailable) return;
    if (read == FileReadStatus::TooLarge) ShowErrorAndAbort(WrongResultsFormatMessage);
    std::istringstream in(std::move(text));
    ReadResultsHeader(in);
}

void Tvstup::RestoreInitFile() {
    // No init file, or one that cannot be read, is no regular file or is far
    // too large for a header: the defaults stand, without a message.
    std::string text;
    if (ReadFileBounded(InitFilePath(), text) != FileReadStatus::Read) return;
    std::istringstream in(std::move(text));
    const std::string dragPath = ReadResultsHeader(in);
    // "Load Drag Function" opens with the restored function's file chosen.
    if (ComboBox6->ItemIndex() == FileFunctionItem && !dragPath.empty())
        OpenDialog2->FileName = dragPath;
}

void Tvstup::WriteInitFile() {
    // Only a completed table run leaves inputs to keep; otherwise the init
    // file of an earlier run stays as it is. What is kept is that run's
    // inputs, whatever the fields hold now.
    if (!Button5->Enabled() || !computed_) return;
    // The program is ending: a folder that cannot take the file (an installed
    // copy in a read-only place) keeps its previous init file, without a
    // message at every exit.
    ::WriteInitFile(computed_->Header);
}

std::string Tvstup::ReadResultsHeader(std::istream& in) {
    const std::optional<ResultsHeaderRecord> header = ParseResultsHeader(in);
    if (!header) ShowErrorAndAbort(WrongResultsFormatMessage);
    // A drag-function file the header names is read and checked before any
    // control changes; one that is missing only skips the function.
    DragFileData dragFile;
    if (header->Drag == HeaderDragChoice::File) {
        dragFile = ReadDragFunctionFileData(header->DragPath);
        if (dragFile.Status == DragFileStatus::Refused) ShowErrorAndAbort(dragFile.Message);
    }
    ApplyResultsHeader(*header, dragFile);
    return header->Drag == HeaderDragChoice::File ? header->DragPath : std::string();
}

void Tvstup::ApplyResultsHeader(const ResultsHeaderRecord& h, const DragFileData& dragFile) {
    // A constant coefficient is read as a ballistic coefficient whatever mode
    // the file was written in. A variable one passes through that mode too,
    // so that Edit1, which it leaves alone, never holds a form factor under
    // the variable mode's coefficient caption.
    SwitchDragStrengthMode(CoefficientBallistic);
    ApplyHeaderDragFunction(h, dragFile);
    ApplyHeaderDragStrength(h);

    const std::pair<TEdit*, double> bullet[] = {
        {Edit2, h.BulletWeight}, {Edit3, h.BulletDiameter}, {Edit4, h.MuzzleVelocity},
        {Edit5, h.SightHeight},  {Edit6, h.DepartureAngle}, {Edit19, h.ZeroRange},
    };
    for (const auto& [edit, value] : bullet) edit->SetText(FloatToStr(value));
    // The header's muzzle velocity is the one at the muzzle already.
    Edit22->SetText(FloatToStr(0));

    ApplyHeaderClick(h);

    const std::pair<TEdit*, double> air[] = {
        {Edit13, h.AirTemperature}, {Edit8, h.AirPressure},       {Edit9, h.AirHumidity},
        {Edit10, h.CrossWind},      {Edit11, h.LongitudinalWind}, {Edit55, h.VerticalWind},
        {Edit58, h.Gravity},
    };
    for (const auto& [edit, value] : air) edit->SetText(FloatToStr(value));
    // The name of a drag-function file's bullet gives way to the header's.
    Edit33->SetText(h.AmmoName);
    ApplyHeaderAltitude();

    RadioGroup3->SetItemIndex(ModeZeroRange);
    RadioGroup4->SetItemIndex(CrossWindConstant);
    RadioGroup7->SetItemIndex(WindCrossAndLongitudinal);
    RadioGroup6->SetItemIndex(PressureDirect);
}

void Tvstup::SwitchDragStrengthMode(int item) {
    const std::string one = FloatToStr(1);
    for (TEdit* edit : {Edit1, Edit2, Edit3}) edit->SetText(one);
    RadioGroup5->SetItemIndex(item);
}

void Tvstup::ApplyHeaderDragFunction(const ResultsHeaderRecord& h, const DragFileData& dragFile) {
    if (h.Drag == HeaderDragChoice::BuiltIn) {
        // Selecting from code runs no handler; "GL" is refused there.
        ComboBox6->SetItemIndex(h.DragItem);
        ComboBox6Change(this);
    } else if (h.Drag == HeaderDragChoice::File) {
        if (dragFile.Status == DragFileStatus::NotFound) {
            ShowMessage(dragFile.Message);
        } else {
            ApplyDragFileData(dragFile);
        }
    }
}

void Tvstup::ApplyHeaderDragStrength(const ResultsHeaderRecord& h) {
    if (!h.VariableCoefficient) {
        Edit1->SetText(FloatToStr(h.BallisticCoefficient));
        // A function from a file takes its drag strength as a form factor.
        if (ComboBox6->ItemIndex() == FileFunctionItem) {
            SwitchDragStrengthMode(CoefficientFormFactor);
            Edit1->SetText(FloatToStr(h.FormFactor));
        }
        return;
    }
    RadioGroup5->SetItemIndex(CoefficientVariable);
    TEdit* const velocities[] = {Edit30, Edit31, Edit32, Edit34, Edit35};
    TEdit* const coefficients[] = {Edit36, Edit37, Edit38, Edit39, Edit40};
    TCheckBox* const extraBands[] = {CheckBox6, CheckBox7, CheckBox9};
    for (TCheckBox* box : extraBands) box->SetChecked(false);
    // The bands fill in file order: a file with bands 1, 2 and 4 gives 1, 2
    // and 3, which select the same coefficients.
    for (std::size_t k = 0; k < h.Bands.size(); ++k) {
        velocities[k]->SetText(FloatToStr(h.Bands[k].Velocity));
        coefficients[k]->SetText(FloatToStr(h.Bands[k].Coefficient));
        if (k >= 2) extraBands[k - 2]->SetChecked(true);
    }
}

void Tvstup::ApplyHeaderClick(const ResultsHeaderRecord& h) {
    if (h.CustomClick) Edit24->SetText(FloatToStr(h.ClickNumber));
    if (h.ClickItem >= 0) ComboBox2->SetItemIndex(h.ClickItem);
    ComboBox2Change(this);
}

void Tvstup::ApplyHeaderAltitude() {
    // Both fields hold numbers written just before.
    const double t = StrToFloat(Edit13->Text()) + CelsiusToKelvin;
    const double p = StrToFloat(Edit8->Text()) * HectopascalToPascal;
    InputParameters& input = Engine().Input;
    input.AirTemperature = t;
    input.AirPressure = p;
    // No altitude belongs to an air without pressure or temperature.
    if (!(t > 0) || !(p > 0)) return;
    const double h = (t / std::pow(p * PerStandardPressure, AltitudeExponent) - t) * PerLapseRate;
    if (std::isfinite(h)) Edit29->SetText(FloatToStr(RoundToDecimals(h, 0)));
}
