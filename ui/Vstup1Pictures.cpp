#include "ui/Vstup1Pictures.h"

#include <cmath>

#include "platform/canvas.h"
#include "ui/Vstup1.h"

namespace {

// The pens of the graph's curves 1 to 4: line of sight, line of departure and
// the two clones.
constexpr TColor LineOfSightPen = clBlack;
constexpr TColor LineOfDeparturePen = RGB(0, 128, 0);
constexpr TColor FirstClonePen = clBlue;
constexpr TColor SecondClonePen = RGB(128, 0, 128);

void DrawLegend(TCanvas& c, int width, int height, TColor pen) {
    c.Brush.Color = clWhite;
    c.FillRect(Rect(0, 0, width, height));
    c.Pen.Color = pen;
    c.Pen.Width = 2;
    c.MoveTo(1, height / 2);
    c.LineTo(width - 1, height / 2);
}

// A small rising and falling arc, the shape of a kept trajectory.
void DrawCloneGlyph(TPicture& glyph, TColor pen) {
    constexpr int Size = 16;
    glyph.SetSize(Size, Size);
    TCanvas& c = *glyph.Canvas();
    c.Brush.Color = clBtnFace;
    c.FillRect(Rect(0, 0, Size, Size));
    c.Pen.Color = pen;
    c.Pen.Width = 2;
    c.MoveTo(1, 13);
    for (int x = 2; x <= 15; ++x) {
        const double t = (x - 1) / 14.0;
        c.LineTo(x, 13 - static_cast<int>(std::lround(10 * 4 * t * (1 - t))));
    }
}

// A boat-tail bullet seen from the side, one calibre 28 px, with the lengths
// and diameters the fields beside it ask for.
void DrawBulletProportions(TCanvas& c, int width, int height) {
    c.Brush.Color = clWhite;
    c.FillRect(Rect(0, 0, width, height));
    constexpr int Axis = 44, Base = 12, BoattailEnd = 26, NoseStart = 71, Tip = 124;
    constexpr int BaseRadius = 10, BodyRadius = 14, MeplatRadius = 3;
    // The upper outline, then the same mirrored about the axis.
    const TPoint outline[] = {
        {Base, BaseRadius}, {BoattailEnd, BodyRadius}, {NoseStart, BodyRadius}, {88, 13}, {102, 10},
        {114, 7},           {Tip, MeplatRadius}};
    c.Pen.Color = clBlack;
    c.Pen.Width = 1;
    for (int side : {-1, 1}) {
        c.MoveTo(Base, Axis);
        for (const TPoint& p : outline) c.LineTo(p.x, Axis + side * p.y);
        c.LineTo(Tip, Axis);
    }
    c.MoveTo(BoattailEnd, Axis - BodyRadius);
    c.LineTo(BoattailEnd, Axis + BodyRadius);
    c.MoveTo(NoseStart, Axis - BodyRadius);
    c.LineTo(NoseStart, Axis + BodyRadius);
    // Dimension lines with their names.
    c.Pen.Color = clGray;
    c.Font.Name = "Arial";
    c.Font.Height = 10;
    c.Font.Color = clNavy;
    c.Brush.Style = bsClear;
    auto dimension = [&](int x1, int x2, int y, const char* name, int textX, int textY) {
        c.MoveTo(x1, y);
        c.LineTo(x2 + 1, y);
        c.TextOut(textX, textY, name);
    };
    dimension(Base, Tip, 72, "L0", 62, 74);
    dimension(NoseStart, Tip, 16, "L2", 94, 3);
    dimension(Base, BoattailEnd, 16, "L3", 13, 3);
    c.TextOut(1, Axis - 6, "D2");
    c.TextOut(Tip + 3, Axis - 6, "D3");
    c.Brush.Style = bsSolid;
}

}  // namespace

void DrawWindowPictures(Tvstup& w) {
    DrawLegend(*w.Image1->Canvas(), w.Image1->Width(), w.Image1->Height(), LineOfSightPen);
    DrawLegend(*w.Image2->Canvas(), w.Image2->Width(), w.Image2->Height(), LineOfDeparturePen);
    DrawCloneGlyph(*w.BitBtn1->Glyph(), FirstClonePen);
    DrawCloneGlyph(*w.BitBtn2->Glyph(), SecondClonePen);
    DrawBulletProportions(*w.Image3->Canvas(), w.Image3->Width(), w.Image3->Height());
}
