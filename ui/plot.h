// The plot component: x/y line graphs of up to ten curves drawn into an image
// control of a window, with autoscaled axes, a dotted grid, tick and unit
// labels, a title and zoom by a dragged rectangle. Each window with graphs has
// an instance of its own, bound to it once; the slot of a graph is the
// position of its image control among the window's child controls.
#pragma once

#include <string>

#include "ui/plot_core.h"

class TForm;
class TImage;

// The calculator window's instance (trajectory graph in slot 2).
extern GraphState MainGraphState;
// The drag-coefficient graph window's instance (slot 0).
extern GraphState DragGraphState;

// Binds an instance to its window and the window's drawing style. Until it is
// bound every drawing operation does nothing.
void GraphBind(GraphState& g, TForm& form, GraphDrawStyle style);

// The image control of a slot, or nullptr when that child is no image.
TImage* GraphImage(const GraphState& g, int slot);
// The size of the slot's image control (0 × 0 without one).
GraphArea GraphControlArea(const GraphState& g, int slot);

// Transforms between world values and the pixels of the slot's control.
double GraphXToPixel(const GraphState& g, double x, int slot);
double GraphYToPixel(const GraphState& g, double y, int slot);
double PixelToGraphX(const GraphState& g, double px, int slot);
double PixelToGraphY(const GraphState& g, double py, int slot);

// Redraws the whole picture of the slot.
void GraphDraw(GraphState& g, int slot);
// Loads every stride-th point of xs/ys from first to last into the curve,
// shows it with the style (0 line, 1 markers, 2 both), autoscales and redraws.
// More points than the capacity end the event with "Too many points in Graph.".
void GraphAddCurve(GraphState& g, const double* xs, const double* ys, int first, int last,
                   int stride, int slot, int curve, int style);
// Hides the curve (its points stay stored), autoscales and redraws.
void GraphRemoveCurve(GraphState& g, int slot, int curve);
// Axes 0 … 1.05 with 2 decimals, redraw, no drag in progress.
void GraphReset(GraphState& g, int slot);
// Fits the picture to a control of at least 120 × 120 px and redraws.
void GraphResize(GraphState& g, int slot);
// The read-out of a press on the graph at (px, py): the point in graph
// units as text, with two more decimals than the tick labels.
struct GraphReadOut {
    std::string X, Y;
};
// Mouse press at (px, py): starts a zoom rectangle there and returns the
// point for the window's read-out fields.
GraphReadOut GraphPressAt(GraphState& g, int px, int py, int slot);
// Double click: the full view of every shown curve again.
void GraphShowAll(GraphState& g, int slot);
// Writes a graph's picture as a bitmap file whole or not at all; when it
// cannot be written the user is told so and an existing file stays as it was.
void GraphSavePicture(TPicture& picture, const std::string& path);
// Prints a graph's picture on one landscape page, stretched into the page
// less 200 px on each side.
void GraphPrint(TPicture& picture);
// Mouse release at (px, py): zooms to the dragged rectangle when it spans
// enough of both axes, removes the rubber band and ends the drag.
void GraphZoomTo(GraphState& g, int px, int py, int slot);
// Mouse move to (px, py) during a drag: shows the rubber band, red while a
// release would not zoom.
void GraphDrawZoomBox(GraphState& g, int px, int py, int slot);
