#include "ui/plot.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "engine/numeric.h"
#include "platform/base.h"
#include "platform/canvas.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/forms.h"
#include "platform/safefile.h"
#include "platform/sysutils.h"

GraphState MainGraphState;
GraphState DragGraphState;

namespace {

constexpr int L = GraphMarginLeftBottom;
constexpr int R = GraphMarginRightTop;
constexpr int TickHalfLength = 5;  // px either side of the axis
constexpr int MarkerRadius = 4;    // px, half the circle of a point marker
constexpr int CurvePenWidth = 2;   // px
constexpr int GraphFontSize = 10;  // points
const char* const GraphFontName = "Arial";

// The reset range: 0 … 1 with the usual 5 % of room.
constexpr double ResetAxisMax = 1.05;
constexpr int ResetDecimals = 2;

void DrawGridAndFrame(TCanvas& c, GraphArea a) {
    c.Pen.Style = psDot;
    for (int p = 0; p <= a.Width - L - R; p += GraphGridStepX) {
        c.MoveTo(L + p, a.Height - L);
        c.LineTo(L + p, R);
    }
    for (int p = 0; p <= a.Height - L - R; p += GraphGridStepY) {
        c.MoveTo(L, a.Height - L - p);
        c.LineTo(a.Width - R, a.Height - L - p);
    }
    c.Pen.Style = psSolid;
    c.MoveTo(L, R);
    c.LineTo(a.Width - R, R);
    c.LineTo(a.Width - R, a.Height - L);
    c.LineTo(L, a.Height - L);
    c.LineTo(L, R);
}

void DrawLabels(TCanvas& c, const GraphDrawStyle& style, GraphArea a) {
    // Units and title sit in the margins, left of the right edge and above the frame.
    constexpr int XUnitFromBottom = 23;
    constexpr int YUnitLeft = 20;
    constexpr int TitleLeft = 60, TitleTop = 8;
    if (style.XUnit)
        c.TextOut(a.Width - style.XUnitFromRight, a.Height - XUnitFromBottom, style.XUnit());
    if (style.YUnit) {
        const std::string unit = style.YUnit();
        if (!unit.empty()) c.TextOut(YUnitLeft, style.YUnitTop, unit);
    }
    if (style.Title) c.TextOut(TitleLeft, TitleTop, style.Title());
}

void DrawTicks(TCanvas& c, const GraphState& g, int slot, GraphArea a) {
    constexpr int XLabelLeft = 5, XLabelBelow = 6;  // from the tick, px
    constexpr int YLabelLeft = 15, YLabelAbove = 7;
    for (int p = 0; p <= a.Width - L - R; p += GraphGridStepX) {
        c.MoveTo(L + p, a.Height - L + TickHalfLength);
        c.LineTo(L + p, a.Height - L - TickHalfLength);
        const double value = PixelToGraphX(g, L + p, slot, a);
        c.TextOut(L - XLabelLeft + p, a.Height - L + XLabelBelow,
                  FloatToStr(RoundToDecimals(value, g.AxisDecimals[slot][0])));
    }
    for (int p = 0; p <= a.Height - L - R; p += GraphGridStepY) {
        c.MoveTo(L + TickHalfLength, a.Height - L - p);
        c.LineTo(L - TickHalfLength, a.Height - L - p);
        const double value = PixelToGraphY(g, a.Height - L - p, slot, a);
        c.TextOut(YLabelLeft, a.Height - L - YLabelAbove - p,
                  FloatToStr(RoundToDecimals(value, g.AxisDecimals[slot][1])));
    }
}

// The connected pieces of a curve, each stroked as one polyline: a segment
// that starts where the previous one ended extends the piece. A segment that
// keeps clear of the canvas's clip rectangle by more than the pen's reach is
// left out and breaks the piece: after a zoom, or with a range far past the
// axes, most of a long curve lies outside, and stroking it would cost as much
// as stroking what shows. Only caps and joins out of sight change, so the
// pixels inside the clip stay the same (past the painter's coordinate range,
// about 32767 px, the painter clipped the whole stroke itself, and an edge
// pixel may then differ by one).
class CurvePieces {
  public:
    explicit CurvePieces(TCanvas& c) : c_(c) {
        if (c.ClipRect) {
            // A mitred join reaches twice the pen's width from its point
            // (the painter's default limit), a round cap half of it.
            const int reach = 2 * std::max(c.Pen.Width, 1) + 2;
            const TRect& r = *c.ClipRect;
            keep_ = Rect(r.Left - reach, r.Top - reach, r.Right + reach, r.Bottom + reach);
        }
    }
    ~CurvePieces() { Flush(); }
    void Segment(int x0, int y0, int x1, int y1) {
        if (keep_ && (std::max(x0, x1) < keep_->Left || std::min(x0, x1) > keep_->Right ||
                      std::max(y0, y1) < keep_->Top || std::min(y0, y1) > keep_->Bottom)) {
            Flush();
            return;
        }
        if (points_.empty() || points_.back().x != x0 || points_.back().y != y0) {
            Flush();
            points_.push_back({x0, y0});
        }
        // Many points of a long curve fall on the pixel of the one before; the
        // stroke goes through the same pixels without them, at a fraction of
        // the cost of joining every one.
        if (x1 == x0 && y1 == y0) {
            stayed_ = true;
            return;
        }
        points_.push_back({x1, y1});
    }
    void Flush() {
        // A piece that never left its first pixel is still drawn, as a dot.
        if (points_.size() == 1 && stayed_) points_.push_back(points_.front());
        if (points_.size() >= 2) c_.Polyline(points_.data(), static_cast<int>(points_.size()));
        points_.clear();
        stayed_ = false;
    }

  private:
    TCanvas& c_;
    std::optional<TRect> keep_;  // segments reaching into it are stroked
    std::vector<TPoint> points_;
    bool stayed_ = false;  // a segment of the piece ended where it began
};

// Draws one curve. Points that are not finite are skipped and break the
// line; segments are clipped in floating point before they become ints, so
// a point far off screen neither overflows nor bends the visible part.
void DrawCurve(TCanvas& c, const GraphState& g, int slot, int curve, GraphArea a) {
    const double* xs = g.GraphPoints[slot][curve][0];
    const double* ys = g.GraphPoints[slot][curve][1];
    const int style = g.CurveStyle[slot][curve];
    const int count = GraphCurveLength(g, slot, curve);
    CurvePieces line(c);
    bool havePrevious = false;
    double previousX = 0, previousY = 0;
    for (int i = 0; i < count; ++i) {
        const double px = GraphXToPixel(g, xs[i], slot, a);
        const double py = GraphYToPixel(g, ys[i], slot, a);
        if (!std::isfinite(px) || !std::isfinite(py)) {
            havePrevious = false;
            continue;
        }
        double x0 = previousX, y0 = previousY, x1 = px, y1 = py;
        if (style != 1 && havePrevious && GraphClipSegment(x0, y0, x1, y1))
            line.Segment(GraphPixel(x0), GraphPixel(y0), GraphPixel(x1), GraphPixel(y1));
        if (style != 0 && std::fabs(px) <= GraphPixelLimit && std::fabs(py) <= GraphPixelLimit) {
            line.Flush();  // the marker lies over the line drawn so far
            const int cx = GraphPixel(px), cy = GraphPixel(py);
            c.Ellipse(cx - MarkerRadius, cy - MarkerRadius, cx + MarkerRadius, cy + MarkerRadius);
        }
        previousX = px;
        previousY = py;
        havePrevious = true;
    }
}

void DrawCurves(TCanvas& c, const GraphState& g, int slot, GraphArea a) {
    // Curves stay inside the frame (its lines included): after a zoom they
    // would run over the ticks, the labels, the title and the image's edge.
    c.ClipRect = Rect(L, R, a.Width - R + 1, a.Height - L + 1);
    const std::vector<TColor>& pens = g.Style.CurvePens;
    for (int curve = 0; curve < GraphCurveCount; ++curve) {
        if (g.CurveVisible[slot][curve] != 1) continue;
        // Curves past the pen table keep the pen of the curve drawn before.
        if (curve < static_cast<int>(pens.size())) {
            c.Pen.Color = pens[curve];
            c.Pen.Width = CurvePenWidth;
        }
        DrawCurve(c, g, slot, curve, a);
    }
    c.ClipRect.reset();
}

}  // namespace

void GraphBind(GraphState& g, TForm& form, GraphDrawStyle style) {
    g.Form = &form;
    g.Style = std::move(style);
}

TImage* GraphImage(const GraphState& g, int slot) {
    if (!g.Form || slot < 0 || slot >= g.Form->ControlCount()) return nullptr;
    return dynamic_cast<TImage*>(g.Form->Controls(slot));
}

GraphArea GraphControlArea(const GraphState& g, int slot) {
    const TImage* image = GraphImage(g, slot);
    if (!image) return {};
    return {image->Width(), image->Height()};
}

double GraphXToPixel(const GraphState& g, double x, int slot) {
    return GraphXToPixel(g, x, slot, GraphControlArea(g, slot));
}

double GraphYToPixel(const GraphState& g, double y, int slot) {
    return GraphYToPixel(g, y, slot, GraphControlArea(g, slot));
}

double PixelToGraphX(const GraphState& g, double px, int slot) {
    return PixelToGraphX(g, px, slot, GraphControlArea(g, slot));
}

double PixelToGraphY(const GraphState& g, double py, int slot) {
    return PixelToGraphY(g, py, slot, GraphControlArea(g, slot));
}

namespace {

// Draws the slot now, in one batch of its canvas.
void DrawGraphNow(GraphState& g, int slot) {
    TImage* image = GraphImage(g, slot);
    const GraphArea a = GraphControlArea(g, slot);
    if (!image || !GraphAreaDrawable(a)) return;
    TCanvas& c = *image->Canvas();
    TCanvasBatch batch(c);
    c.Brush.Color = clWhite;
    c.Brush.Style = bsSolid;
    c.FillRect(Rect(0, 0, a.Width, image->Picture()->Height()));
    c.Pen = TPen{clBlack, psSolid, 1};
    c.Font.Color = clBlack;
    c.Font.Size = GraphFontSize;
    c.Font.Height = 0;  // a pixel height would win over the size
    c.Font.Name = GraphFontName;
    DrawGridAndFrame(c, a);
    DrawLabels(c, g.Style, a);
    DrawTicks(c, g, slot, a);
    DrawCurves(c, g, slot, a);
}

}  // namespace

void GraphDraw(GraphState& g, int slot) {
    TImage* image = GraphImage(g, slot);
    if (!image) return;
    // The first drawing makes the picture, at the control's size of that moment.
    if (image->Picture()->Empty()) {
        DrawGraphNow(g, slot);
        return;
    }
    // Later ones wait until the picture is next shown or read, so an action
    // that adds and removes several curves draws the graph once, as it ends up.
    image->Picture()->SetPendingDraw([&g, slot] { DrawGraphNow(g, slot); });
}

void GraphAddCurve(GraphState& g, const double* xs, const double* ys, int first, int last,
                   int stride, int slot, int curve, int style) {
    if (!GraphSlotValid(slot) || !GraphCurveValid(curve)) return;
    if (!GraphLoadCurve(g, xs, ys, first, last, stride, slot, curve, style))
        ShowErrorAndAbort("Too many points in Graph.");
    GraphAutoScale(g, slot);
    GraphDraw(g, slot);
}

void GraphRemoveCurve(GraphState& g, int slot, int curve) {
    if (!GraphSlotValid(slot) || !GraphCurveValid(curve)) return;
    g.CurveVisible[slot][curve] = 0;
    GraphAutoScale(g, slot);
    GraphDraw(g, slot);
}

void GraphReset(GraphState& g, int slot) {
    if (!GraphSlotValid(slot)) return;
    g.XMin[slot] = g.YMin[slot] = 0;
    g.XMax[slot] = g.YMax[slot] = ResetAxisMax;
    g.AxisDecimals[slot][0] = g.AxisDecimals[slot][1] = ResetDecimals;
    GraphDraw(g, slot);
    g.Dragging = 0;
}

void GraphResize(GraphState& g, int slot) {
    TImage* image = GraphImage(g, slot);
    const GraphArea a = GraphControlArea(g, slot);
    if (!image || !GraphAreaDrawable(a)) return;
    image->Picture()->SetSize(a.Width, a.Height);
    GraphDraw(g, slot);
}

void GraphSavePicture(TPicture& picture, const std::string& path) {
    try {
        picture.SaveToFile(path);
    } catch (const std::runtime_error&) {
        ShowMessage(FileWriteFailedMessage);
    }
}

void GraphPrint(TPicture& picture) {
    constexpr int Margin = 200;  // px of the page left free on each side
    TPrinter& printer = Printer();
    printer.Orientation = poLandscape;
    printer.BeginDoc();
    printer.Canvas()->StretchDraw(
        Rect(Margin, Margin, printer.PageWidth() - Margin, printer.PageHeight() - Margin), picture);
    printer.EndDoc();
}

GraphReadOut GraphPressAt(GraphState& g, int px, int py, int slot) {
    // The read-out shows two more decimals than the tick labels.
    constexpr int ReadOutExtraDecimals = 2;
    const double x = PixelToGraphX(g, px, slot);
    const double y = PixelToGraphY(g, py, slot);
    g.ZoomStartX = x;
    g.ZoomStartY = y;
    g.Dragging = 1;
    return {FloatToStr(RoundToDecimals(x, g.AxisDecimals[slot][0] + ReadOutExtraDecimals)),
            FloatToStr(RoundToDecimals(y, g.AxisDecimals[slot][1] + ReadOutExtraDecimals))};
}

void GraphShowAll(GraphState& g, int slot) {
    GraphAutoScale(g, slot);
    GraphDraw(g, slot);
}

void GraphZoomTo(GraphState& g, int px, int py, int slot) {
    // A release without a press on the graph (or after a reset) has no
    // rectangle to zoom to.
    if (g.Dragging == 1) {
        const double x = PixelToGraphX(g, px, slot);
        const double y = PixelToGraphY(g, py, slot);
        if (GraphZoomApplies(g, slot, x, y)) {
            GraphApplyZoom(g, slot, x, y);
            GraphDraw(g, slot);
        }
    }
    if (g.Form) g.Form->Repaint();
    g.Dragging = 0;
}

void GraphDrawZoomBox(GraphState& g, int px, int py, int slot) {
    if (g.Dragging != 1 || !g.Form) return;
    const TImage* image = GraphImage(g, slot);
    if (!image) return;
    // The window's surface lies over its controls; a repaint clears what the
    // previous move drew there.
    g.Form->Repaint();
    TCanvas& c = *g.Form->Canvas();
    const bool zooms =
        GraphZoomApplies(g, slot, PixelToGraphX(g, px, slot), PixelToGraphY(g, py, slot));
    c.Pen = TPen{zooms ? clBlack : clRed, psDash, 1};
    const int left = image->Left(), top = image->Top();
    const int ax = GraphPixel(GraphXToPixel(g, g.ZoomStartX, slot) + left);
    const int ay = GraphPixel(GraphYToPixel(g, g.ZoomStartY, slot) + top);
    c.MoveTo(ax, ay);
    c.LineTo(px + left, ay);
    c.LineTo(px + left, py + top);
    c.LineTo(ax, py + top);
    c.LineTo(ax, ay);
}
