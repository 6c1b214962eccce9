// Drawing calls hit exactly the pixels the original platform hits, and a
// picture survives the round trip through a Windows bitmap file.
#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <functional>

#include "platform/controls.h"

namespace {

class CanvasTest : public ::testing::Test {
  protected:
    void SetUp() override {
        picture.SetSize(24, 16);
        canvas = picture.Canvas();
    }
    TColor At(int x, int y) const { return picture.Pixel(x, y); }

    TPicture picture;
    TCanvas* canvas = nullptr;
};

TEST_F(CanvasTest, NewPictureIsWhite) {
    EXPECT_EQ(At(0, 0), clWhite);
    EXPECT_EQ(At(23, 15), clWhite);
}

TEST_F(CanvasTest, LineLeavesOutItsEndPixel) {
    canvas->MoveTo(2, 3);
    canvas->LineTo(9, 3);
    EXPECT_EQ(At(2, 3), clBlack);
    EXPECT_EQ(At(8, 3), clBlack);
    EXPECT_EQ(At(9, 3), clWhite);
    EXPECT_EQ(canvas->PenPos().x, 9);
    canvas->LineTo(9, 10);  // from the pen position on
    EXPECT_EQ(At(9, 3), clBlack);
    EXPECT_EQ(At(9, 9), clBlack);
    EXPECT_EQ(At(9, 10), clWhite);
}

TEST_F(CanvasTest, RectangleFramesWithPenAndFillsWithBrush) {
    canvas->Pen.Color = clBlue;
    canvas->Brush.Color = clRed;
    canvas->Rectangle(3, 2, 10, 8);
    EXPECT_EQ(At(3, 2), clBlue);
    EXPECT_EQ(At(9, 7), clBlue);  // right and bottom edges are x2 - 1, y2 - 1
    EXPECT_EQ(At(10, 7), clWhite);
    EXPECT_EQ(At(9, 8), clWhite);
    EXPECT_EQ(At(5, 4), clRed);
}

TEST_F(CanvasTest, FillRectExcludesRightAndBottom) {
    canvas->Brush.Color = clGreen;
    canvas->FillRect(Rect(1, 1, 5, 4));
    EXPECT_EQ(At(1, 1), clGreen);
    EXPECT_EQ(At(4, 3), clGreen);
    EXPECT_EQ(At(5, 3), clWhite);
    EXPECT_EQ(At(4, 4), clWhite);
}

TEST_F(CanvasTest, EllipseStaysInItsBoundingBox) {
    canvas->Brush.Color = clYellow;
    canvas->Ellipse(4, 4, 13, 13);
    EXPECT_EQ(At(8, 8), clYellow);  // centre filled
    EXPECT_EQ(At(4, 4), clWhite);   // corners outside the curve
    EXPECT_EQ(At(4, 8), clBlack);   // left edge on the box
    EXPECT_EQ(At(12, 8), clBlack);  // right edge is x2 - 1
    EXPECT_EQ(At(13, 8), clWhite);
}

// A dot of the reticle: an 8 px pen around a 4 px box.
TEST_F(CanvasTest, PenWiderThanTheEllipseDrawsASolidDot) {
    canvas->Pen.Width = 8;
    canvas->Ellipse(10, 6, 14, 10);
    for (int x = 8; x <= 15; ++x) EXPECT_EQ(At(x, 8), clBlack) << x;
    EXPECT_EQ(At(4, 8), clWhite);
    EXPECT_EQ(At(20, 8), clWhite);
}

TEST_F(CanvasTest, ClearPenDrawsNoOutline) {
    canvas->Pen.Style = psClear;
    canvas->Brush.Color = clRed;
    canvas->Rectangle(2, 2, 8, 8);
    EXPECT_EQ(At(2, 2), clRed);
}

TEST_F(CanvasTest, TextCellStartsAtThePointOnTheBrushColour) {
    picture.SetSize(120, 40);
    canvas->Font.Name = "Arial";
    canvas->Font.Size = 10;
    canvas->Brush.Color = clYellow;
    const int w = canvas->TextWidth("WW");
    const int h = canvas->TextHeight("WW");
    canvas->TextOut(10, 5, "WW");
    EXPECT_EQ(At(10, 5), clYellow);
    EXPECT_EQ(At(9, 5), clWhite);
    EXPECT_EQ(At(10 + w, 5), clWhite);
    EXPECT_EQ(At(10, 5 + h), clWhite);
    bool ink = false;
    for (int y = 5; y < 5 + h; ++y)
        for (int x = 10; x < 10 + w; ++x) ink = ink || At(x, y) != clYellow;
    EXPECT_TRUE(ink);
    EXPECT_EQ(canvas->PenPos().x, 10 + w);
}

// Text is set glyph by glyph, each at its own advance, with no kerning between
// pairs: the same letters in another order take the same width.
TEST_F(CanvasTest, TextTakesTheSumOfItsGlyphsAdvances) {
    for (const char* name : {"Arial", "MS Sans Serif"}) {
        canvas->Font.Name = name;
        canvas->Font.Size = 24;
        EXPECT_EQ(canvas->TextWidth("AVAVAVAVTaTaTa"), canvas->TextWidth("AAAATTTVVVVaaa")) << name;
    }
}

// Without a real font every glyph draws as the same box.
TEST_F(CanvasTest, WindowsFontNamesMapToARealFont) {
    for (const char* name : {"Arial", "MS Sans Serif"}) {
        canvas->Font.Name = name;
        EXPECT_LT(canvas->TextWidth("iiii"), canvas->TextWidth("WWWW")) << name;
    }
    canvas->Font.Size = 10;
    EXPECT_GE(canvas->TextHeight("X"), 12);  // 13 px em for 10 points
}

TEST_F(CanvasTest, ResizeKeepsTheDrawingAtTopLeft) {
    canvas->Brush.Color = clRed;
    canvas->FillRect(Rect(0, 0, 3, 3));
    picture.SetSize(40, 30);
    EXPECT_EQ(At(2, 2), clRed);
    EXPECT_EQ(At(39, 29), clWhite);
    canvas->FillRect(Rect(30, 20, 40, 30));  // the canvas draws on the new size
    EXPECT_EQ(At(39, 29), clRed);
}

TEST_F(CanvasTest, BatchDrawsTheSameWithOneChangeNotice) {
    TPicture single;
    single.SetSize(24, 16);
    int notices = 0;
    picture.OnChange = [&notices] { ++notices; };
    const TPoint zigzag[] = {{1, 1}, {8, 12}, {15, 2}, {22, 14}};
    {
        TCanvasBatch batch(*canvas);
        canvas->Brush.Color = clRed;
        canvas->FillRect(Rect(0, 0, 5, 5));
        canvas->Polyline(zigzag, 4);
        canvas->TextOut(12, 0, "x");
        EXPECT_EQ(notices, 0);
    }
    EXPECT_EQ(notices, 1);
    TCanvas& c = *single.Canvas();
    c.Brush.Color = clRed;
    c.FillRect(Rect(0, 0, 5, 5));
    c.Polyline(zigzag, 4);
    c.TextOut(12, 0, "x");
    EXPECT_TRUE(picture.Image() == single.Image());
    EXPECT_EQ(canvas->PenPos().x, c.PenPos().x);
}

// A batch sets a pen, a clip or a font on its painter only when it differs
// from the call before; each sequence must still draw what separate calls draw.
TEST(CanvasBatch, StateChangesBetweenCallsDrawAsSeparateCalls) {
    using Steps = std::function<void(TCanvas&)>;
    struct Row {
        const char* name;
        Steps steps;
    };
    const Row rows[] = {
        {"line after text keeps the pen colour",
         [](TCanvas& c) {
             c.Pen = TPen{clRed, psSolid, 1};
             c.MoveTo(0, 20);
             c.LineTo(40, 20);
             c.Font.Color = clBlue;
             c.TextOut(2, 2, "Ab");
             c.MoveTo(0, 24);
             c.LineTo(40, 24);
         }},
        {"pen style and width changes",
         [](TCanvas& c) {
             c.MoveTo(0, 5);
             c.Pen.Style = psDot;
             c.LineTo(40, 5);
             c.Pen.Style = psSolid;
             c.Pen.Width = 2;
             c.MoveTo(0, 10);
             c.LineTo(40, 12);
             const TPoint points[] = {{0, 15}, {20, 25}, {40, 15}};
             c.Polyline(points, 3);
             c.Pen.Width = 1;
             c.MoveTo(0, 28);
             c.LineTo(40, 28);
         }},
        {"clip set, changed and removed",
         [](TCanvas& c) {
             c.ClipRect = Rect(0, 0, 10, 30);
             c.MoveTo(0, 3);
             c.LineTo(40, 3);
             c.ClipRect = Rect(20, 0, 30, 30);
             c.MoveTo(0, 6);
             c.LineTo(40, 6);
             c.ClipRect.reset();
             c.MoveTo(0, 9);
             c.LineTo(40, 9);
         }},
        {"font changes between texts",
         [](TCanvas& c) {
             c.Font.Size = 10;
             c.TextOut(0, 0, "Wi");
             c.Font.Bold = true;
             c.TextOut(0, 12, "Wi");
             c.Font.Height = 8;
             c.TextOut(20, 0, "Wi");
             c.Font.Color = clRed;
             c.TextOut(20, 12, "Wi");
         }},
        {"shapes between lines",
         [](TCanvas& c) {
             c.Pen.Color = clGreen;
             c.MoveTo(0, 2);
             c.LineTo(40, 2);
             c.Brush.Color = clYellow;
             c.Ellipse(2, 5, 14, 17);
             c.Rectangle(20, 5, 30, 15);
             c.MoveTo(0, 25);
             c.LineTo(40, 25);
         }},
    };
    for (const Row& r : rows) {
        TPicture batched, single;
        batched.SetSize(40, 30);
        single.SetSize(40, 30);
        {
            TCanvasBatch batch(*batched.Canvas());
            r.steps(*batched.Canvas());
        }
        r.steps(*single.Canvas());
        EXPECT_TRUE(batched.Image() == single.Image()) << r.name;
    }
}

TEST_F(CanvasTest, PendingDrawingRunsOnceWhenThePictureIsRead) {
    int runs = 0;
    auto drawing = [this, &runs] {
        ++runs;
        canvas->Brush.Color = clBlue;
        canvas->FillRect(Rect(0, 0, 24, 16));
    };
    picture.SetPendingDraw(drawing);
    picture.SetPendingDraw(drawing);
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(At(3, 3), clBlue);
    EXPECT_EQ(At(4, 4), clBlue);
    EXPECT_EQ(runs, 1);
    // Drawing on the picture comes after what it still owed.
    picture.SetPendingDraw(drawing);
    canvas->Brush.Color = clRed;
    canvas->MoveTo(0, 9);
    canvas->LineTo(5, 9);
    canvas->FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(At(1, 1), clRed);
    EXPECT_EQ(At(3, 9), clBlack);
    EXPECT_EQ(canvas->PenPos().x, 5);
}

TEST(PictureFile, BitmapRoundTrip) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("graph.bmp").toStdString();
    TPicture picture;
    picture.SetSize(33, 21);  // odd width: rows are padded in the file
    picture.Canvas()->Brush.Color = RGB(12, 200, 99);
    picture.Canvas()->FillRect(Rect(0, 0, 10, 5));
    picture.Canvas()->MoveTo(0, 20);
    picture.Canvas()->LineTo(33, 20);
    picture.SaveToFile(path);

    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(2), QByteArray("BM"));
    file.close();
    QImage back(QString::fromStdString(path), "BMP");
    ASSERT_EQ(back.size(), QSize(33, 21));
    EXPECT_EQ(back.depth() == 24 || back.depth() == 32, true);
    EXPECT_EQ(QColor(back.pixel(9, 4)), QColor(12, 200, 99));
    EXPECT_EQ(QColor(back.pixel(10, 4)), QColor(Qt::white));
    EXPECT_EQ(QColor(back.pixel(32, 20)), QColor(Qt::black));
}

TEST(PictureFile, UnwritablePathRaisesWithThePath) {
    TPicture picture;
    picture.SetSize(4, 4);
    try {
        picture.SaveToFile("/nonexistent-folder/x.bmp");
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent-folder/x.bmp"), std::string::npos);
    }
}

}  // namespace
