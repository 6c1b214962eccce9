// Calculator window. "Save": the save options, the file dialog, the table
// step of the saved table and the writer of the chosen file kind.
#include <optional>
#include <ostream>
#include <string>
#include <utility>

#include "compute/RangeTable.h"
#include "engine/state.h"
#include "files/ResultsFiles.h"
#include "platform/base.h"
#include "platform/safefile.h"
#include "ui/Vstup1.h"
#include "ui/tools/Nastaveniuloz1.h"

namespace {

// "Save to File" items.
constexpr int SemicolonCsvKind = 1;
constexpr int CommaCsvKind = 2;
constexpr int AllDataKind = 3;

constexpr int CrossWindVariableItem = 1;

// The target of the last up/downhill table; none after a level computation,
// whose set-up resets the target height.
std::optional<RangeTableSlope> SavedTableSlope(bool slantDistances) {
    const SlopeShot& shot = Engine().Slope;
    if (shot.SlopeTargetHeight == 0) return std::nullopt;
    RangeTableSlope slope;
    slope.TargetHeight = shot.SlopeTargetHeight;
    slope.TargetDistance = shot.SlopeTargetDistance;
    slope.LineAngle = SlopeLineAngle(shot);
    if (slantDistances) slope.StepFactor = SlantStepFactor(slope.LineAngle);
    return slope;
}

// Points 9 and 10 stand for the spacing of the run: one point must never
// have to serve two rows of the saved table, whose step is the list's step
// times the factor. Raises through the "Step" list, which ends at 1000 m.
void RaiseSavedTableStep(Tvstup& w, double stepFactor) {
    const TrajectoryArrays& t = Engine().Traj;
    while (t.TrajRange[10] - t.TrajRange[9] >= Engine().Settings.RangeStep * stepFactor) {
        const int next = NextStepItem(w.ComboBox1->ItemIndex(), w.ComboBox1->Items().Count());
        if (next < 0) return;
        w.ComboBox1->SetItemIndex(next);
        w.ComboBox1Change(w.ComboBox1);
        w.Memo1->Lines().Add(" Computation Step in saved file was increased.");
    }
}

// The option lines of the computation, from the choices its set-up read.
ResultsOptions OptionLines(const Tvstup& w) {
    ResultsOptions lines;
    lines.VariableCrossWind = w.RadioGroup4->ItemIndex() == CrossWindVariableItem;
    lines.Coriolis = w.CheckBox10->Checked();
    lines.Drift = w.CheckBox3->Checked();
    return lines;
}

// The kept computation with the columns ticked in the save options and the
// list's step, scaled along the line of an up/downhill table.
ResultsTable SavedTable(const ResultsTable& computed) {
    ResultsTable table = computed;
    const Tnastaveniuloz& o = *nastaveniuloz;
    const TCheckBox* const boxes[ResultColumnCount] = {
        o.CheckBox1, o.CheckBox2, o.CheckBox3, o.CheckBox4, o.CheckBox5,
        o.CheckBox6, o.CheckBox7, o.CheckBox8, o.CheckBox9, o.CheckBox10};
    for (int c = 0; c < ResultColumnCount; ++c) table.Columns[c] = boxes[c]->Checked();
    // The list's step stays as it is; only the saved table uses the scaled one.
    const std::optional<RangeTableSlope>& slope = table.Rows.Slope;
    table.Rows.RangeStep = Engine().Settings.RangeStep * (slope ? slope->StepFactor : 1);
    return table;
}

// Writes the file of the chosen kind whole or not at all.
bool WriteSavedFile(const ResultsTable& computed, const std::string& path, int kind) {
    const TrajectoryArrays& traj = Engine().Traj;
    if (kind == AllDataKind) {
        return WriteFileAtomically(path, [&](std::ostream& out) {
            WriteAllDataText(out, computed.Header, computed.Options, traj);
            return true;
        });
    }
    const ResultsTable table = SavedTable(computed);
    return WriteFileAtomically(path, [&](std::ostream& out) {
        if (kind == SemicolonCsvKind)
            WriteResultsCsv(out, table, traj, CsvDialect::Semicolon);
        else if (kind == CommaCsvKind)
            WriteResultsCsv(out, table, traj, CsvDialect::Comma);
        else
            WriteResultsText(out, table, traj);
        return true;
    });
}

}  // namespace

void Tvstup::BindSaveHandlers() {
    Bind("Button5Click", [this](TObject* s) { Button5Click(s); });
}

void Tvstup::Button5Click(TObject*) {
    // Only the table run of a completed computation can be saved; a failed
    // or a searching action disables the button, also for code that presses it.
    if (!Button5->Enabled() || !nastaveniuloz || !computed_) return;
    CheckBox12->SetChecked(false);
    nastaveniuloz->ContinueMark = CheckBox12;
    nastaveniuloz->ShowModal();
    if (!CheckBox12->Checked()) return;

    const int kind = nastaveniuloz->RadioGroup1->ItemIndex();
    const bool csv = kind == SemicolonCsvKind || kind == CommaCsvKind;
    TSaveDialog* dialog = csv ? SaveDialog3 : SaveDialog1;
    if (!dialog->Execute()) return;

    const std::optional<RangeTableSlope>& slope = computed_->Rows.Slope;
    RaiseSavedTableStep(*this, slope ? slope->StepFactor : 1);
    if (!WriteSavedFile(*computed_, dialog->FileName, kind)) ShowMessage(FileWriteFailedMessage);
}

void Tvstup::KeepComputationForFiles(bool slantDistances) {
    ResultsTable kept;
    kept.Header = HeaderOfComputation();
    kept.Options = OptionLines(*this);
    // The step is the list's when the file is written; the rest of the row
    // settings (zero range, bullet, click) are the computation's.
    kept.Rows = RangeTableSettingsOf(Engine());
    kept.Rows.Slope = SavedTableSlope(slantDistances);
    kept.SlantDistances = slantDistances;
    computed_ = std::move(kept);
}

ResultsHeaderData Tvstup::HeaderOfComputation() const {
    const EngineState& e = Engine();
    ResultsHeaderData h;
    h.AmmoName = Edit33->Text();
    // Typed-over text selects no item; the function in use is still the one to name.
    h.DragItem = ComboBox6->ItemIndex() >= 0 ? ComboBox6->ItemIndex() : dragItemInUse_;
    h.DragFileName = e.DragFileName;
    h.ClickItem = ComboBox2->ItemIndex();
    h.Input = e.Input;
    // An up/downhill table flies the angle raised by the line's elevation;
    // the header keeps the angle to the line of sight, as the field held it,
    // so that a loaded header gives the same table again.
    if (e.Slope.SlopeTargetHeight != 0) h.Input.DepartureAngle -= SlopeLineAngle(e.Slope);
    h.SteppedBc = e.SteppedBc;
    h.ClickValue = e.Settings.ClickValue;
    h.IntegrationStep = e.Settings.IntegrationStep;
    return h;
}
