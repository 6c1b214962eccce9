#include "ui/tools/Grafodporu1.h"

#include "compute/shown_figures.h"
#include "engine/numeric.h"
#include "engine/setup.h"
#include "forms/grafodporu_form.h"
#include "platform/sysutils.h"
#include "ui/Vstup1.h"
#include "ui/plot.h"

Tgrafodporu* grafodporu = nullptr;
double DragGraphVelocity[DragTableSize];
double DragGraphValues[DragTableSize];

namespace {

// The graph is the window's first child control.
constexpr int GraphSlot = 0;
constexpr int CurrentCurve = 0;
constexpr int CloneICurve = 1;
constexpr int CloneIICurve = 2;
constexpr int CloneIIICurve = 3;
constexpr int LineStyle = 0;
// Every second velocity: 851 points, well inside a curve's capacity.
constexpr int CurveStride = 2;

constexpr double GramsToKilograms = 0.001;
constexpr double MillimetresToMetres = 0.001;

// The band coefficient in force at v: band 1, band 2 below its velocity,
// then each ticked later band below its own velocity, the last one winning.
double BandCoefficientAt(const Tvstup& w, const SteppedBallisticCoefficient& stepped, double v) {
    const BcBand* b = stepped.Bands;
    double coefficient = b[0].Coefficient;
    if (v < b[1].Velocity) coefficient = b[1].Coefficient;
    if (w.CheckBox6->Checked() && v < b[2].Velocity) coefficient = b[2].Coefficient;
    if (w.CheckBox7->Checked() && v < b[3].Velocity) coefficient = b[3].Coefficient;
    if (w.CheckBox9->Checked() && v < b[4].Velocity) coefficient = b[4].Coefficient;
    return coefficient;
}

}  // namespace

Tgrafodporu::Tgrafodporu() : TForm(GrafodporuForm()) {
    Graf1 = Find<TImage>("Graf1");
    Button1 = Find<TButton>("Button1");
    Button2 = Find<TButton>("Button2");
    Button3 = Find<TButton>("Button3");
    Button4 = Find<TButton>("Button4");
    Button5 = Find<TButton>("Button5");
    Button6 = Find<TButton>("Button6");
    Edit1 = Find<TEdit>("Edit1");
    Edit2 = Find<TEdit>("Edit2");
    SaveDialog1 = Find<TSaveDialog>("SaveDialog1");
    GraphBind(DragGraphState, *this, DragGraphStyle());

    Bind("FormCreate", [this](TObject* s) { FormCreate(s); });
    Bind("FormActivate", [this](TObject* s) { FormActivate(s); });
    Bind("FormResize", [this](TObject* s) { FormResize(s); });
    Bind("Button1Click", [this](TObject* s) { Button1Click(s); });
    Bind("Button2Click", [this](TObject* s) { Button2Click(s); });
    Bind("Button3Click", [this](TObject* s) { Button3Click(s); });
    Bind("Button4Click", [this](TObject* s) { Button4Click(s); });
    Bind("Button5Click", [this](TObject* s) { Button5Click(s); });
    Bind("Button6Click", [this](TObject* s) { Button6Click(s); });
    Bind("Graf1MouseDown", [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        Graf1MouseDown(s, b, sh, x, y);
    });
    Bind("Graf1MouseMove",
         [this](TObject* s, TShiftState sh, int x, int y) { Graf1MouseMove(s, sh, x, y); });
    Bind("Graf1MouseUp", [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        Graf1MouseUp(s, b, sh, x, y);
    });
    Bind("Graf1DblClick", [this](TObject* s) { Graf1DblClick(s); });
    FinishCreate();
}

void Tgrafodporu::FormCreate(TObject*) {
    GraphReset(DragGraphState, GraphSlot);
    SaveDialog1->InitialDir = ExtractFilePath(ExeName());
}

void Tgrafodporu::FormActivate(TObject*) {
    ComputeCurve();
    GraphAddCurve(DragGraphState, DragGraphVelocity, DragGraphValues, 0, MaxDragSpeed, CurveStride,
                  GraphSlot, CurrentCurve, LineStyle);
}

void Tgrafodporu::ComputeCurve() {
    // The set-up's reader writes the engine's input records; they must still
    // describe the last computation afterwards, as "Add to List" reads them.
    ScopedEngineInput keep;
    Tvstup& w = *vstup;
    EngineState& e = Engine();
    InputParameters& in = e.Input;
    in.BulletMass = StrToFloat(w.Edit2->Text()) * GramsToKilograms;
    in.BulletDiameter = StrToFloat(w.Edit3->Text()) * MillimetresToMetres;
    const int mode = w.RadioGroup5->ItemIndex();
    if (mode == CoefficientFormFactor) {
        // A form factor alone gives the curve: weight and diameter are not
        // used, so whatever they hold is no reason to refuse it.
        in.FormFactor = StrToFloat(w.Edit1->Text());
        if (in.FormFactor <= 0) ShowErrorAndAbort("Form Factor less than or equal to zero.");
    } else {
        // A ballistic coefficient needs the bullet, which must be a real one.
        if (in.BulletMass <= 0) ShowErrorAndAbort("Bullet Weight less than or equal to zero.");
        if (in.BulletDiameter <= 0)
            ShowErrorAndAbort("Bullet Diameter less than or equal to zero.");
        w.ReadBallisticCoefficient();
    }

    double values[DragTableSize] = {};
    const double d = in.BulletDiameter;
    for (int v = 0; v <= MaxDragSpeed; ++v) {
        double formFactor = in.FormFactor;
        if (mode == CoefficientVariable)
            formFactor = 1 / BandCoefficientAt(w, e.SteppedBc, v) / d / d * in.BulletMass *
                         DragStrengthFactor;
        values[v] = formFactor * e.ActiveDragTable[v];
    }
    // The graph scales and labels its axes in plain digits; a curve beyond
    // them (or no number at all) is refused as the coefficient reader refuses
    // a form factor that is no number, and the curves shown stay.
    RefuseUnshowable(std::span<const double>(values, MaxDragSpeed + 1), FigureFormat::Fixed,
                     ComputationFailedMessage);
    for (int v = 0; v <= MaxDragSpeed; ++v) {
        DragGraphVelocity[v] = v;
        DragGraphValues[v] = values[v];
    }
}

void Tgrafodporu::FormResize(TObject*) {
    GraphResize(DragGraphState, GraphSlot);
}

void Tgrafodporu::AddClone(int curve) {
    GraphAddCurve(DragGraphState, DragGraphVelocity, DragGraphValues, 0, MaxDragSpeed, CurveStride,
                  GraphSlot, curve, LineStyle);
}

void Tgrafodporu::Button1Click(TObject*) {
    AddClone(CloneICurve);
}

void Tgrafodporu::Button2Click(TObject*) {
    AddClone(CloneIICurve);
}

void Tgrafodporu::Button3Click(TObject*) {
    AddClone(CloneIIICurve);
}

void Tgrafodporu::Button4Click(TObject*) {
    for (int curve : {CloneICurve, CloneIICurve, CloneIIICurve})
        GraphRemoveCurve(DragGraphState, GraphSlot, curve);
}

void Tgrafodporu::Button5Click(TObject*) {
    GraphPrint(*Graf1->Picture());
}

void Tgrafodporu::Button6Click(TObject*) {
    if (SaveDialog1->Execute()) GraphSavePicture(*Graf1->Picture(), SaveDialog1->FileName);
}

void Tgrafodporu::Graf1MouseDown(TObject*, TMouseButton, TShiftState, int X, int Y) {
    const GraphReadOut point = GraphPressAt(DragGraphState, X, Y, GraphSlot);
    Edit1->SetText(point.X);
    Edit2->SetText(point.Y);
}

void Tgrafodporu::Graf1MouseMove(TObject*, TShiftState, int X, int Y) {
    GraphDrawZoomBox(DragGraphState, X, Y, GraphSlot);
}

void Tgrafodporu::Graf1MouseUp(TObject*, TMouseButton, TShiftState, int X, int Y) {
    GraphZoomTo(DragGraphState, X, Y, GraphSlot);
}

void Tgrafodporu::Graf1DblClick(TObject*) {
    GraphShowAll(DragGraphState, GraphSlot);
}
