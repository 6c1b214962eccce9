// Calculator window. The two "GO!" buttons of the drag tab: the ballistic
// coefficient from a velocity measured at a distance, and the coefficient and
// departure angle from two measured trajectory heights.
#include <initializer_list>
#include <string>

#include "compute/CoefficientSearch.h"
#include "engine/numeric.h"
#include "engine/setup.h"
#include "engine/state.h"
#include "platform/sysutils.h"
#include "ui/Vstup1.h"

namespace {

constexpr int VelocityMode = 4;
constexpr int TwoPointMode = 5;

// The measuring point must lie this far beyond the chronograph (m), so the
// velocity loss between them says something about the drag.
constexpr double ShortestMeasuringDistance = 5;
constexpr double CentimetresToMetres = 0.01;
constexpr int CoefficientDecimals = 4;
constexpr int AngleDecimals = 6;

}  // namespace

void Tvstup::BindCoefficientHandlers() {
    Bind("Button12Click", [this](TObject* s) { Button12Click(s); });
    Bind("Button14Click", [this](TObject* s) { Button14Click(s); });
}

void Tvstup::Button12Click(TObject*) {
    EngineState& e = Engine();
    StartCoefficientSearch(VelocityMode);
    e.Input.ZeroRange = StrToFloat(Edit20->Text());
    if (!(e.Input.ZeroRange - StrToFloat(Edit22->Text()) >= ShortestMeasuringDistance))
        ShowErrorAndAbort("Distance less than 5 m.");
    e.MeasuredVelocity = StrToFloat(Edit21->Text());
    // The search divides by the measured velocity.
    if (!(e.MeasuredVelocity > 0)) ShowErrorAndAbort("Velocity less than or equal to zero.");
    if (!(e.MeasuredVelocity <= e.Input.MuzzleVelocity))
        ShowErrorAndAbort("Velocity greater than Muzzle Velocity.");
    e.Input.DepartureAngle = SearchStartAngle(e.Input.ZeroRange);

    SearchCoefficientForVelocity(e.MeasuredVelocity, [this](bool atLowest) {
        // At the lowest coefficient the bullet may stop short of the
        // distance; the coefficient is then the cause, not the step.
        if (atLowest)
            RunIntegration([] { ShowErrorAndAbort("Ballistic Coefficient less than 0.001."); });
        else
            RunIntegration();
    });
    WriteSearchedCoefficient();
    FinishCoefficientSearch();
}

void Tvstup::Button14Click(TObject*) {
    EngineState& e = Engine();
    StartCoefficientSearch(TwoPointMode);
    TrajectoryFit& fit = e.Fit;
    fit.FitDistance1 = StrToFloat(Edit25->Text());
    fit.FitDistance2 = StrToFloat(Edit27->Text());
    fit.FitMeasuredHeight1 = StrToFloat(Edit26->Text()) * CentimetresToMetres;
    fit.FitMeasuredHeight2 = StrToFloat(Edit28->Text()) * CentimetresToMetres;
    // The run records the heights in the order it passes the distances.
    if (!(fit.FitDistance1 > 0)) ShowErrorAndAbort("Distance less than or equal to zero.");
    if (!(fit.FitDistance2 > fit.FitDistance1))
        ShowErrorAndAbort("Distance X2 must be greater than Distance X1.");
    e.Input.DepartureAngle = SearchStartAngle(fit.FitDistance2);

    FitAngleAndCoefficient([this] { RunIntegration(); });
    e.Input.DepartureAngle = RoundToDecimals(e.Input.DepartureAngle, AngleDecimals);
    Edit6->SetText(FloatToStr(e.Input.DepartureAngle));
    WriteSearchedCoefficient();
    Memo1->Lines().Add(FormatLine("  Angle of Departure [deg]:   %6.4f  ", e.Input.DepartureAngle));
    FinishCoefficientSearch();
    // The next "Compute!" flies the fitted angle.
    RadioGroup3->SetItemIndex(ModeAngleOfDeparture);
}

void Tvstup::StartCoefficientSearch(int mode) {
    Engine().Settings.ComputationMode = mode;
    // The searches work with one coefficient for the whole flight, and
    // without the sideways effects that would only slow every run.
    if (RadioGroup5->ItemIndex() == CoefficientVariable)
        RadioGroup5->SetItemIndex(CoefficientBallistic);
    CheckBox10->SetChecked(false);
    CheckBox3->SetChecked(false);
    PrepareComputation();
}

void Tvstup::WriteSearchedCoefficient() {
    InputParameters& in = Engine().Input;
    // The form factor comes from the unrounded coefficient.
    in.FormFactor =
        RoundToDecimals(SearchFormFactor(in.BallisticCoefficient, in.BulletMass, in.BulletDiameter),
                        CoefficientDecimals);
    in.BallisticCoefficient = RoundToDecimals(in.BallisticCoefficient, CoefficientDecimals);
    if (RadioGroup5->ItemIndex() == CoefficientFormFactor)
        Edit1->SetText(FloatToStr(in.FormFactor));
    else if (RadioGroup5->ItemIndex() == CoefficientBallistic)
        Edit1->SetText(FloatToStr(in.BallisticCoefficient));
    TStrings& memo = Memo1->Lines();
    memo.Add("  ");
    const std::string dragLine = SearchDragFunctionLine(ComboBox6->ItemIndex());
    if (!dragLine.empty()) memo.Add(dragLine);
    memo.Add(FormatLine("  Form Factor:                       %6.4f  ", in.FormFactor));
    memo.Add(FormatLine("  Ballistic Coefficient:            %6.4f  ", in.BallisticCoefficient));
}

void Tvstup::FinishCoefficientSearch() {
    Engine().Settings.ComputationMode = 0;
    Button6Click(this);
    // The result arrays no longer hold a table run.
    for (TControl* control : std::initializer_list<TControl*>{RadioGroup1, BitBtn1, BitBtn2,
                                                              Button5, CheckBox1, CheckBox2})
        control->SetEnabled(false);
}
