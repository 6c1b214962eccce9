#include "ui/plot_core.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double L = GraphMarginLeftBottom;
constexpr double R = GraphMarginRightTop;

// Autoscaling starts from an empty range that any value widens.
constexpr double ScaleStartMin = 1e20;
constexpr double ScaleStartMax = 1e-20;
// Room above the largest value, and below a constant curve.
constexpr double ScaleWidening = 1.05;
constexpr double ConstantCurveFloor = 0.95;

void SetTickDecimals(GraphState& g, int slot) {
    g.AxisDecimals[slot][1] =
        GraphTickDecimals(std::fabs(g.YMin[slot] - g.YMax[slot]), g.AxisDecimals[slot][1]);
    g.AxisDecimals[slot][0] =
        GraphTickDecimals(std::fabs(g.XMin[slot] - g.XMax[slot]), g.AxisDecimals[slot][0]);
}

}  // namespace

std::string TrajectoryXUnit(int axisXItem) {
    return axisXItem == 1 ? "m" : "s";
}

std::string TrajectoryYUnit(int axisYItem) {
    // Inclination, specific energy and the drag coefficient carry no unit.
    static const char* const units[] = {"cm", "m/s", "J", "m/s", "m/s", "cm", "m/s"};
    if (axisYItem < 0 || axisYItem >= static_cast<int>(std::size(units))) return "";
    return units[axisYItem];
}

GraphDrawStyle CalculatorGraphStyle(std::function<int()> axisXItem, std::function<int()> axisYItem,
                                    std::function<std::string()> title) {
    GraphDrawStyle style;
    style.XUnit = [axisXItem = std::move(axisXItem)] { return TrajectoryXUnit(axisXItem()); };
    style.XUnitFromRight = 40;
    style.YUnit = [axisYItem = std::move(axisYItem)] { return TrajectoryYUnit(axisYItem()); };
    style.YUnitTop = 6;
    style.Title = std::move(title);
    style.CurvePens = {clRed, clBlack, RGB(0, 128, 0), clBlue, RGB(128, 0, 128)};
    return style;
}

GraphDrawStyle DragGraphStyle() {
    GraphDrawStyle style;
    style.XUnit = [] { return std::string("v [m/s]"); };
    style.XUnitFromRight = 60;
    style.YUnit = [] { return std::string("c"); };
    style.YUnitTop = 15;
    style.CurvePens = {clRed, clBlue, clBlack, RGB(0, 128, 0)};
    return style;
}

bool GraphSlotValid(int slot) {
    return slot >= 0 && slot < GraphSlotCount;
}

bool GraphCurveValid(int curve) {
    return curve >= 0 && curve < GraphCurveCount;
}

bool GraphAreaDrawable(GraphArea area) {
    return area.Width >= GraphMinimumSize && area.Height >= GraphMinimumSize;
}

double GraphXToPixel(const GraphState& g, double x, int slot, GraphArea area) {
    if (!GraphSlotValid(slot)) return 0;
    return (area.Width - L - R) * (x - g.XMin[slot]) / (g.XMax[slot] - g.XMin[slot]) + L;
}

double GraphYToPixel(const GraphState& g, double y, int slot, GraphArea area) {
    if (!GraphSlotValid(slot)) return 0;
    return area.Height -
           (area.Height - L - R) * (y - g.YMin[slot]) / (g.YMax[slot] - g.YMin[slot]) - L;
}

double PixelToGraphX(const GraphState& g, double px, int slot, GraphArea area) {
    if (!GraphSlotValid(slot)) return 0;
    if (!GraphAreaDrawable(area)) return g.XMin[slot];
    return g.XMin[slot] + (px - L) / ((area.Width - L - R) / (g.XMax[slot] - g.XMin[slot]));
}

double PixelToGraphY(const GraphState& g, double py, int slot, GraphArea area) {
    if (!GraphSlotValid(slot)) return 0;
    if (!GraphAreaDrawable(area)) return g.YMin[slot];
    return g.YMin[slot] +
           (area.Height - (L + py)) / ((area.Height - L - R) / (g.YMax[slot] - g.YMin[slot]));
}

int GraphCurveLength(const GraphState& g, int slot, int curve) {
    if (!GraphSlotValid(slot) || !GraphCurveValid(curve)) return 0;
    const double* xs = g.GraphPoints[slot][curve][0];
    int last = 0;
    while (last < GraphPointCapacity - 1 && xs[last + 1] > xs[last]) ++last;
    return last + 1;
}

int GraphTickDecimals(double span, int previous) {
    // Each test overrides the one before, so the smallest matching span wins.
    int decimals = previous;
    if (span > 10) decimals = 0;
    if (span < 10) decimals = 1;
    if (span < 1) decimals = 2;
    if (span < 0.1) decimals = 3;
    if (span < 0.01) decimals = 4;
    if (span < 0.001) decimals = 5;
    return decimals;
}

void GraphAutoScale(GraphState& g, int slot) {
    if (!GraphSlotValid(slot)) return;
    double xMin = ScaleStartMin, yMin = ScaleStartMin;
    double xMax = ScaleStartMax, yMax = ScaleStartMax;
    for (int curve = 0; curve < GraphCurveCount; ++curve) {
        if (g.CurveVisible[slot][curve] != 1) continue;
        const double* xs = g.GraphPoints[slot][curve][0];
        const double* ys = g.GraphPoints[slot][curve][1];
        const int count = GraphCurveLength(g, slot, curve);
        for (int i = 0; i < count; ++i) {
            // A point that cannot be drawn must not stretch the axes either.
            if (!std::isfinite(xs[i]) || !std::isfinite(ys[i])) continue;
            xMin = std::min(xMin, xs[i]);
            xMax = std::max(xMax, xs[i]);
            yMin = std::min(yMin, ys[i]);
            yMax = std::max(yMax, ys[i]);
        }
    }
    if (yMin == ScaleStartMin) {
        xMin = yMin = 0;
        xMax = yMax = 1;
    }
    if (yMin == yMax) yMin *= ConstantCurveFloor;
    // Only the maxima get room; an all-negative axis therefore ends at 0.
    g.XMin[slot] = xMin;
    g.YMin[slot] = yMin;
    g.XMax[slot] = xMax * ScaleWidening;
    g.YMax[slot] = yMax * ScaleWidening;
    SetTickDecimals(g, slot);
}

bool GraphZoomApplies(const GraphState& g, int slot, double x, double y) {
    if (!GraphSlotValid(slot)) return false;
    if (std::fabs(g.ZoomStartX - x) < GraphZoomThreshold * (g.XMax[slot] - g.XMin[slot]) ||
        std::fabs(g.ZoomStartY - y) < GraphZoomThreshold * (g.YMax[slot] - g.YMin[slot]))
        return false;
    // Deep zooms can make the threshold underflow to 0; an empty or
    // non-finite range would break every transform, so it never zooms.
    return std::isfinite(x) && std::isfinite(y) && x != g.ZoomStartX && y != g.ZoomStartY;
}

void GraphApplyZoom(GraphState& g, int slot, double x, double y) {
    if (!GraphSlotValid(slot)) return;
    g.XMin[slot] = std::min(g.ZoomStartX, x);
    g.XMax[slot] = std::max(g.ZoomStartX, x);
    g.YMin[slot] = std::min(g.ZoomStartY, y);
    g.YMax[slot] = std::max(g.ZoomStartY, y);
    SetTickDecimals(g, slot);
}

int GraphPointCount(int first, int last, int stride) {
    return (last - first) / std::max(stride, 1) + 1;
}

bool GraphLoadCurve(GraphState& g, const double* xs, const double* ys, int first, int last,
                    int stride, int slot, int curve, int style) {
    if (!GraphSlotValid(slot) || !GraphCurveValid(curve)) return false;
    if (GraphPointCount(first, last, stride) > GraphPointCapacity) return false;
    // A stride below 1 would never advance.
    stride = std::max(stride, 1);
    double* px = g.GraphPoints[slot][curve][0];
    double* py = g.GraphPoints[slot][curve][1];
    // Clear the whole curve: points left over from a longer curve would
    // otherwise continue a new one whose x keeps rising.
    std::fill(px, px + GraphPointCapacity, 0.0);
    std::fill(py, py + GraphPointCapacity, 0.0);
    for (int j = 0; j * stride <= last - first; ++j) {
        px[j] = xs[first + j * stride];
        py[j] = ys[first + j * stride];
    }
    g.CurveVisible[slot][curve] = 1;
    g.CurveStyle[slot][curve] = style;
    return true;
}

int GraphPixel(double position) {
    if (std::isnan(position)) return 0;
    return static_cast<int>(std::clamp(position, -GraphPixelLimit, GraphPixelLimit));
}

bool GraphClipSegment(double& x0, double& y0, double& x1, double& y1) {
    // Both ends inside: nothing to narrow (the usual case, and the cheap one).
    if (std::fabs(x0) <= GraphPixelLimit && std::fabs(y0) <= GraphPixelLimit &&
        std::fabs(x1) <= GraphPixelLimit && std::fabs(y1) <= GraphPixelLimit)
        return true;
    // Liang-Barsky: the segment is x0 + t·dx, y0 + t·dy for t in [0, 1];
    // each side of the square narrows the range of t that lies inside.
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 + GraphPixelLimit, GraphPixelLimit - x0, y0 + GraphPixelLimit,
                         GraphPixelLimit - y0};
    double tEnter = 0, tLeave = 1;
    for (int side = 0; side < 4; ++side) {
        if (p[side] == 0) {
            if (q[side] < 0) return false;
            continue;
        }
        const double t = q[side] / p[side];
        if (p[side] < 0)
            tEnter = std::max(tEnter, t);
        else
            tLeave = std::min(tLeave, t);
    }
    if (tEnter > tLeave) return false;
    const double ox = x0, oy = y0;
    if (tLeave < 1) {
        x1 = ox + tLeave * dx;
        y1 = oy + tLeave * dy;
    }
    if (tEnter > 0) {
        x0 = ox + tEnter * dx;
        y0 = oy + tEnter * dy;
    }
    return true;
}
