// Calculator window. "Add to List": the current bullet as rows of the list of
// bullets and cartridges.
#include <string>

#include "engine/dragtables.h"
#include "engine/numeric.h"
#include "engine/setup.h"
#include "engine/state.h"
#include "files/CartridgeList.h"
#include "platform/base.h"
#include "platform/sysutils.h"
#include "ui/Vstup1.h"
#include "ui/tools/Tabulka1.h"

namespace {

constexpr char FormFactorRefused[] = "List works only with Ballistic Coefficient.";
// The list holds a barrel length; the calculator window has none.
constexpr char ListedBarrelLength[] = "60";  // cm
constexpr char VariableRowNotice[] = " Variable Ballistic Coefficient";
constexpr double GramsToKilograms = 0.001;
constexpr double MillimetresToMetres = 0.001;

// Writes the cells of one list row; column 0 of the grid numbers the rows.
class ListRow {
  public:
    ListRow(TStringGrid& grid, int row) : grid_(grid), row_(row) {}
    void Set(ListColumn column, const std::string& text) { grid_.SetCell(column + 1, row_, text); }

  private:
    TStringGrid& grid_;
    int row_;
};

}  // namespace

void Tvstup::BindListHandlers() {
    Bind("Button7Click", [this](TObject* s) { Button7Click(s); });
}

// The velocity as entered or, with a chronograph distance, corrected back to
// the muzzle and rounded to whole m/s. The correction works in the engine's
// input records, which must still describe the last computation afterwards,
// so they are put back. It uses the air and departure angle the last
// computation left there.
double Tvstup::ListedMuzzleVelocity() {
    ScopedEngineInput keep;
    InputParameters& in = Engine().Input;
    in.MuzzleVelocity = StrToFloat(Edit4->Text());
    if (StrToFloat(Edit22->Text()) != 0) {
        // The coefficient reader derives the form factor from the bullet's
        // mass and diameter, which are 0 before the first computation and
        // give no finite one; the bullet in the fields stands in then. The
        // velocity itself depends on neither.
        if (in.BulletMass == 0 || in.BulletDiameter == 0) {
            in.BulletMass = StrToFloat(Edit2->Text()) * GramsToKilograms;
            in.BulletDiameter = StrToFloat(Edit3->Text()) * MillimetresToMetres;
        }
        ReadBallisticCoefficient();
        CorrectChronographVelocity();
        in.MuzzleVelocity = RoundToDecimals(in.MuzzleVelocity, 0);
    }
    return in.MuzzleVelocity;
}

void Tvstup::Button7Click(TObject*) {
    const int mode = RadioGroup5->ItemIndex();
    if (mode == CoefficientFormFactor) ShowErrorAndAbort(FormFactorRefused);
    // The program always has the list window; a window-less test has none.
    if (!tabulka) return;
    // Computed before any row is added, so a refused velocity leaves the
    // list as it was.
    const double velocity = ListedMuzzleVelocity();

    Ttabulka& list = *tabulka;
    TStringGrid& grid = *list.StringGrid1;
    ListRow first(grid, list.AddListRow());
    // A function loaded from a file has no name to list.
    const int item = ComboBox6->ItemIndex();
    if (item > FileFunctionItem && item < DragTableRows)
        first.Set(ListDrag, std::string(DragFunctionItems[item]));
    first.Set(ListCaliber, Edit3->Text());
    first.Set(ListWeight, Edit2->Text());
    first.Set(ListVelocity, FloatToStr(velocity));
    first.Set(ListBarrel, ListedBarrelLength);
    first.Set(ListNotice, Edit33->Text());
    if (mode == CoefficientBallistic) first.Set(ListCoefficient, Edit1->Text());
    if (mode != CoefficientVariable) return;

    first.Set(ListCoefficient, Edit36->Text());
    // Band 2 always applies; bands 3 to 5 only while ticked.
    const struct {
        TCheckBox* ticked;
        TEdit* coefficient;
        TEdit* velocity;
    } bands[] = {{nullptr, Edit37, Edit31},
                 {CheckBox6, Edit38, Edit32},
                 {CheckBox7, Edit39, Edit34},
                 {CheckBox9, Edit40, Edit35}};
    for (const auto& band : bands) {
        if (band.ticked && !band.ticked->Checked()) continue;
        list.Button5Click(this);
        ListRow row(grid, grid.RowCount() - 1);
        row.Set(ListCaliber, Edit3->Text());
        row.Set(ListWeight, Edit2->Text());
        row.Set(ListNotice, VariableRowNotice);
        row.Set(ListDrag, VariableRowMark);
        row.Set(ListBarrel, ListedBarrelLength);
        row.Set(ListCoefficient, band.coefficient->Text());
        row.Set(ListVelocity, band.velocity->Text());
    }
}
