// Calculator window. The uphill/downhill table: a range table for a target
// above or below the shooter, measured from the tilted line of sight.
#include <string>
#include <vector>

#include "compute/RangeTable.h"
#include "engine/numeric.h"
#include "engine/setup.h"
#include "engine/state.h"
#include "platform/sysutils.h"
#include "ui/Vstup1.h"

namespace {

// A height limit of this value means that none is given.
constexpr double NoLimit = 1000000;
// Elevation angles the shot may take, degrees.
constexpr double LowestAngle = -89;
constexpr double HighestAngle = 89;

// "Axis Y" and "Axis X" items of the height-over-range graph.
constexpr int HeightItem = 0;
constexpr int TimeItem = 0;
constexpr int RangeItem = 1;

}  // namespace

void Tvstup::BindSlopeHandlers() {
    Bind("Button11Click", [this](TObject* s) { Button11Click(s); });
}

void Tvstup::Button11Click(TObject*) {
    EngineState& e = Engine();
    e.Settings.ComputationMode = 1;
    // The whole run keeps the step set on the scroll bar.
    CheckBox8->SetChecked(false);
    PrepareComputation();
    const bool slant = RadioButton2->Checked();
    ReadSlopeTarget(slant);
    const double lineAngle = SlopeLineAngle(e.Slope);
    // The rifle keeps its angle to the line of sight, which is tilted to the target.
    e.Input.DepartureAngle += lineAngle;
    if (e.Input.DepartureAngle < LowestAngle) ShowErrorAndAbort("Angle less than -89 deg.");
    if (e.Input.DepartureAngle > HighestAngle) ShowErrorAndAbort("Angle greater than 89 deg");
    e.Settings.ComputationRangeX = e.Slope.SlopeTargetDistance;
    e.Settings.ComputationRangeY = NoLimit;
    RunIntegration();
    RadioGroup1Click(this);

    const double stepFactor = slant ? SlantStepFactor(lineAngle) : 1;
    RaiseTableStep(stepFactor);
    WriteSlopeTable(slant, stepFactor);
    ShowDerivedTableControls();
    KeepComputationForFiles(slant);
    Button5->SetEnabled(true);
    CheckBox8->SetChecked(true);
}

void Tvstup::ReadSlopeTarget(bool slant) {
    SlopeShot& target = Engine().Slope;
    if (slant) {
        const double angle = StrToFloat(Edit14->Text());
        if (angle < LowestAngle) ShowErrorAndAbort("Angle less than -89 deg.");
        if (angle > HighestAngle) ShowErrorAndAbort("Angle greater than 89 deg.");
        target = SlantTarget(StrToFloat(Edit7->Text()), angle);
    } else {
        target.SlopeTargetDistance = StrToFloat(Edit7->Text());
        target.SlopeTargetHeight = StrToFloat(Edit14->Text());
    }
    if (!(target.SlopeTargetDistance > 0))
        ShowErrorAndAbort("Distance less than or equal to zero.");
}

void Tvstup::WriteSlopeTable(bool slant, double stepFactor) {
    const EngineState& e = Engine();
    // The rows fall on whole steps along the line in the slant form; the
    // selected step itself stays unscaled for "Save".
    AppendTable(
        SlopeTableHead(TableDragModelLines(), e.Traj.LastPointIndex, slant),
        SelectSlopeTableRows(e.Traj, RangeTableSettingsOf(e, stepFactor), e.Slope, stepFactor));
}

void Tvstup::ShowDerivedTableControls() {
    RadioGroup1->SetEnabled(true);
    // The clones belong to a height-over-range graph; with no item chosen on
    // an axis they keep their state.
    const int y = RadioGroup1->ItemIndex();
    const int x = RadioGroup2->ItemIndex();
    if (y == HeightItem && x == RangeItem) {
        BitBtn1->SetEnabled(true);
        BitBtn2->SetEnabled(true);
    } else if (y > HeightItem || x == TimeItem) {
        BitBtn1->SetEnabled(false);
        BitBtn2->SetEnabled(false);
    }
    CheckBox1->SetEnabled(true);
    CheckBox2->SetEnabled(true);
}
