// Calculator window. Compute! and the range table written into the result pane.
#include "compute/RangeTable.h"
#include "compute/Zeroing.h"
#include "engine/numeric.h"
#include "engine/setup.h"
#include "engine/state.h"
#include "platform/sysutils.h"
#include "ui/Vstup1.h"

namespace {

// A range or height limit of this value means that none was given.
constexpr double NoLimit = 1000000;

// "Computation Modes" items beside "Angle of Departure" (item 0).
constexpr int ZeroRange = 1;
constexpr int ZeroRangeXY = 2;

}  // namespace

void Tvstup::BindComputeHandlers() {
    Bind("Button3Click", [this](TObject* s) { Button3Click(s); });
}

void Tvstup::Button3Click(TObject*) {
    EngineState& e = Engine();
    const int modeItem = RadioGroup3->ItemIndex();
    const bool zeroing = modeItem == ZeroRange || modeItem == ZeroRangeXY;
    e.Settings.ComputationMode = zeroing ? 2 : 1;
    PrepareComputation();
    ReadComputationRange();
    if (zeroing) ZeroTheRifle(modeItem == ZeroRangeXY);
    // The zeroing runs wrote the arrays since the set-up cleared them.
    ClearTrajectoryArrays(e.Traj);
    RunIntegration();
    // The zeroing of "Zero Range X,Y" ran with fixed steps; later runs follow the angle again.
    if (modeItem == ZeroRangeXY) CheckBox8->SetChecked(true);
    RadioGroup1Click(this);
    RaiseTableStep();
    WriteRangeTable();
    ShowResultControls();
    e.Settings.ComputationMode = 0;
}

void Tvstup::ReadComputationRange() {
    ComputationSettings& s = Engine().Settings;
    s.ComputationRangeX = NoLimit;
    s.ComputationRangeY = NoLimit;
    if (!CheckBox4->Checked() && !CheckBox5->Checked())
        ShowErrorAndAbort("Unspecified Computation Range.");
    if (CheckBox4->Checked()) s.ComputationRangeX = StrToFloat(Edit15->Text());
    if (CheckBox5->Checked()) s.ComputationRangeY = StrToFloat(Edit16->Text());
}

void Tvstup::ZeroTheRifle(bool wantedHeight) {
    EngineState& e = Engine();
    ZeroingTarget target;
    target.ZeroRange = e.Input.ZeroRange;
    target.LimitAngles = !wantedHeight;
    if (wantedHeight) {
        target.OffsetDegrees = ZeroingOffset(StrToFloat(Edit63->Text()), e.Input.ZeroRange);
        // The zeroing runs keep the step they start with, so the aim does not
        // jump with the step from one run to the next.
        CheckBox8->SetChecked(false);
    }
    ZeroDepartureAngle(target, [this] { RunIntegration(); });
    Edit6->SetText(FloatToStr(RoundToDecimals(e.Input.DepartureAngle, 6)));
    e.Settings.ComputationMode = 1;
}

void Tvstup::RaiseTableStep(double stepFactor) {
    EngineState& e = Engine();
    while (TableStepTooSmall(e.Traj, e.Settings.RangeStep * stepFactor)) {
        const int next = NextStepItem(ComboBox1->ItemIndex(), ComboBox1->Items().Count());
        if (next < 0) return;  // 1000 m already: the list ends here
        ComboBox1->SetItemIndex(next);
        ComboBox1Change(ComboBox1);
        Memo1->Lines().Add("  Computation Step was increased.");
    }
}

std::vector<std::string> Tvstup::TableDragModelLines() const {
    const EngineState& e = Engine();
    const bool variableBc = RadioGroup5->ItemIndex() == CoefficientVariable;
    return DragModelLines(variableBc, ComboBox6->ItemIndex(), e.Input.BallisticCoefficient,
                          e.DragFileName);
}

void Tvstup::AppendTable(const std::vector<std::string>& head,
                         const std::vector<RangeTableRow>& rows) {
    // The table reaches the pane as one block, between two "  " lines.
    std::vector<std::string> lines{"  "};
    lines.insert(lines.end(), head.begin(), head.end());
    for (const RangeTableRow& row : rows) lines.push_back(FormatRangeTableRow(row));
    lines.push_back("  ");
    Memo1->Lines().AddLines(lines);
}

void Tvstup::WriteRangeTable() {
    const EngineState& e = Engine();
    AppendTable(RangeTableHead(TableDragModelLines(), e.Traj.LastPointIndex),
                SelectRangeTableRows(e.Traj, RangeTableSettingsOf(e)));
}

void Tvstup::ShowResultControls() {
    KeepComputationForFiles(false);
    Button5->SetEnabled(true);
    const bool heightOverRange = RadioGroup1->ItemIndex() == 0 && RadioGroup2->ItemIndex() == 1;
    BitBtn1->SetEnabled(heightOverRange);
    BitBtn2->SetEnabled(heightOverRange);
    RadioGroup1->SetEnabled(true);
    // The line of sight belongs to a height-over-range graph only.
    if (heightOverRange) CheckBox1->SetChecked(true);
}
