// The plot component drawing into a real image control: pixels of the frame,
// the grid and the curves, the two drawing styles, resizing, the capacity
// message and the rubber band over the window.
#include "ui/plot.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QPixmap>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/base.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/testing/scripted_services.h"

namespace {

constexpr int Slot = 2;  // after the two bevels, as in the calculator window
constexpr int GraphLeft = 20, GraphTop = 10;
constexpr int GraphWidth = 400, GraphHeight = 300;
// Wide pens and circles may fall a pixel either side of the exact position.
constexpr int PenSlack = 2;

ControlDescription Control(std::string name, Kind kind, int left, int top, int width, int height) {
    ControlDescription c;
    c.name = std::move(name);
    c.kind = kind;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    return c;
}

FormDescription GraphFormDescription() {
    FormDescription d;
    d.name = "GraphTest";
    d.caption = "Graph";
    d.clientWidth = 460;
    d.clientHeight = 340;
    d.controls = {Control("Bevel1", Kind::Bevel, 0, 0, 460, 2),
                  Control("Bevel2", Kind::Bevel, 440, 20, 6, 100),
                  Control("Graf0", Kind::Image, GraphLeft, GraphTop, GraphWidth, GraphHeight)};
    return d;
}

class GraphWindow : public TForm {
  public:
    GraphWindow() : TForm(GraphFormDescription()) { FinishCreate(); }
};

class PlotDrawing : public ::testing::Test {
  protected:
    void SetUp() override {
        window_ = std::make_unique<GraphWindow>();
        graph_ = std::make_unique<GraphState>();
        GraphBind(
            *graph_, *window_,
            CalculatorGraphStyle([] { return 1; }, [] { return 0; }, [this] { return title_; }));
        GraphReset(*graph_, Slot);
    }
    void TearDown() override { window_.reset(); }

    TImage& Image() { return *window_->Find<TImage>("Graf0"); }
    TColor Pixel(int x, int y) { return Image().Picture()->Pixel(x, y); }
    // Whether the colour appears within PenSlack pixels of (x, y).
    bool ColourNear(int x, int y, TColor colour) {
        for (int dy = -PenSlack; dy <= PenSlack; ++dy)
            for (int dx = -PenSlack; dx <= PenSlack; ++dx)
                if (Pixel(x + dx, y + dy) == colour) return true;
        return false;
    }
    int PixelX(double x) { return GraphPixel(GraphXToPixel(*graph_, x, Slot)); }
    int PixelY(double y) { return GraphPixel(GraphYToPixel(*graph_, y, Slot)); }
    void AddCurve(const std::vector<double>& xs, const std::vector<double>& ys, int curve,
                  int style = 0) {
        GraphAddCurve(*graph_, xs.data(), ys.data(), 0, static_cast<int>(xs.size()) - 1, 1, Slot,
                      curve, style);
    }
    // Counts pixels that are not white in a rectangle (right/bottom exclusive).
    int Inked(int left, int top, int right, int bottom) {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) count += Pixel(x, y) != clWhite;
        return count;
    }

    ScriptedServices services_;  // installed first, removed last
    std::unique_ptr<GraphWindow> window_;
    std::unique_ptr<GraphState> graph_;
    std::string title_ = "308 Sierra MatchKing 168gr.";
};

}  // namespace

TEST_F(PlotDrawing, FrameSitsInsideTheMargins) {
    const int right = GraphWidth - GraphMarginRightTop;
    const int bottom = GraphHeight - GraphMarginLeftBottom;
    EXPECT_EQ(Pixel(175, GraphMarginRightTop), clBlack);  // top edge
    EXPECT_EQ(Pixel(175, bottom), clBlack);               // bottom edge
    EXPECT_EQ(Pixel(GraphMarginLeftBottom, 140), clBlack);
    EXPECT_EQ(Pixel(right, 140), clBlack);
    // Inside and outside the frame, away from grid, ticks and labels: white.
    EXPECT_EQ(Pixel(75, 140), clWhite);
    EXPECT_EQ(Pixel(right + 10, 140), clWhite);
}

TEST_F(PlotDrawing, GridLinesAreDotted) {
    // The first vertical grid line right of the frame edge, x = 100.
    int black = 0, white = 0;
    for (int y = 40; y < 240; ++y) (Pixel(100, y) == clBlack ? black : white) += 1;
    EXPECT_GT(black, 40);
    EXPECT_GT(white, 40);
    // The first horizontal grid line above the bottom edge, y = 225.
    black = white = 0;
    for (int x = 60; x < 360; ++x) (Pixel(x, 225) == clBlack ? black : white) += 1;
    EXPECT_GT(black, 60);
    EXPECT_GT(white, 60);
}

TEST_F(PlotDrawing, CurvesTakeThePensOfTheirWindowStyle) {
    const TColor green = RGB(0, 128, 0), purple = RGB(128, 0, 128);
    const TColor calculator[] = {clRed, clBlack, green, clBlue, purple};
    // Five horizontal lines of rising height, one per curve, between grid rows.
    for (int curve = 0; curve < 5; ++curve)
        AddCurve({0, 100}, {10.0 + 20 * curve, 10.0 + 20 * curve}, curve);
    for (int curve = 0; curve < 5; ++curve)
        EXPECT_TRUE(ColourNear(175, PixelY(10.0 + 20 * curve), calculator[curve])) << curve;

    GraphBind(*graph_, *window_, DragGraphStyle());
    GraphDraw(*graph_, Slot);
    const TColor drag[] = {clRed, clBlue, clBlack, green};
    for (int curve = 0; curve < 4; ++curve)
        EXPECT_TRUE(ColourNear(175, PixelY(10.0 + 20 * curve), drag[curve])) << curve;
    // Curve 4 keeps the pen of curve 3 in the drag window's style.
    EXPECT_TRUE(ColourNear(175, PixelY(90), green));
}

TEST_F(PlotDrawing, CurvePastThePenTableAloneUsesTheFramePen) {
    AddCurve({0, 100}, {10, 30}, 6);
    const int x = PixelX(50), y = PixelY(20);
    EXPECT_TRUE(ColourNear(x, y, clBlack));
    EXPECT_FALSE(ColourNear(x, y, clRed));
}

TEST_F(PlotDrawing, StyleOneDrawsCirclesWithoutConnectingLines) {
    const std::vector<double> xs = {10, 20, 30}, ys = {1, 2, 3};
    AddCurve(xs, ys, 0, 2);
    const int x2 = PixelX(20), y2 = PixelY(2), x3 = PixelX(30), y3 = PixelY(3);
    const int midX = (x2 + x3) / 2, midY = (y2 + y3) / 2;
    ASSERT_TRUE(ColourNear(midX, midY, clRed)) << "style 2 joins the points";

    AddCurve(xs, ys, 0, 1);
    EXPECT_FALSE(ColourNear(midX, midY, clRed));
    for (auto [x, y] : {std::pair{x2, y2}, std::pair{x3, y3}}) {
        EXPECT_EQ(Pixel(x, y), clWhite) << "circles are filled white";
        EXPECT_TRUE(ColourNear(x - 4, y, clRed));
        EXPECT_TRUE(ColourNear(x + 4, y, clRed));
    }
}

TEST_F(PlotDrawing, FarAwayAndUndefinedPointsDrawNothingWrong) {
    const double nan = std::nan("");
    AddCurve({0, 10, 20, 30}, {0, 10, 20, 30}, 0);
    // Zoom deep into the lower left: the curve's far end lies millions of
    // pixels away, and a point in between is not a number.
    graph_->GraphPoints[Slot][0][1][2] = nan;
    graph_->XMin[Slot] = 0, graph_->XMax[Slot] = 1e-6;
    graph_->YMin[Slot] = 0, graph_->YMax[Slot] = 1e-6;
    GraphDraw(*graph_, Slot);
    // The visible part from the origin still runs along the diagonal.
    EXPECT_TRUE(ColourNear(PixelX(0.5e-6), PixelY(0.5e-6), clRed));
}

TEST_F(PlotDrawing, ZoomedCurvesAndMarkersStayInsideTheFrame) {
    // A curve with markers and an overlay line, both crossing the whole
    // zoomed view and far beyond it.
    AddCurve({0, 25, 50, 75, 100}, {0, 25, 50, 75, 100}, 0, 2);
    AddCurve({0, 100}, {50, 50}, 1);
    graph_->XMin[Slot] = 40, graph_->XMax[Slot] = 60;
    graph_->YMin[Slot] = 40, graph_->YMax[Slot] = 60;
    GraphDraw(*graph_, Slot);
    const int left = GraphMarginLeftBottom, top = GraphMarginRightTop;
    const int right = GraphWidth - GraphMarginRightTop,
              bottom = GraphHeight - GraphMarginLeftBottom;
    int redInside = 0;
    for (int y = 0; y < GraphHeight; ++y) {
        for (int x = 0; x < GraphWidth; ++x) {
            const bool inside = x >= left && x <= right && y >= top && y <= bottom;
            if (Pixel(x, y) != clRed) continue;
            EXPECT_TRUE(inside) << x << "," << y;
            redInside += inside;
        }
    }
    EXPECT_GT(redInside, 100);
    // The overlay's black line ends at the frame as well; right of the frame
    // nothing else is drawn at its level.
    const int level = PixelY(50);
    EXPECT_TRUE(ColourNear(right - 10, level, clBlack));
    EXPECT_EQ(Inked(right + 2, level - 5, GraphWidth, level + 5), 0);
}

// A curve's pixels are those of the whole curve stroked as one line under the
// frame's clip, however much of it lies outside the view.
class CurveStroke : public PlotDrawing {
  protected:
    struct View {
        double xMin, xMax, yMin, yMax;
    };
    // Draws the curve in the view; returns the pixels that differ from the
    // whole stroke and, through curvePixels, how many show the curve's pen.
    int DifferingFromTheWholeStroke(const std::vector<double>& xs, const std::vector<double>& ys,
                                    const std::optional<View>& view, int* curvePixels = nullptr) {
        GraphReset(*graph_, Slot);
        AddCurve(xs, ys, 0);
        if (view) {
            graph_->XMin[Slot] = view->xMin, graph_->XMax[Slot] = view->xMax;
            graph_->YMin[Slot] = view->yMin, graph_->YMax[Slot] = view->yMax;
        }
        graph_->CurveVisible[Slot][0] = 0;
        GraphDraw(*graph_, Slot);
        QImage expected = Image().Picture()->Image().copy();
        graph_->CurveVisible[Slot][0] = 1;
        GraphDraw(*graph_, Slot);
        const QImage& drawn = Image().Picture()->Image();

        QPolygon line;
        for (size_t i = 0; i < xs.size(); ++i) {
            const QPoint p(PixelX(xs[i]), PixelY(ys[i]));
            if (line.isEmpty() || line.back() != p) line.append(p);
        }
        QPainter painter(&expected);
        painter.setClipRect(QRect(GraphMarginLeftBottom, GraphMarginRightTop,
                                  GraphWidth - GraphMarginRightTop + 1 - GraphMarginLeftBottom,
                                  GraphHeight - GraphMarginLeftBottom + 1 - GraphMarginRightTop));
        painter.setPen(QPen(PenColour(), 2, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
        painter.drawPolyline(line);
        painter.end();
        if (drawn.size() != expected.size()) return -1;
        int differing = 0, pen = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                differing += drawn.pixel(x, y) != expected.pixel(x, y);
                pen += drawn.pixel(x, y) == PenColour().rgb();
            }
        }
        if (curvePixels) *curvePixels = pen;
        return differing;
    }
    static QColor PenColour() {
        const TColor pen = CalculatorGraphStyle([] { return 1; }, [] { return 0; }, [] {
                               return std::string();
                           }).CurvePens.at(0);
        return QColor(pen & 0xff, (pen >> 8) & 0xff, (pen >> 16) & 0xff);
    }
};

TEST_F(CurveStroke, LongCurveMostlyOutOfView) {
    struct Row {
        const char* name;
        View view;
        bool curveShows;
    };
    const Row rows[] = {
        {"the muzzle end, zoomed in", {0, 1, -1, 1}, true},
        {"the middle", {45, 55, -30, 10}, true},
        {"a wave crossing the view again and again", {0, 100, -3, 3}, true},
        {"the whole curve", {-5, 105, -60, 10}, true},
        {"far past the curve's end", {500, 600, -60, 10}, false},
    };
    std::vector<double> xs, ys;
    for (int i = 0; i <= 1200; ++i) {
        const double x = i / 12.0;
        xs.push_back(x);
        // A falling path with a ripple, so the view cuts it many times.
        ys.push_back(-0.005 * x * x + 4 * std::sin(x * 1.7));
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        int curvePixels = 0;
        EXPECT_EQ(DifferingFromTheWholeStroke(xs, ys, row.view, &curvePixels), 0);
        EXPECT_EQ(curvePixels > 0, row.curveShows);
    }
}

TEST_F(CurveStroke, ManyShapesOfPath) {
    // Paths of every kind a trajectory or a derived series takes, with fixed
    // pseudo-random steps: falling arcs, straight lines at any slope, noisy
    // and zigzag paths, uneven spacing, each whole and with a zoomed view.
    unsigned seed = 12345;
    auto random = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) / double(1 << 24);
    };
    for (int trial = 0; trial < 120; ++trial) {
        const int n = 20 + static_cast<int>(random() * 600);
        const double step = 0.05 + random() * 2;
        const double drop = trial % 4 == 0 ? 0 : -random() * 0.05;  // 0: a straight line
        double x = 0, y = 0, rise = random() * 4 - 2;
        std::vector<double> xs, ys;
        for (int i = 0; i < n; ++i) {
            xs.push_back(x);
            ys.push_back(y);
            x += step * (trial % 3 == 1 ? random() : 1);
            rise += drop + (trial % 5 == 2 ? random() - 0.5 : 0) +
                    (trial % 7 == 3 ? (i % 2 ? 3 : -3) : 0);
            y += rise * step;
        }
        // Zoomed views keep every point within the painter's coordinate
        // range (32767 px), past which it clips the whole stroke itself.
        std::optional<View> view;
        if (trial % 2) {
            const auto [low, high] = std::minmax_element(ys.begin(), ys.end());
            const double room = std::max(1.0, (*high - *low) / 40);
            view = View{xs[n / 4], xs[n / 2], ys[n / 3] - room, ys[n / 3] + room};
        }
        ASSERT_EQ(DifferingFromTheWholeStroke(xs, ys, view), 0) << "path " << trial;
    }
}

TEST_F(PlotDrawing, TitleAndUnitsFollowTheStyle) {
    // The title's area right of (60, 8) and the y unit's at (20, 6).
    EXPECT_GT(Inked(60, 8, 200, 24), 20);
    EXPECT_GT(Inked(20, 6, 40, 20), 5);

    GraphBind(*graph_, *window_, DragGraphStyle());
    GraphDraw(*graph_, Slot);
    EXPECT_EQ(Inked(60, 8, 200, 24), 0);
    EXPECT_GT(Inked(20, 15, 30, 29), 5);  // "c"
    EXPECT_GT(Inked(GraphWidth - 60, GraphHeight - 23, GraphWidth, GraphHeight), 20);
}

TEST_F(PlotDrawing, ResizeIgnoresAControlBelowTheMinimum) {
    TImage& image = Image();
    image.SetHeight(100);
    GraphResize(*graph_, Slot);
    EXPECT_EQ(image.Picture()->Height(), GraphHeight);
    // Drawing on the small control does nothing either.
    image.Picture()->Canvas()->Brush.Color = clBlue;
    image.Picture()->Canvas()->FillRect(Rect(0, 0, 10, 10));
    GraphDraw(*graph_, Slot);
    EXPECT_EQ(Pixel(5, 5), clBlue);

    image.SetBounds(GraphLeft, GraphTop, 200, 150);
    GraphResize(*graph_, Slot);
    EXPECT_EQ(image.Picture()->Width(), 200);
    EXPECT_EQ(image.Picture()->Height(), 150);
    EXPECT_EQ(Pixel(5, 5), clWhite);
    EXPECT_EQ(Pixel(200 - GraphMarginRightTop, 60), clBlack);
}

TEST_F(PlotDrawing, TooManyPointsReportsAndKeepsTheCurve) {
    AddCurve({1, 2, 3}, {4, 5, 6}, 0);
    std::vector<double> many(GraphPointCapacity + 1, 1.0);
    EXPECT_THROW(
        GraphAddCurve(*graph_, many.data(), many.data(), 0, GraphPointCapacity, 1, Slot, 0, 0),
        EAbort);
    EXPECT_EQ(services_.messages, std::vector<std::string>{"Too many points in Graph."});
    EXPECT_EQ(GraphCurveLength(*graph_, Slot, 0), 3);
}

TEST_F(PlotDrawing, ReleaseZoomsOnlyDuringADrag) {
    AddCurve({0, 100}, {0, 100}, 0);
    const double xMax = graph_->XMax[Slot];
    GraphZoomTo(*graph_, 300, 60, Slot);  // no press before
    EXPECT_EQ(graph_->XMax[Slot], xMax);

    graph_->ZoomStartX = PixelToGraphX(*graph_, 300, Slot);
    graph_->ZoomStartY = PixelToGraphY(*graph_, 60, Slot);
    const double xMin = PixelToGraphX(*graph_, 100, Slot);
    const double yMin = PixelToGraphY(*graph_, 200, Slot);
    graph_->Dragging = 1;
    GraphZoomTo(*graph_, 100, 200, Slot);  // right to left, top to bottom
    EXPECT_EQ(graph_->Dragging, 0);
    EXPECT_DOUBLE_EQ(graph_->XMin[Slot], xMin);
    EXPECT_DOUBLE_EQ(graph_->XMax[Slot], graph_->ZoomStartX);
    EXPECT_DOUBLE_EQ(graph_->YMin[Slot], yMin);
    EXPECT_DOUBLE_EQ(graph_->YMax[Slot], graph_->ZoomStartY);
}

TEST_F(PlotDrawing, RubberBandIsRedWhileReleasingWouldNotZoom) {
    AddCurve({0, 100}, {0, 100}, 0);
    window_->Show();
    graph_->ZoomStartX = PixelToGraphX(*graph_, 100, Slot);
    graph_->ZoomStartY = PixelToGraphY(*graph_, 200, Slot);
    graph_->Dragging = 1;
    const int ax = PixelX(graph_->ZoomStartX), ay = PixelY(graph_->ZoomStartY);
    window_->Repaint();
    QImage before = window_->Window()->grab().toImage();
    // The colour of what the band changed along its edge at the start row
    // (the window's pixels are the image's offset by the control's position).
    auto bandColour = [&](int px, int py) {
        GraphDrawZoomBox(*graph_, px, py, Slot);
        const QImage after = window_->Window()->grab().toImage();
        const int y = GraphTop + ay;
        for (int x = GraphLeft + std::min(ax, px) + 1; x < GraphLeft + std::max(ax, px); ++x) {
            const QColor c = after.pixelColor(x, y);
            if (c != before.pixelColor(x, y)) return RGB(c.red(), c.green(), c.blue());
        }
        return clWhite;
    };
    EXPECT_EQ(bandColour(110, 100), clRed);    // too narrow
    EXPECT_EQ(bandColour(300, 195), clRed);    // too flat
    EXPECT_EQ(bandColour(300, 100), clBlack);  // zooms on release
    GraphZoomTo(*graph_, 300, 100, Slot);
    EXPECT_EQ(graph_->Dragging, 0);
    before = window_->Window()->grab().toImage();
    // Without a drag in progress a move draws nothing.
    EXPECT_EQ(bandColour(300, 100), clWhite);
}
