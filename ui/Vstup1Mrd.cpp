// Calculator window. The MRD/GEE search: the zero range at which a trajectory
// rises no higher than a given height above the line of sight, and the range
// out to which it stays within that height below it.
#include "compute/MrdSearch.h"
#include "engine/numeric.h"
#include "engine/state.h"
#include "platform/sysutils.h"
#include "ui/Vstup1.h"

namespace {

// The search aims a little below the entered height, so the found path stays under it.
constexpr double ApexShare = 0.99;
// 1 / ApexShare: the result line shows the height as entered.
constexpr double EnteredShare = 1.0101010101010102;
constexpr double CentimetresToMetres = 0.01;
constexpr int ZeroRangeItem = 1;  // "Computation Modes"

}  // namespace

void Tvstup::BindMrdHandlers() {
    Bind("Button10Click", [this](TObject* s) { Button10Click(s); });
}

void Tvstup::Button10Click(TObject*) {
    EngineState& e = Engine();
    e.Settings.ComputationMode = 3;
    e.Mrd.ApexHeight = -200;
    // The search and its zeroed run fly in the plane of the shot.
    CheckBox10->SetChecked(false);
    CheckBox3->SetChecked(false);
    PrepareComputation();
    const double height = StrToFloat(Edit41->Text());
    // A height on or below the line of sight has no apex to aim at.
    if (!(height > 0)) ShowErrorAndAbort("Max. Traj. Height less than or equal to zero.");
    e.Mrd.ApexHeightTarget = height * ApexShare * CentimetresToMetres;
    ApexDepartureAngle(e.Mrd.ApexHeightTarget, [this] { RunIntegration(); });

    Edit6->SetText(FloatToStr(RoundToDecimals(e.Input.DepartureAngle, 4)));
    Edit19->SetText(FloatToStr(RoundToDecimals(e.Mrd.GeeDistance, 0)));
    // The zeroed run goes on until the path falls as far below the line of
    // sight as its apex rose above it.
    CheckBox4->SetChecked(false);
    CheckBox5->SetChecked(true);
    Edit16->SetText(FloatToStr(RoundToDecimals(-e.Mrd.ApexHeightTarget, 3)));
    RadioGroup3->SetItemIndex(ZeroRangeItem);
    Button3Click(this);
    e.Settings.ComputationMode = 0;
    WriteMrdResults();
    ShowDerivedTableControls();
    // As after every search, nothing is saved until the next "Compute!".
    Button5->SetEnabled(false);
}

void Tvstup::WriteMrdResults() {
    const EngineState& e = Engine();
    TStrings& memo = Memo1->Lines();
    memo.Add("  ");
    memo.Add(
        FormatLine("  Maximum Trajectory Height:                                     %6.1f  cm",
                   e.Mrd.ApexHeightTarget * 100 * EnteredShare));
    memo.Add(
        FormatLine("  MRD (=The Most Recommended Distance), GEE: %6.0f  m", e.Mrd.GeeDistance));
    memo.Add(FormatLine("  Maximum Schooting Distance:                                %6.0f  m",
                        e.Traj.TrajRange[e.Traj.LastPointIndex]));
}
