#include "ui/tools/Koeficienty1.h"

#include <algorithm>
#include <array>

#include "compute/shown_figures.h"
#include "engine/dragtables.h"
#include "engine/numeric.h"
#include "engine/setup.h"
#include "engine/state.h"
#include "forms/koeficienty_form.h"
#include "platform/base.h"
#include "platform/sysutils.h"
#include "ui/Vstup1.h"

Tkoeficienty* koeficienty = nullptr;

namespace {

constexpr double GramsToKilograms = 0.001;
constexpr double MillimetresToMetres = 0.001;
constexpr int LoadedFunctionItem = 0;  // "Loaded Fun.": the function in use
constexpr int FormFactorMode = 0;

// The result lines of function k at index k - 1, in list order.
struct ResultFormats {
    const char* formFactor;
    const char* coefficient;
};
constexpr ResultFormats ResultLines[DragTableRows - 1] = {
    {"  Form Factor (G1):        %9.4f  ",
     "  Ballistic Coefficient (G1)      [lb/in2]:    %9.4f  "},
    {"  Form Factor (G2):        %9.4f  ",
     "  Ballistic Coefficient (G2)      [lb/in2]:    %9.4f  "},
    {"  Form Factor (G5):        %9.4f  ",
     "  Ballistic Coefficient (G5)      [lb/in2]:    %9.4f  "},
    {"  Form Factor (G6):        %9.4f  ",
     "  Ballistic Coefficient (G6)      [lb/in2]:    %9.4f  "},
    {"  Form Factor (G7):        %9.4f  ",
     "  Ballistic Coefficient (G7)      [lb/in2]:    %9.4f  "},
    {"  Form Factor (G8):        %9.4f  ",
     "  Ballistic Coefficient (G8)      [lb/in2]:    %9.4f  "},
    {"  Form Factor (GL):        %9.4f  ",
     "  Ballistic Coefficient (GL)      [lb/in2]:    %9.4f  "},
    {"  Form Factor (GS):        %9.4f  ",
     "  Ballistic Coefficient (GS)      [lb/in2]:    %9.4f  "},
    {"  Form Factor (GC):        %9.4f  ",
     "  Ballistic Coefficient (GC)      [lb/in2]:    %9.4f  "},
    {"  Form Factor (RA4):      %9.4f  ", "  Ballistic Coefficient (RA4)     [lb/in2]:   %9.4f  "},
    {"  Form Factor (1943):     %9.4f  ", "  Ballistic Coefficient (1943)   [lb/in2]:    %9.4f  "},
};
// GL is listed but no table of it is included, so its lines carry no numbers.
constexpr char GlFormFactorLine[] = "  Form Factor (GL):        not available  ";
constexpr char GlCoefficientLine[] =
    "  Ballistic Coefficient (GL)      [lb/in2]:    not available  ";

// The bullet of one conversion, in SI units.
struct Bullet {
    double mass;        // kg
    double diameter;    // m
    double velocity;    // m/s, whole
    double formFactor;  // relative to the reference function
};

// The bullet from the window's fields, with the checks of the input set-up in
// its order, so that every look-up stays inside the tables and the results
// are defined. Only local values are written.
Bullet ReadBullet(const Tkoeficienty& w) {
    Bullet b{};
    b.mass = StrToFloat(w.Edit2->Text()) * GramsToKilograms;
    b.diameter = StrToFloat(w.Edit3->Text()) * MillimetresToMetres;
    b.velocity = RoundToDecimals(StrToFloat(w.Edit4->Text()), 0);
    if (b.mass <= 0) ShowErrorAndAbort("Bullet Weight less than or equal to zero.");
    if (b.diameter <= 0) ShowErrorAndAbort("Bullet Diameter less than or equal to zero.");
    if (b.velocity <= 0) ShowErrorAndAbort("Velocity less than or equal to zero.");
    if (b.velocity > MaxDragSpeed) ShowErrorAndAbort("Veloctity greater than 1700 m/s.");
    if (w.RadioGroup1->ItemIndex() == FormFactorMode) {
        b.formFactor = StrToFloat(w.Edit1->Text());
        if (b.formFactor <= 0) ShowErrorAndAbort("Form Factor less than or equal to zero.");
    } else {
        const double coefficient = StrToFloat(w.Edit1->Text());
        if (coefficient <= 0)
            ShowErrorAndAbort("Ballistic Coefficient less than or equal to zero.");
        b.formFactor = 1 / coefficient / b.diameter / b.diameter * b.mass * DragStrengthFactor;
    }
    return b;
}

}  // namespace

double InterpolateDragCoefficient(int item, double v) {
    double velocities[MaxRowPoints];
    double coefficients[MaxRowPoints];
    const int n = DragTablePoints(item, velocities, coefficients);
    if (n < 2) return 0;
    // The first point at or above v closes the segment; the velocities start
    // at 0 and end at 1700, so for v in (0, 1700] it is never the first point.
    int j = 1;
    while (j < n - 1 && velocities[j] < v) ++j;
    const double slope =
        (coefficients[j - 1] - coefficients[j]) / (velocities[j - 1] - velocities[j]);
    const double intercept = coefficients[j - 1] - slope * velocities[j - 1];
    return slope * v + intercept;
}

Tkoeficienty::Tkoeficienty() : TForm(KoeficientyForm()) {
    RadioGroup1 = Find<TRadioGroup>("RadioGroup1");
    GroupBox15 = Find<TGroupBox>("GroupBox15");
    for (auto [label, name] : {std::pair{&Label1, "Label1"},
                               {&Label2, "Label2"},
                               {&Label3, "Label3"},
                               {&Label4, "Label4"},
                               {&Label5, "Label5"},
                               {&Label15, "Label15"},
                               {&Label17, "Label17"},
                               {&Label21, "Label21"},
                               {&Label25, "Label25"},
                               {&Label75, "Label75"}})
        *label = Find<TLabel>(name);
    Edit1 = Find<TEdit>("Edit1");
    Edit2 = Find<TEdit>("Edit2");
    Edit3 = Find<TEdit>("Edit3");
    Edit4 = Find<TEdit>("Edit4");
    ComboBox1 = Find<TComboBox>("ComboBox1");
    Button1 = Find<TButton>("Button1");
    Button2 = Find<TButton>("Button2");
    Memo1 = Find<TMemo>("Memo1");

    Bind("Button1Click", [this](TObject* s) { Button1Click(s); });
    Bind("RadioGroup1Click", [this](TObject* s) { RadioGroup1Click(s); });
    Bind("Button2Click", [this](TObject* s) { Button2Click(s); });
    Bind("FormActivate", [this](TObject* s) { FormActivate(s); });
    FinishCreate();
}

void Tkoeficienty::Button1Click(TObject*) {
    const int reference = ComboBox1->ItemIndex();
    if (vstup && vstup->ComboBox6->ItemIndex() > 0 && reference == LoadedFunctionItem)
        ShowErrorAndAbort("No Drag Function Loaded.");
    if (reference == GlItem) ShowErrorAndAbort(GlUnavailableMessage);
    if (reference < 0 || reference >= DragTableRows) return;

    const Bullet b = ReadBullet(*this);
    const double referenceCd = reference == LoadedFunctionItem
                                   ? Engine().ActiveDragTable[static_cast<int>(b.velocity)]
                                   : InterpolateDragCoefficient(reference, b.velocity);
    // The bullet's own drag coefficient at this velocity.
    const double cd = referenceCd * b.formFactor;

    // Every figure first, checked together, so a refusal adds no line.
    constexpr int Functions = DragTableRows - 1;
    std::array<double, 2 * Functions> figures{};
    double* const formFactors = figures.data();
    double* const coefficients = figures.data() + Functions;
    for (int k = 1; k < DragTableRows; ++k) {
        if (k == GlItem) continue;
        formFactors[k - 1] = cd / InterpolateDragCoefficient(k, b.velocity);
        coefficients[k - 1] =
            DragStrengthFactor * b.mass / (b.diameter * b.diameter * formFactors[k - 1]);
    }
    RefuseUnshowable(figures, FigureFormat::Fixed);

    TStrings& lines = Memo1->Lines();
    lines.Add("  ");
    for (int k = 1; k < DragTableRows; ++k)
        lines.Add(k == GlItem ? GlFormFactorLine
                              : FormatLine(ResultLines[k - 1].formFactor, formFactors[k - 1]));
    for (int k = 1; k < DragTableRows; ++k)
        lines.Add(k == GlItem ? GlCoefficientLine
                              : FormatLine(ResultLines[k - 1].coefficient, coefficients[k - 1]));
    lines.Add("  ");
}

void Tkoeficienty::RadioGroup1Click(TObject*) {
    const bool formFactor = RadioGroup1->ItemIndex() == FormFactorMode;
    Label1->SetVisible(formFactor);
    Label75->SetVisible(!formFactor);
    Label2->SetVisible(!formFactor);
}

void Tkoeficienty::Button2Click(TObject*) {
    Memo1->Lines().Clear();
}

void Tkoeficienty::FormActivate(TObject*) {
    if (!vstup) return;
    const int mode = vstup->RadioGroup5->ItemIndex();
    if (mode == CoefficientFormFactor) RadioGroup1->SetItemIndex(0);
    if (mode == CoefficientBallistic || mode == CoefficientVariable) RadioGroup1->SetItemIndex(1);
    RadioGroup1Click(this);
    Edit1->SetText(vstup->Edit1->Text());
    Edit2->SetText(vstup->Edit2->Text());
    Edit3->SetText(vstup->Edit3->Text());
    Edit4->SetText(vstup->Edit4->Text());
    const int function = vstup->ComboBox6->ItemIndex();
    if (function >= 0 && function < DragTableRows) ComboBox1->SetItemIndex(function);
}
