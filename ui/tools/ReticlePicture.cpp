// The seven reticles of the reticle picture, each drawn to its own layout.
#include "ui/tools/ReticlePicture.h"

#include <initializer_list>

#include "engine/reticles.h"
#include "platform/canvas.h"
#include "platform/sysutils.h"

namespace {

constexpr int C = ReticleCentre;
constexpr int LabelSize = 9;  // points, unless a label names its own size

// Drawing steps on the picture with the reticle's marks and table at hand.
class ReticlePainter {
  public:
    ReticlePainter(TCanvas& c, const Reticle& r, const MilDotTable& t)
        : c_(c), g_(GeometryOf(r)), t_(t) {}

    void Pen(int width) { c_.Pen.Width = width; }
    // From the first point to the second, the end pixel left out.
    void Line(int x1, int y1, int x2, int y2) {
        c_.MoveTo(x1, y1);
        c_.LineTo(x2, y2);
    }
    // The two lines of the cross hair through the centre, from and to the given ends.
    void CrossHair(int from, int to) {
        Line(C, from, C, to);
        Line(from, C, to, C);
    }
    // A solid black bar; the pen is 1 px afterwards.
    void Post(int x1, int y1, int x2, int y2) {
        c_.Pen.Width = 1;
        c_.Brush.Color = clBlack;
        c_.Rectangle(x1, y1, x2, y2);
        c_.Brush.Color = clWhite;
    }
    // The thick bars at the ends of the four arms of the full cross hair.
    void FourPosts() {
        Post(175, 8, 185, 41);
        Post(175, 319, 185, 352);
        Post(8, 175, 41, 185);
        Post(319, 175, 352, 185);
    }
    // Dots on both lines at every 28 px (1 mil) out to four from the centre.
    void MilDots(int pen, int half) {
        Pen(pen);
        for (int n = 1; n <= 4; ++n)
            for (int offset : {-28 * n, 28 * n}) {
                Dot(C, C + offset, half);
                Dot(C + offset, C, half);
            }
    }
    void Dot(int x, int y, int half) { c_.Ellipse(x - half, y - half, x + half, y + half); }
    // Hash marks across the vertical line at y and across the horizontal line at x.
    void HashAcrossVertical(int y, int left, int right) { Line(left, y, right, y); }
    void HashAcrossHorizontal(int x, int top, int bottom) { Line(x, top, x, bottom); }

    // Vertical mark k: its distance when above 1 m.
    void DistanceLabel(int k, int dx, int dy, int size = LabelSize) {
        const double value = t_.MilDotVertical[k];
        if (value > 1) Label(C + dx, g_.Offset + g_.Spacing * k + dy, value, size);
    }
    // Horizontal mark j: its distance or wind whenever it is not 0.
    void WindLabel(int j, int dx, int dy, int size = LabelSize) {
        const double value = t_.MilDotHorizontal[j];
        if (value != 0) Label(C - g_.Spacing * j + dx, C + dy, value, size);
    }

  private:
    void Label(int x, int y, double value, int size) {
        c_.Font.Size = size;
        c_.TextOut(x, y, FloatToStr(value));
        c_.Font.Size = LabelSize;
    }

    TCanvas& c_;
    ReticleGeometry g_;
    const MilDotTable& t_;
};

// Item 0: dots at every mil, posts at the ends.
void DrawMilDot(ReticlePainter& p) {
    p.Pen(2);
    p.CrossHair(8, 352);
    p.FourPosts();
    p.MilDots(8, 2);
    for (int k = 1; k <= 11; ++k) p.DistanceLabel(k, 12, -9);
    for (int j = 1; j <= 5; ++j) p.WindLabel(j, -6, 6);
}

// Item 1: hash marks every 2 MOA, long ones at 10 MOA.
void DrawSightron(ReticlePainter& p) {
    p.Pen(1);
    p.CrossHair(8, 352);
    for (int k = 1; k <= 16; ++k) {
        const int y = 90 + 15 * k;
        if (k != 6) p.HashAcrossVertical(y, 173, 188);
        if (k == 1 || k == 11 || k == 16) p.HashAcrossVertical(y, 166, 194);
    }
    for (int k = 1; k <= 11; ++k) {
        const int x = 90 + 15 * k;
        if (k != 6) p.HashAcrossHorizontal(x, 173, 187);
        if (k == 1 || k == 11) p.HashAcrossHorizontal(x, 166, 194);
    }
    for (int k = 1; k <= 16; ++k) {
        if (k == 1 || k == 6 || k == 11 || k == 16)
            p.DistanceLabel(k, 17, -9);
        else
            p.DistanceLabel(k, 10, -5, 7);
    }
    const int dx[] = {-6, -6, -6, -7, -7};
    const int dy[] = {8, -22, 8, -22, 15};
    for (int j = 1; j <= 5; ++j) p.WindLabel(j, dx[j - 1], dy[j - 1]);
}

// Wind labels alternating below and above the line, as the half-mil reticles have them.
void AlternatingWindLabels(ReticlePainter& p, int last) {
    for (int j = 1; j <= last; ++j) p.WindLabel(j, j <= 3 ? -6 : -7, j % 2 == 1 ? 8 : -22);
}

// Item 2: whole, half and fine mil marks.
void DrawLeupold(ReticlePainter& p) {
    p.Pen(1);
    p.CrossHair(8, 352);
    p.FourPosts();
    for (int n = 1; n <= 4; ++n)
        for (int offset : {-28 * n, 28 * n}) {
            p.HashAcrossVertical(C + offset, 175, 186);
            p.HashAcrossHorizontal(C + offset, 174, 186);
        }
    for (int y : {82, 110, 138, 166, 194, 222, 250, 278}) p.HashAcrossVertical(y, 178, 183);
    for (int x : {82, 110, 138, 166, 222, 250, 278}) p.HashAcrossHorizontal(x, 178, 183);
    for (int at : {45, 51, 57, 63, 297, 303, 309, 315}) {
        p.HashAcrossVertical(at, 178, 183);
        p.HashAcrossHorizontal(at, 178, 183);
    }
    for (int k = 1; k <= 21; k += 2) p.DistanceLabel(k, 12, -8);
    for (int k = 4; k <= 18; k += 2) p.DistanceLabel(k, 8, -6, 7);
    AlternatingWindLabels(p, 8);
    p.WindLabel(10, -7, 8);
}

// Item 3: 2 MOA marks on the lower half and the middle of the horizontal line.
void DrawVortexMoa(ReticlePainter& p) {
    p.Pen(1);
    p.Line(180, 8, 180, 20);
    p.Line(180, 30, 180, 330);
    p.Line(30, 180, 330, 180);
    p.Post(175, 340, 185, 352);
    p.Post(8, 175, 20, 185);
    p.Post(340, 175, 352, 185);
    for (int y : {30, 130, 180, 230, 280, 330}) p.HashAcrossVertical(y, 175, 186);
    for (int y = 140; y <= 330; y += 10) p.HashAcrossVertical(y, 178, 183);
    for (int x = 30; x <= 330; x += 50) p.HashAcrossHorizontal(x, 174, 186);
    for (int x : {55, 105, 255, 305}) p.HashAcrossHorizontal(x, 178, 183);
    for (int x = 140; x <= 230; x += 10) p.HashAcrossHorizontal(x, 178, 183);
    for (int k = 1; k <= 21; ++k) {
        if (k % 5 == 1)
            p.DistanceLabel(k, 20, -9);
        else
            p.DistanceLabel(k, 6, -5, 6);
    }
    p.WindLabel(1, -6, 4, 6);
    p.WindLabel(2, -6, -18, 6);
    p.WindLabel(3, -4, 4, 6);
    p.WindLabel(4, -4, -18, 6);
    for (int j : {5, 10, 15}) p.WindLabel(j, -7, 8);
}

// Item 4: half-mil marks, 18 px apart.
void DrawVortexMrad(ReticlePainter& p) {
    p.Pen(1);
    p.Line(180, 8, 180, 30);
    p.Line(180, 36, 180, 342);
    p.Line(36, 180, 324, 180);
    p.Post(175, 348, 185, 352);
    p.Post(8, 175, 30, 185);
    p.Post(330, 175, 352, 185);
    for (int y = 36; y <= 342; y += 18) p.HashAcrossVertical(y, 176, 185);
    for (int y = 99; y <= 333; y += 18) p.HashAcrossVertical(y, 178, 183);
    for (int x = 36; x <= 324; x += 18) p.HashAcrossHorizontal(x, 175, 185);
    for (int x = 99; x <= 261; x += 18) p.HashAcrossHorizontal(x, 178, 183);
    for (int k = 1; k <= 35; k += 2) p.DistanceLabel(k, 7, -7);
    for (int k = 2; k <= 34; k += 2) p.DistanceLabel(k, -18, -5, 6);
    for (int j = 2; j <= 16; j += 4) p.WindLabel(j, -6, -20);
    for (int j = 4; j <= 16; j += 4) p.WindLabel(j, -6, 4);
}

// Item 5: 1 MOA marks, the centre left open.
void DrawNightforce(ReticlePainter& p) {
    p.Pen(1);
    p.Line(180, 110, 180, 166);
    p.Line(180, 194, 180, 320);
    p.Line(40, 180, 166, 180);
    p.Line(194, 180, 320, 180);
    p.Post(175, 330, 185, 352);
    p.Post(8, 175, 30, 185);
    p.Post(330, 175, 352, 185);
    for (int k = 1; k <= 16; ++k) {
        const int y = 96 + 14 * k;
        if (k == 1 || k == 11)
            p.HashAcrossVertical(y, 166, 194);
        else
            p.HashAcrossVertical(y, 173, 188);
    }
    for (int y = 117; y <= 313; y += 14)
        if (y != 173 && y != 187) p.HashAcrossVertical(y, 178, 183);
    for (int k = 1; k <= 21; ++k) {
        const int x = 26 + 14 * k;
        if (x == 110 || x == 250)
            p.HashAcrossHorizontal(x, 166, 194);
        else if (x == 40 || x == 166 || x == 180 || x == 194 || x == 320)
            p.HashAcrossHorizontal(x, 173, 187);
        else
            p.HashAcrossHorizontal(x, 180, 187);
    }
    for (int x = 47; x <= 313; x += 14)
        if (x != 173 && x != 187) p.HashAcrossHorizontal(x, 180, 183);
    for (int k = 1; k <= 21; ++k) p.DistanceLabel(k, 10, -8);
    for (int j = 1; j <= 10; ++j) p.WindLabel(j, -6, j % 2 == 1 ? -20 : 6);
}

// Item 6: open rings at every mil, hash marks at the half mils.
void DrawMeopta(ReticlePainter& p) {
    p.Pen(2);
    p.CrossHair(8, 352);
    p.FourPosts();
    p.MilDots(2, 3);
    p.Pen(1);
    for (int y = 54; y <= 306; y += 28) p.HashAcrossVertical(y, 177, 183);
    for (int x : {54, 82, 110, 138, 166, 222, 250, 278, 306}) p.HashAcrossHorizontal(x, 177, 183);
    for (int k = 1; k <= 21; k += 2) p.DistanceLabel(k, 12, -8);
    for (int k = 2; k <= 20; k += 2) p.DistanceLabel(k, 8, -6, 7);
    AlternatingWindLabels(p, 10);
}

}  // namespace

void DrawReticle(TCanvas& canvas, int item, const MilDotTable& table) {
    const Reticle* reticle = FindReticle(item);
    if (!reticle) return;
    canvas.Pen.Color = clBlack;
    canvas.Pen.Style = psSolid;
    canvas.Brush.Color = clWhite;
    canvas.Brush.Style = bsSolid;
    canvas.Font.Size = LabelSize;
    ReticlePainter p(canvas, *reticle, table);
    using Draw = void (*)(ReticlePainter&);
    const Draw draws[ReticleCount] = {DrawMilDot,     DrawSightron,   DrawLeupold, DrawVortexMoa,
                                      DrawVortexMrad, DrawNightforce, DrawMeopta};
    draws[item](p);
}
