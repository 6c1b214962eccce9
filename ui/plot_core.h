// The Qt-free half of the plot component: the graph records, the drawing
// style of a window, and everything that can be computed without a canvas
// (coordinate transforms, curve length, autoscaling, tick decimals, the zoom
// decision, loading points, and the pixel clipping that keeps every drawn
// position inside int range). The drawing half lives in plot.h.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/canvas.h"

class TForm;

constexpr int GraphSlotCount = 10;
constexpr int GraphCurveCount = 10;
constexpr int GraphPointCapacity = 2110;   // points per curve
constexpr int GraphMarginLeftBottom = 50;  // px, left and bottom of the plot area
constexpr int GraphMarginRightTop = 30;    // px, right and top of the plot area
constexpr int GraphGridStepX = 50;         // px between vertical grid lines
constexpr int GraphGridStepY = 25;         // px between horizontal grid lines
// Smallest control that is drawn: 1.5 × (50 + 30) px in each direction.
constexpr int GraphMinimumSize = 120;
// A zoom rectangle must span this share of the current range of both axes.
constexpr double GraphZoomThreshold = 0.1;
// Drawn positions are clipped to ±1e6 px: far beyond any screen, far inside int.
constexpr double GraphPixelLimit = 1e6;

// What differs between the windows that show a graph: the unit texts and
// their positions, the title, and the pens of the first curves.
struct GraphDrawStyle {
    std::function<std::string()> XUnit;  // drawn at (W - XUnitFromRight, H - 23)
    int XUnitFromRight = 40;
    std::function<std::string()> YUnit;  // drawn at (20, YUnitTop); empty text: none
    int YUnitTop = 6;
    std::function<std::string()> Title;  // drawn at (60, 8); no function: no title
    // Pen colours of curves 0, 1, ...; a curve past the table keeps the pen of
    // the curve drawn before it.
    std::vector<TColor> CurvePens;
};

// The calculator window's style: x unit from the "Axis X" item, y unit from
// the "Axis Y" item, the ammunition name as title.
GraphDrawStyle CalculatorGraphStyle(std::function<int()> axisXItem, std::function<int()> axisYItem,
                                    std::function<std::string()> title);
// The drag-coefficient window's style: fixed units, no title.
GraphDrawStyle DragGraphStyle();
// Unit texts of the calculator window's axes by radio item.
std::string TrajectoryXUnit(int axisXItem);
std::string TrajectoryYUnit(int axisYItem);

// One graph instance: the records of up to ten graphs of one window (a slot
// is the position of the graph's image control among the window's child
// controls) and the window it is bound to. Far too large for a stack.
struct GraphState {
    int Dragging = 0;  // 1 while a zoom drag is in progress
    int CurveVisible[GraphSlotCount][GraphCurveCount] = {};
    int CurveStyle[GraphSlotCount][GraphCurveCount] = {};  // 0 line, 1 markers, 2 both
    int AxisDecimals[GraphSlotCount][2] = {};              // x, then y tick decimals
    double ZoomStartX = 0;  // world position where the zoom drag started
    double ZoomStartY = 0;
    double XMin[GraphSlotCount] = {};
    double YMin[GraphSlotCount] = {};
    double XMax[GraphSlotCount] = {};
    double YMax[GraphSlotCount] = {};
    // Per slot and curve: the x values, then the y values.
    double GraphPoints[GraphSlotCount][GraphCurveCount][2][GraphPointCapacity] = {};

    TForm* Form = nullptr;  // the window whose child controls the slots index
    GraphDrawStyle Style;
};

// Size of a graph's image control in pixels.
struct GraphArea {
    int Width = 0;
    int Height = 0;
};

bool GraphSlotValid(int slot);
bool GraphCurveValid(int curve);
// Controls smaller than 120 × 120 px are neither drawn nor used for the
// inverse transforms: their plot area would be empty or negative.
bool GraphAreaDrawable(GraphArea area);

// World value to pixel column or row, and back.
double GraphXToPixel(const GraphState& g, double x, int slot, GraphArea area);
double GraphYToPixel(const GraphState& g, double y, int slot, GraphArea area);
// For a control below the minimum size these return the axis minimum.
double PixelToGraphX(const GraphState& g, double px, int slot, GraphArea area);
double PixelToGraphY(const GraphState& g, double py, int slot, GraphArea area);

// Number of points of a curve: up to and including the first point whose
// successor's x is not greater than its own, at most the capacity.
int GraphCurveLength(const GraphState& g, int slot, int curve);

// Tick decimals for an axis span; a span of exactly 10 keeps `previous`.
int GraphTickDecimals(double span, int previous);

// Axis ranges and tick decimals from the visible curves, maxima widened by 5 %.
void GraphAutoScale(GraphState& g, int slot);

// Whether a drag from (ZoomStartX, ZoomStartY) to the world point (x, y)
// spans enough of both axes to zoom.
bool GraphZoomApplies(const GraphState& g, int slot, double x, double y);
// Sets the axes to the dragged rectangle and recomputes the tick decimals.
void GraphApplyZoom(GraphState& g, int slot, double x, double y);

// Number of points GraphAddCurve would copy.
int GraphPointCount(int first, int last, int stride);
// Copies every stride-th point of xs/ys from first to last into the curve and
// shows it with the style. Returns false, leaving the curve untouched, when
// the points do not fit.
bool GraphLoadCurve(GraphState& g, const double* xs, const double* ys, int first, int last,
                    int stride, int slot, int curve, int style);

// Clamps a pixel position to ±1e6 and truncates it toward zero; not a
// number gives 0.
int GraphPixel(double position);
// Clips the segment (x0, y0)-(x1, y1) to the ±1e6 px square; false when no
// part of it lies inside. Parts inside keep their exact course.
bool GraphClipSegment(double& x0, double& y0, double& x1, double& y1);
