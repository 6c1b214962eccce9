#include "ui/tools/Tabulka1.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/dragtables.h"
#include "engine/numeric.h"
#include "engine/setup.h"
#include "files/CartridgeList.h"
#include "forms/tabulka_form.h"
#include "platform/base.h"
#include "platform/safefile.h"
#include "platform/sysutils.h"
#include "ui/Vstup1.h"

Ttabulka* tabulka = nullptr;

namespace {

// Row 0 holds the headers, column 0 the row numbers; list column c is grid column c + 1.
constexpr int HeaderRow = 0;
constexpr int NumberColumn = 0;
constexpr int GridColumn(int listColumn) {
    return listColumn + 1;
}
constexpr int FirstCell = GridColumn(ListCaliber);
constexpr int LastCell = GridColumn(ListNotice);

constexpr const char* Headers[ListColumnCount] = {
    " Caliber [mm]",   "  B.C.",        "   Drag ",           "   Weight [g]",
    " Velocity [m/s]", "  Barrel [cm]", "            Notice "};

// The list window is this much shorter than the calculator window.
constexpr int HeightBelowCalculator = 40;

constexpr char NoListMessage[] = "File contains no List of Bullets or Cartridges. ";

}  // namespace

Ttabulka::Ttabulka() : TForm(TabulkaForm()) {
    StringGrid1 = Find<TStringGrid>("StringGrid1");
    GroupBox1 = Find<TGroupBox>("GroupBox1");
    GroupBox2 = Find<TGroupBox>("GroupBox2");
    GroupBox3 = Find<TGroupBox>("GroupBox3");
    Edit1 = Find<TEdit>("Edit1");
    Edit2 = Find<TEdit>("Edit2");
    Button1 = Find<TButton>("Button1");
    Button2 = Find<TButton>("Button2");
    Button3 = Find<TButton>("Button3");
    Button4 = Find<TButton>("Button4");
    Button5 = Find<TButton>("Button5");
    Button7 = Find<TButton>("Button7");
    SaveDialog1 = Find<TSaveDialog>("SaveDialog1");
    OpenDialog1 = Find<TOpenDialog>("OpenDialog1");

    Bind("FormCreate", [this](TObject* s) { FormCreate(s); });
    Bind("FormActivate", [this](TObject* s) { FormActivate(s); });
    Bind("Button1Click", [this](TObject* s) { Button1Click(s); });
    Bind("Button2Click", [this](TObject* s) { Button2Click(s); });
    Bind("Button3Click", [this](TObject* s) { Button3Click(s); });
    Bind("Button4Click", [this](TObject* s) { Button4Click(s); });
    Bind("Button5Click", [this](TObject* s) { Button5Click(s); });
    Bind("Button7Click", [this](TObject* s) { Button7Click(s); });
    Bind("StringGrid1MouseDown", [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        StringGrid1MouseDown(s, b, sh, x, y);
    });
    FinishCreate();
}

void Ttabulka::FormCreate(TObject*) {
    for (int c = 0; c < ListColumnCount; ++c)
        StringGrid1->SetCell(GridColumn(c), HeaderRow, Headers[c]);
    // The user's notation of 1.1 shows the system's decimal separator.
    Edit2->SetText(FloatToStr(1.1));
    const std::string probe = Edit2->Text();
    if (probe.size() > 1 && probe[1] == '.') SystemUsesDecimalPoint = 1;
    OpenDialog1->InitialDir = ExtractFilePath(ExeName());
}

void Ttabulka::FormActivate(TObject*) {
    if (!vstup) return;
    const int wanted = vstup->Height() - HeightBelowCalculator;
    SetClientHeight(ClientHeight() + wanted - Height());
}

int Ttabulka::AddListRow() {
    if (StringGrid1->Cell(GridColumn(ListCaliber), 1) != "0") Button5Click(this);
    return StringGrid1->RowCount() - 1;
}

void Ttabulka::Button5Click(TObject*) {
    const int n = StringGrid1->RowCount();
    StringGrid1->SetRowCount(n + 1);
    for (int c = FirstCell; c <= LastCell; ++c) StringGrid1->SetCell(c, n, "0");
    for (int r = 1; r <= n; ++r) StringGrid1->SetCell(NumberColumn, r, IntToStr(r));
}

void Ttabulka::Button1Click(TObject*) {
    StringGrid1->SetRowCount(2);
    for (int c = FirstCell; c <= LastCell; ++c) StringGrid1->SetCell(c, 1, "0");
}

void Ttabulka::Button2Click(TObject*) {
    // Compared as a number first, so no text can turn into an int it does not fit.
    const double number = std::trunc(StrToFloat(Edit1->Text()));
    const int n = StringGrid1->RowCount();
    if (number < 1 || number >= n) ShowErrorAndAbort("This Row does not exist.");
    if (n == 2) ShowErrorAndAbort("This Row cannot be deleted.");
    for (int r = static_cast<int>(number); r < n - 1; ++r) {
        for (int c = FirstCell; c <= LastCell; ++c)
            StringGrid1->SetCell(c, r, StringGrid1->Cell(c, r + 1));
    }
    StringGrid1->SetRowCount(n - 1);
}

// The order and the texts of a bubble sort that swaps a row upward only past
// a strictly larger calibre, so rows of equal calibre (a cartridge and its
// "vari." rows) keep their order, in one stable sort instead of n² steps. Such
// a bubble sort swaps each pair of rows out of order once, so it rewrites the
// calibre of exactly the rows with a larger calibre above them or a smaller
// one below; the others keep their text.
void Ttabulka::Button7Click(TObject*) {
    const int n = StringGrid1->RowCount();
    const int caliber = GridColumn(ListCaliber);
    // Every calibre is read before a row moves: one that is no number ends
    // the sort with the list as it was.
    std::vector<double> calibres(n);
    for (int r = 1; r < n; ++r) calibres[r] = StrToFloat(CellNumber(caliber, r));
    std::vector<int> order;
    for (int r = 1; r < n; ++r) order.push_back(r);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return calibres[a] < calibres[b]; });
    std::vector<bool> rewritten(n, false);
    double largestAbove = -INFINITY, smallestBelow = INFINITY;
    for (int r = 1; r < n; ++r) {
        rewritten[r] = largestAbove > calibres[r];
        largestAbove = std::max(largestAbove, calibres[r]);
    }
    for (int r = n - 1; r >= 1; --r) {
        rewritten[r] = rewritten[r] || smallestBelow < calibres[r];
        smallestBelow = std::min(smallestBelow, calibres[r]);
    }
    std::vector<std::vector<std::string>> rows(n);
    for (int r = 1; r < n; ++r)
        for (int c = caliber; c <= LastCell; ++c) rows[r].push_back(StringGrid1->Cell(c, r));
    for (int target = 1; target < n; ++target) {
        const int source = order[target - 1];
        if (rewritten[source])
            rows[source][0] =
                PointToComma(FloatToStr(calibres[source]), SystemUsesDecimalPoint == 1);
        for (int c = caliber; c <= LastCell; ++c)
            StringGrid1->SetCell(c, target, rows[source][c - caliber]);
    }
}

void Ttabulka::Button4Click(TObject*) {
    if (!SaveDialog1->Execute()) return;
    std::vector<CartridgeRow> rows;
    for (int r = 1; r < StringGrid1->RowCount(); ++r) {
        CartridgeRow row;
        for (int c = 0; c < ListColumnCount; ++c) row[c] = StringGrid1->Cell(GridColumn(c), r);
        switch (CheckListRow(row)) {
            case ListRowCheck::Skip:
                break;
            case ListRowCheck::Refuse:
                ShowErrorAndAbort(
                    FormatLine("Row %d has an empty cell or a blank inside a word.", r));
            case ListRowCheck::Write:
                rows.push_back(std::move(row));
                break;
        }
    }
    if (!WriteFileAtomically(SaveDialog1->FileName,
                             CartridgeListText(rows, SystemUsesDecimalPoint == 1)))
        ShowErrorAndAbort(FileWriteFailedMessage);
}

void Ttabulka::Button3Click(TObject*) {
    if (!OpenDialog1->Execute()) return;
    // A file that cannot be read (or is no regular file) changes nothing,
    // without a message; one far too large for a list is no list.
    std::string content;
    const FileReadStatus read = ReadFileBounded(OpenDialog1->FileName, content);
    if (read == FileReadStatus::Unavailable) return;
    const std::optional<std::vector<CartridgeRow>> rows =
        read == FileReadStatus::Read ? ParseCartridgeList(content) : std::nullopt;
    if (!rows) ShowErrorAndAbort(NoListMessage);

    const int count = static_cast<int>(rows->size());
    StringGrid1->SetRowCount(count + 1);
    for (int r = 1; r <= count; ++r) {
        StringGrid1->SetCell(NumberColumn, r, IntToStr(r));
        for (int c = 0; c < ListColumnCount; ++c)
            StringGrid1->SetCell(GridColumn(c), r, (*rows)[r - 1][c]);
    }
}

std::string Ttabulka::CellNumber(int col, int row) const {
    return CommaToPoint(StringGrid1->Cell(col, row), SystemUsesDecimalPoint == 1);
}

bool Ttabulka::IsVariableRow(int row) const {
    return row < StringGrid1->RowCount() &&
           StringGrid1->Cell(GridColumn(ListDrag), row) == VariableRowMark;
}

void Ttabulka::StringGrid1MouseDown(TObject*, TMouseButton, TShiftState, int X, int Y) {
    int col = -1;
    int row = -1;
    if (!StringGrid1->MouseToCell(X, Y, col, row)) return;
    if (X == 0 || Y == 0 || row <= HeaderRow) return;
    const std::string drag = StringGrid1->Cell(GridColumn(ListDrag), row);
    if (drag.empty() || drag == VariableRowMark) return;
    if (drag == DragFunctionItems[GlItem]) ShowErrorAndAbort(GlUnavailableMessage);
    if (!vstup) return;
    Tvstup& w = *vstup;

    w.RadioGroup5->SetItemIndex(CoefficientBallistic);
    // Another name keeps the calculator window's function.
    for (int item = 1; item < DragTableRows; ++item) {
        if (drag == DragFunctionItems[item]) w.ComboBox6->SetItemIndex(item);
    }
    w.ComboBox6Change(this);
    w.Edit33->SetText(StringGrid1->Cell(GridColumn(ListNotice), row));
    w.Edit3->SetText(CellNumber(GridColumn(ListCaliber), row));
    w.Edit1->SetText(CellNumber(GridColumn(ListCoefficient), row));
    w.Edit2->SetText(CellNumber(GridColumn(ListWeight), row));
    w.Edit4->SetText(CellNumber(GridColumn(ListVelocity), row));
    if (IsVariableRow(row + 1)) CopyBands(row);
    Edit1->SetText(IntToStr(row));
}

// Band 1 is the cartridge row's coefficient above the velocity below which
// band 2, the first "vari." row, applies; each further "vari." row right
// below adds the next band, and the first other row ends them.
void Ttabulka::CopyBands(int row) {
    Tvstup& w = *vstup;
    for (TEdit* edit : {w.Edit30, w.Edit31, w.Edit32, w.Edit34, w.Edit35, w.Edit36, w.Edit37,
                        w.Edit38, w.Edit39, w.Edit40})
        edit->SetText("0");
    for (TCheckBox* box : {w.CheckBox6, w.CheckBox7, w.CheckBox9}) box->SetChecked(false);
    w.RadioGroup5->SetItemIndex(CoefficientVariable);

    const int coefficient = GridColumn(ListCoefficient);
    const int velocity = GridColumn(ListVelocity);
    w.Edit36->SetText(CellNumber(coefficient, row));
    w.Edit30->SetText(CellNumber(velocity, row + 1));
    w.Edit37->SetText(CellNumber(coefficient, row + 1));
    w.Edit31->SetText(CellNumber(velocity, row + 1));
    const struct {
        TEdit* coefficient;
        TEdit* velocity;
        TCheckBox* box;
    } later[] = {{w.Edit38, w.Edit32, w.CheckBox6},
                 {w.Edit39, w.Edit34, w.CheckBox7},
                 {w.Edit40, w.Edit35, w.CheckBox9}};
    for (int k = 0; k < 3 && IsVariableRow(row + 2 + k); ++k) {
        later[k].coefficient->SetText(CellNumber(coefficient, row + 2 + k));
        later[k].velocity->SetText(CellNumber(velocity, row + 2 + k));
        later[k].box->SetChecked(true);
    }
}
