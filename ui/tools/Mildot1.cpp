#include "ui/tools/Mildot1.h"

#include <cmath>
#include <string>

#include "compute/shown_figures.h"
#include "engine/numeric.h"
#include "engine/reticles.h"
#include "engine/state.h"
#include "forms/mildot_form.h"
#include "platform/sysutils.h"
#include "ui/Vstup1.h"
#include "ui/figure_labels.h"
#include "ui/plot.h"
#include "ui/tools/ReticlePicture.h"

Tmildot* mildot = nullptr;

namespace {

constexpr int RingPen = 5;  // px
constexpr int TextSize = 9;
constexpr int CrossPen = 2;         // px
constexpr int WindRowItem = 1;      // "Horizontal Dots": "Cross Wind"
constexpr int DistanceRowItem = 0;  // "Horizontal Dots": "Distance"
// Turns the mark angle into radians: the reciprocal of 57.295779 degrees per radian.
constexpr double DegreesToRadians = 0.01745329267623711;

void DrawHoldPoint(TCanvas& c, const HoldPoint& hold) {
    constexpr int MessageLeft = 40, MessageTop = 115;
    switch (hold.Outcome) {
        case HoldOutcome::DistanceOutOfRange:
            c.TextOut(MessageLeft, MessageTop, "Distance out of calculated Range");
            return;
        case HoldOutcome::WindSpeedOutOfRange:
            c.TextOut(MessageLeft, MessageTop, "Wind Speed out of calculated Range");
            return;
        case HoldOutcome::DistanceOutOfWindRange:
            c.TextOut(MessageLeft, MessageTop, "Distance out of calculated Wind Range");
            return;
        case HoldOutcome::Cross:
            break;
    }
    c.Pen = TPen{clRed, psSolid, CrossPen};
    c.MoveTo(hold.X, hold.Y - 13);
    c.LineTo(hold.X, hold.Y + 12);
    c.MoveTo(hold.X - 14, hold.Y);
    c.LineTo(hold.X + 12, hold.Y);
}

}  // namespace

Tmildot::Tmildot() : TForm(MildotForm()) {
    Image1 = Find<TImage>("Image1");
    Button1 = Find<TButton>("Button1");
    Button2 = Find<TButton>("Button2");
    Button3 = Find<TButton>("Button3");
    Edit1 = Find<TEdit>("Edit1");
    Edit2 = Find<TEdit>("Edit2");
    Label3 = Find<TLabel>("Label3");
    SaveDialog1 = Find<TSaveDialog>("SaveDialog1");
    Bind("FormCreate", [this](TObject* s) { FormCreate(s); });
    Bind("FormActivate", [this](TObject* s) { FormActivate(s); });
    Bind("Button1Click", [this](TObject* s) { Button1Click(s); });
    Bind("Button2Click", [this](TObject* s) { Button2Click(s); });
    Bind("Button3Click", [this](TObject* s) { Button3Click(s); });
    FinishCreate();
}

void Tmildot::FormCreate(TObject*) {
    // In the user's notation, over the comma of the description.
    Edit1->SetText(FloatToStr(0.1));
    SaveDialog1->InitialDir = ExtractFilePath(ExeName());
}

void Tmildot::FormActivate(TObject*) {
    DrawPicture();
}

void Tmildot::DrawPicture() {
    const Tvstup& w = *vstup;
    const EngineState& e = Engine();
    const int item = w.ComboBox7->ItemIndex();
    // Typed text selects no reticle: then only the ring and the texts.
    const Reticle* reticle = FindReticle(item);
    TCanvas& c = *Image1->Canvas();
    TPicture& picture = *Image1->Picture();

    c.Brush = TBrush{clWhite, bsSolid};
    c.FillRect(Rect(0, 0, picture.Width(), picture.Height()));
    c.Pen = TPen{clBlack, psSolid, RingPen};
    c.Font = TFont{.Name = "Arial", .Size = TextSize, .Color = clBlack};
    c.Ellipse(6, 6, 354, 354);
    DrawReticle(c, item, e.MilDot);

    c.Font.Color = clBlack;
    c.Font.Size = TextSize;
    c.TextOut(8, 364, w.Edit33->Text());
    if (reticle) c.TextOut(8, 8, reticle->Name);
    c.TextOut(8, 24, w.Edit42->Text());
    c.TextOut(StrToFloat(w.Edit42->Text()) >= 10 ? 24 : 20, 24, "/");
    c.TextOut(28, 24, w.Edit43->Text());

    const int row = w.RadioGroup8->ItemIndex();
    const double crossWind = e.Input.CrossWind;
    if (row == DistanceRowItem && crossWind > 0) c.TextOut(105, 210, "m");
    if (row == WindRowItem) c.TextOut(105, 210, "m/s");
    c.TextOut(230, 240, "m");

    if (!w.CheckBox13->Checked()) return;
    c.Font.Color = clRed;
    c.TextOut(40, 85, "Distance (m):");
    c.TextOut(145, 85, w.Edit64->Text());
    c.TextOut(40, 100, "Cross Wind (m/s):");
    c.TextOut(145, 100, FloatToStr(crossWind));
    if (!reticle) return;
    const double distance = StrToFloat(w.Edit64->Text());
    DrawHoldPoint(
        c, FindHoldPoint(e.MilDot, GeometryOf(*reticle), distance, crossWind, row == WindRowItem));
}

void Tmildot::Button1Click(TObject*) {
    GraphPrint(*Image1->Picture());
}

void Tmildot::Button2Click(TObject*) {
    if (SaveDialog1->Execute()) GraphSavePicture(*Image1->Picture(), SaveDialog1->FileName);
}

void Tmildot::Button3Click(TObject*) {
    const Tvstup& w = *vstup;
    const double defaultZoom = StrToFloat(w.Edit42->Text());
    if (defaultZoom <= 0) ShowErrorAndAbort("Zoom less than or equal to zero.");
    const double actualZoom = StrToFloat(w.Edit43->Text());
    if (actualZoom <= 0) ShowErrorAndAbort("Zoom less than or equal to zero.");
    const double size = StrToFloat(Edit1->Text());
    const double marks = StrToFloat(Edit2->Text());
    // No marks would put the object at an infinite or a negative distance.
    if (marks <= 0) ShowErrorAndAbort("Number of Marks less than or equal to zero.");
    const Reticle* reticle = FindReticle(w.ComboBox7->ItemIndex());
    if (!reticle) ShowErrorAndAbort("No Reticle selected.");
    // The angle the object fills in the reticle, in degrees. From a right
    // angle on no distance fits it (the tangent turns negative), however
    // large the object.
    const double subtended = marks * ReticleMarkAngle(*reticle, defaultZoom, actualZoom);
    if (!(subtended < 90)) ShowErrorAndAbort(ResultTooLargeMessage);
    const double distance = RoundToDecimals(size / std::tan(subtended * DegreesToRadians), 0);
    ShowFigures({{Label3, distance}});
}

void ShowReticleWindow() {
    // The window exists from program start; a window-less test has none.
    if (!mildot) return;
    mildot->Show();
    // Showing a window that is already open need not activate it.
    mildot->DrawPicture();
}
