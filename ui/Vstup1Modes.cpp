// Calculator window. The input-mode and option controls: fields shown, enabled and converted as
// modes change.
#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "engine/numeric.h"
#include "engine/setup.h"
#include "engine/state.h"
#include "platform/sysutils.h"
#include "ui/Vstup1.h"

namespace {

// The set-up's check messages for the values a conversion here divides by.
const char* const WeightMessage = "Bullet Weight less than or equal to zero.";
const char* const DiameterMessage = "Bullet Diameter less than or equal to zero.";
const char* const CoefficientMessage = "Ballistic Coefficient less than or equal to zero.";
const char* const FormFactorMessage = "Form Factor less than or equal to zero.";
const char* const ClickMessage = "Click less than or equal to zero.";

// Table step in m of each "Step" item.
constexpr double RangeSteps[] = {1, 5, 10, 25, 50, 100, 200, 1000};
// One click in degrees of the fixed "1 Click:" items: 1/2, 1/3, 1/4 and 1/8
// MOA, then 10, 7 and 5 mm at 100 m cut after the ninth decimal.
constexpr double ClickValues[] = {1.0 / 120,   1.0 / 180,   1.0 / 240,  1.0 / 480,
                                  0.005729577, 0.004010704, 0.002864788};

constexpr int DragStrengthDecimals = 4;
constexpr double GramsToKilograms = 0.001;
constexpr double MillimetresToMetres = 0.001;

constexpr int AngleDecimals = 6;                  // of the departure angle after a click
constexpr double TenthMillisecond = 0.1 * 0.001;  // s per step scroll-bar position
constexpr double TenthsToMilliseconds = 0.1;

// Left edge of Edit19 alone and beside Edit63 in "Zero Range X,Y".
constexpr int ZeroRangeLeft = 112;
constexpr int ZeroPointLeft = 88;
constexpr int ModeZeroRange = 1;
constexpr int ModeZeroPoint = 2;

constexpr int CrossWindConstant = 0;
constexpr int PressureDirect = 0;

constexpr double SlopeDegreesPerRadian = 57.2957795;
constexpr int SlopeDecimals = 1;

// Form factor from a coefficient or the reverse; both are the constant times
// the mass over the diameter squared and the other one. A result that is no
// number is never written: the event ends with the set-up's message for the
// value that makes it so.
double ConvertDragStrength(double value, double mass, double diameter, bool toFormFactor) {
    const char* const valueMessage = toFormFactor ? CoefficientMessage : FormFactorMessage;
    if (diameter == 0) ShowErrorAndAbort(DiameterMessage);
    if (value == 0) ShowErrorAndAbort(valueMessage);
    const double denominator =
        toFormFactor ? value * diameter * diameter : diameter * diameter * value;
    const double result =
        RoundToDecimals(DragStrengthFactor * mass / denominator, DragStrengthDecimals);
    if (std::isfinite(result)) return result;
    // Only sizes at the ends of the double range come here.
    if (diameter * diameter == 0) ShowErrorAndAbort(DiameterMessage);
    if (denominator == 0) ShowErrorAndAbort(valueMessage);
    ShowErrorAndAbort(WeightMessage);
}

void EnableAll(std::initializer_list<TControl*> controls, bool enabled) {
    for (TControl* control : controls) control->SetEnabled(enabled);
}

void ShowAll(std::initializer_list<TControl*> controls, bool visible) {
    for (TControl* control : controls) control->SetVisible(visible);
}

}  // namespace

void Tvstup::BindModeHandlers() {
    const std::pair<const char*, void (Tvstup::*)(TObject*)> handlers[] = {
        {"ComboBox1Change", &Tvstup::ComboBox1Change},
        {"ComboBox2Change", &Tvstup::ComboBox2Change},
        {"Button8Click", &Tvstup::Button8Click},
        {"ScrollBar1Change", &Tvstup::ScrollBar1Change},
        {"Button2Click", &Tvstup::Button2Click},
        {"RadioGroup3Click", &Tvstup::RadioGroup3Click},
        {"CheckBox4Click", &Tvstup::CheckBox4Click},
        {"CheckBox5Click", &Tvstup::CheckBox5Click},
        {"RadioGroup5Click", &Tvstup::RadioGroup5Click},
        {"CheckBox6Click", &Tvstup::CheckBox6Click},
        {"CheckBox7Click", &Tvstup::CheckBox7Click},
        {"CheckBox9Click", &Tvstup::CheckBox9Click},
        {"RadioGroup4Click", &Tvstup::RadioGroup4Click},
        {"ComboBox3Change", &Tvstup::ComboBox3Change},
        {"RadioGroup7Click", &Tvstup::RadioGroup7Click},
        {"RadioGroup6Click", &Tvstup::RadioGroup6Click},
        {"CheckBox11Click", &Tvstup::CheckBox11Click},
        {"CheckBox10Click", &Tvstup::CheckBox10Click},
        {"CheckBox3Click", &Tvstup::CheckBox3Click},
        {"RadioButton1Click", &Tvstup::RadioButton1Click},
        {"RadioButton2Click", &Tvstup::RadioButton2Click},
        {"RadioGroup8Click", &Tvstup::RadioGroup8Click},
        {"ComboBox7Change", &Tvstup::ComboBox7Change},
    };
    for (const auto& [name, handler] : handlers)
        Bind(name, TNotifyEvent([this, handler](TObject* s) { (this->*handler)(s); }));
    Bind("UpDown1Click", TUDClickEvent([this](TObject* s, TUDBtnType b) { UpDown1Click(s, b); }));
    // Edit1 holds what the mode of the description says.
    dragModeInUse_ = RadioGroup5->ItemIndex();
}

void Tvstup::ComboBox1Change(TObject*) {
    const int item = ComboBox1->ItemIndex();
    if (item < 0 || item >= static_cast<int>(std::size(RangeSteps))) return;
    Engine().Settings.RangeStep = RangeSteps[item];
}

void Tvstup::ComboBox2Change(TObject*) {
    const int item = ComboBox2->ItemIndex();
    Edit24->SetEnabled(false);
    if (item >= 0 && item < static_cast<int>(std::size(ClickValues))) {
        Engine().Settings.ClickValue = ClickValues[item];
    } else if (item == ClickInMm || item == ClickInMoa) {
        // The value comes from the field when it is used.
        Edit24->SetEnabled(true);
        Label56->SetVisible(item == ClickInMm);
        Label48->SetVisible(item == ClickInMoa);
    }
}

void Tvstup::UpDown1Click(TObject*, TUDBtnType) {
    // The spinner has moved already; it stays where its counter says until
    // the click is accepted, so a refused click changes nothing.
    const int position = UpDown1->Position();
    const int previous = StrToInt(Label12->Caption());
    UpDown1->SetPosition(previous);
    ComputationSettings& settings = Engine().Settings;
    const int item = ComboBox2->ItemIndex();
    double click = settings.ClickValue;
    if (item == ClickInMm || item == ClickInMoa) {
        click = CustomClickDegrees(item, StrToFloat(Edit24->Text()));
        if (!(click > 0)) ShowErrorAndAbort(ClickMessage);
    }
    // Every count of the spinner's range fits between the arrows and "Zero".
    Label12->SetCaption(IntToStr(position));
    settings.ClickValue = click;
    UpDown1->SetPosition(position);

    double angle = StrToFloat(Edit6->Text());
    if (position > previous) angle = RoundToDecimals(angle + settings.ClickValue, AngleDecimals);
    if (position < previous) angle = RoundToDecimals(angle - settings.ClickValue, AngleDecimals);
    Engine().Input.DepartureAngle = angle;
    Edit6->SetText(FloatToStr(angle));
    RadioGroup3->SetItemIndex(ModeAngleOfDeparture);
}

void Tvstup::Button8Click(TObject*) {
    UpDown1->SetPosition(0);
    Label12->SetCaption("0");
}

void Tvstup::ScrollBar1Change(TObject*) {
    const int position = ScrollBar1->Position();
    Engine().Settings.IntegrationStep = position * TenthMillisecond;
    Label50->SetCaption(FloatToStr(position * TenthsToMilliseconds));
}

void Tvstup::Button2Click(TObject*) {
    Memo1->Lines().Clear();
}

void Tvstup::RadioGroup3Click(TObject*) {
    EnableAll({Edit6, Edit19, Edit63}, false);
    ShowAll({Edit6, Edit19, Edit63, Label7, Label2, Label6, Label19, Label64, Label72}, false);
    Edit19->SetLeft(ZeroRangeLeft);
    switch (RadioGroup3->ItemIndex()) {
        case ModeAngleOfDeparture:
            Edit6->SetEnabled(true);
            ShowAll({Edit6, Label6, Label19}, true);
            break;
        case ModeZeroRange:
            Edit19->SetEnabled(true);
            ShowAll({Edit19, Label7, Label2}, true);
            break;
        case ModeZeroPoint:
            // Edit19 holds the zero range X, Edit63 beside it the height Y.
            EnableAll({Edit19, Edit63}, true);
            ShowAll({Edit19, Edit63, Label64, Label72}, true);
            Edit19->SetLeft(ZeroPointLeft);
            break;
    }
}

void Tvstup::CheckBox4Click(TObject*) {
    Edit15->SetEnabled(CheckBox4->Checked());
}

void Tvstup::CheckBox5Click(TObject*) {
    Edit16->SetEnabled(CheckBox5->Checked());
}

void Tvstup::RadioGroup5Click(TObject*) {
    const int item = RadioGroup5->ItemIndex();
    // Edit1 holds a coefficient while its caption says so, else a form factor.
    const bool toFormFactor = item == CoefficientFormFactor && Label75->Visible();
    const bool toCoefficient = item == CoefficientBallistic && Label1->Visible();
    std::optional<double> converted;
    if (toFormFactor || toCoefficient) {
        try {
            const double value = StrToFloat(Edit1->Text());
            const double mass = StrToFloat(Edit2->Text()) * GramsToKilograms;
            const double diameter = StrToFloat(Edit3->Text()) * MillimetresToMetres;
            converted = ConvertDragStrength(value, mass, diameter, toFormFactor);
        } catch (...) {
            // Back to the mode Edit1 still holds, so that no computation can
            // read a coefficient as a form factor or the reverse.
            if (dragModeInUse_ >= 0 && dragModeInUse_ != item)
                RadioGroup5->SetItemIndex(dragModeInUse_);
            throw;
        }
    }

    EnableAll({Edit1, Edit2, Edit3}, true);
    EnableAll({Edit30, Edit31, Edit32, Edit34, Edit35, Edit36, Edit37, Edit38, Edit39, Edit40,
               CheckBox6, CheckBox7, CheckBox9},
              false);
    if (converted) Edit1->SetText(FloatToStr(*converted));
    if (item == CoefficientFormFactor) {
        Label75->Hide();
        Label1->Show();
        Label51->Hide();
    } else if (item == CoefficientBallistic) {
        Label75->Show();
        Label1->Hide();
        Label51->Show();
    } else if (item == CoefficientVariable) {
        // The captions stay: Edit1 keeps what it last meant.
        Edit1->SetEnabled(false);
        EnableAll({Edit30, Edit31, Edit36, Edit37, CheckBox6, CheckBox7, CheckBox9}, true);
        EnableBand(CheckBox6, Edit32, Edit38);
        EnableBand(CheckBox7, Edit34, Edit39);
        EnableBand(CheckBox9, Edit35, Edit40);
    }
    dragModeInUse_ = item;
}

void Tvstup::EnableBand(TCheckBox* box, TEdit* velocity, TEdit* coefficient) {
    // A band's fields belong to the variable coefficient: a box ticked from
    // code in another mode must not bring them back.
    const bool enabled = box->Checked() && RadioGroup5->ItemIndex() == CoefficientVariable;
    EnableAll({velocity, coefficient}, enabled);
}

void Tvstup::CheckBox6Click(TObject*) {
    EnableBand(CheckBox6, Edit32, Edit38);
}

void Tvstup::CheckBox7Click(TObject*) {
    EnableBand(CheckBox7, Edit34, Edit39);
}

void Tvstup::CheckBox9Click(TObject*) {
    EnableBand(CheckBox9, Edit35, Edit40);
}

void Tvstup::RadioGroup4Click(TObject* Sender) {
    EnableAll({Edit10, Edit44, Edit45, Edit46, Edit47, Edit48, Edit49, Edit50, Edit51, Edit52,
               Edit53, ComboBox3},
              false);
    const int item = RadioGroup4->ItemIndex();
    if (item == CrossWindConstant) Edit10->SetEnabled(true);
    if (item == CrossWindVariable) {
        ComboBox3->SetEnabled(true);
        ComboBox3Change(Sender);
    }
}

void Tvstup::ComboBox3Change(TObject*) {
    const std::array<TEdit*, MaxCrossWindSites> distances = {Edit44, Edit45, Edit46, Edit47,
                                                             Edit48};
    const std::array<TEdit*, MaxCrossWindSites> speeds = {Edit49, Edit50, Edit51, Edit52, Edit53};
    for (int k = 0; k < MaxCrossWindSites; ++k) EnableAll({distances[k], speeds[k]}, false);
    // The sites belong to the variable wind only.
    if (RadioGroup4->ItemIndex() != CrossWindVariable) return;
    const int sites = CrossWindSitesInUse(ComboBox3->ItemIndex());
    // The first site's distance is never open for editing, only the later ones.
    for (int k = 1; k < sites; ++k) distances[k]->SetEnabled(true);
    for (int k = 0; k < sites; ++k) speeds[k]->SetEnabled(true);
}

void Tvstup::RadioGroup7Click(TObject*) {
    // The captions end at their fields whatever their length.
    if (RadioGroup7->ItemIndex() == WindSpeedAndAngle) {
        Label22->SetCaption("Wind Speed:");
        Label24->SetCaption("Wind Angle:");
        Label34->SetCaption("deg");
        // A wind given by speed and angle is one constant wind.
        RadioGroup4->SetItemIndex(CrossWindConstant);
        RadioGroup4->SetEnabled(false);
    } else {
        Label22->SetCaption("Cross Wind:");
        Label24->SetCaption("Longitudinal Wind:");
        Label34->SetCaption("m/s");
        RadioGroup4->SetEnabled(true);
    }
}

void Tvstup::RadioGroup6Click(TObject*) {
    const int item = RadioGroup6->ItemIndex();
    Edit8->SetEnabled(item == PressureDirect);
    Edit29->SetEnabled(item == PressureFromAltitude);
}

void Tvstup::CheckBox11Click(TObject*) {
    const bool fromLatitude = CheckBox11->Checked();
    Edit56->SetEnabled(fromLatitude);
    Edit58->SetEnabled(!fromLatitude);
    // The Coriolis force needs the latitude as well.
    if (CheckBox10->Checked()) Edit56->SetEnabled(true);
}

void Tvstup::CheckBox10Click(TObject*) {
    const bool coriolis = CheckBox10->Checked();
    EnableAll({Edit54, Edit56}, coriolis);
    if (CheckBox11->Checked()) Edit56->SetEnabled(true);
}

void Tvstup::CheckBox3Click(TObject*) {
    EnableAll({Edit57, Edit59, Edit60, Edit61, Edit62, Edit12, ComboBox5}, CheckBox3->Checked());
}

void Tvstup::RadioButton1Click(TObject*) {
    if (!RadioButton1->Checked()) return;
    RadioButton2->SetChecked(false);
    ShowAll({Label37, Label38, Label40}, true);
    ShowAll({Label104, Label105, Label106}, false);
    const double slant = StrToFloat(Edit7->Text());
    const double angle = StrToFloat(Edit14->Text()) / SlopeDegreesPerRadian;
    Edit7->SetText(FloatToStr(RoundToDecimals(std::cos(angle) * slant, SlopeDecimals)));
    Edit14->SetText(FloatToStr(RoundToDecimals(std::sin(angle) * slant, SlopeDecimals)));
}

void Tvstup::RadioButton2Click(TObject*) {
    if (!RadioButton2->Checked()) return;
    RadioButton1->SetChecked(false);
    ShowAll({Label37, Label38, Label40}, false);
    ShowAll({Label104, Label105, Label106}, true);
    const double distance = StrToFloat(Edit7->Text());
    const double height = StrToFloat(Edit14->Text());
    // A target at the muzzle has no direction; it stays level at 0 m.
    const double slope = distance == 0 && height == 0 ? 0 : height / distance;
    Edit14->SetText(
        FloatToStr(RoundToDecimals(std::atan(slope) * SlopeDegreesPerRadian, SlopeDecimals)));
    // The slant distance follows the angle as the field shows it.
    const double angle = StrToFloat(Edit14->Text()) / SlopeDegreesPerRadian;
    double slant = distance / std::cos(angle);
    // An angle shown as 90 leaves a cosine of about 6e-17, and a distance
    // beyond 1e292 m then overflows: such a target is simply that far away.
    if (!std::isfinite(slant)) slant = std::hypot(distance, height);
    Edit7->SetText(FloatToStr(RoundToDecimals(slant, SlopeDecimals)));
}

void Tvstup::RadioGroup8Click(TObject*) {
    // The reticle shown was computed for the other dot mode.
    Button20->SetEnabled(false);
}

void Tvstup::ComboBox7Change(TObject*) {
    Button20->SetEnabled(false);
}
