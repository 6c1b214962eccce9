// Drawing surface of images and windows. The declaration is Qt-free so the
// plot and reticle code can be read and reasoned about without Qt; the
// implementation draws with QPainter onto the image or window it belongs to.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// Colours in the Windows layout 0x00BBGGRR.
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = 0xF0F0F0;

constexpr int GetRValue(TColor c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(TColor c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(TColor c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
constexpr TColor RGB(int r, int g, int b) {
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
enum TBrushStyle { bsSolid, bsClear };

struct TPoint {
    int x = 0;
    int y = 0;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

inline TRect Rect(int left, int top, int right, int bottom) {
    return {left, top, right, bottom};
}

struct TPen {
    TColor Color = clBlack;
    TPenStyle Style = psSolid;
    int Width = 1;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

struct TFont {
    std::string Name = "MS Sans Serif";
    int Size = 8;  // points, at 96 pixels per inch
    TColor Color = clBlack;
    bool Bold = false;
    int Height = 0;  // character height in pixels; when non-zero it wins over Size
};

// Pixel height of a font: Height when given, else Size points at 96 pixels per
// inch, rounded as the original platform rounds it.
int FontPixelHeight(const TFont& font);

class QPaintDevice;
class QPainter;
class QImage;
class TPicture;

// Pen, brush and font are read at every drawing call, as on the original
// platform: change them, then draw.
class TCanvas {
  public:
    TCanvas();
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen Pen;
    TBrush Brush;
    TFont Font;
    // While set, drawing calls paint only inside this rectangle (right and
    // bottom exclusive).
    std::optional<TRect> ClipRect;

    void MoveTo(int x, int y);
    // Draws from the pen position to (x, y), the end pixel excluded.
    void LineTo(int x, int y);
    // Outline with the pen, inside filled with the brush; right/bottom exclusive.
    void Rectangle(int x1, int y1, int x2, int y2);
    // Fills with the brush, no outline; right/bottom exclusive.
    void FillRect(const TRect& r);
    // Ellipse inside the bounding box, outline with the pen, filled with the brush.
    void Ellipse(int x1, int y1, int x2, int y2);
    // Text with the top-left of its cell at (x, y), on the brush colour unless bsClear.
    void TextOut(int x, int y, const std::string& text);
    int TextHeight(const std::string& text);
    int TextWidth(const std::string& text);
    // Draws the whole image scaled into the rectangle (right/bottom exclusive).
    void StretchDraw(const TRect& r, const QImage& image);
    void StretchDraw(const TRect& r, TPicture& picture);
    TPoint PenPos() const { return penPos_; }

    // Runs after every drawing call; the image control uses it to schedule a
    // repaint of what was drawn. Within a batch it runs once, at its end.
    std::function<void()> OnChange;
    // Runs before every drawing call: a picture does the drawing it still owes.
    std::function<void()> BeforeDraw;

    // Between BeginBatch and EndBatch the drawing calls share one painter, so
    // a whole picture costs one painter set-up and one change notice. Batches
    // nest; the device must not change inside one.
    void BeginBatch();
    void EndBatch();

    // Draws the points joined by lines with the pen, as MoveTo to the first
    // point and LineTo to each further one would, in one stroke.
    void Polyline(const TPoint* points, int count);

    // Binds the canvas to a paint device (an image's picture or a window's
    // buffer); nullptr makes every drawing call a no-op.
    void SetDevice(QPaintDevice* device);
    QPaintDevice* Device() const { return device_; }

  private:
    friend class CallPainter;
    void Changed();
    QPaintDevice* device_ = nullptr;
    TPoint penPos_;
    int batchDepth_ = 0;
    bool batchChanged_ = false;
    std::unique_ptr<QPainter> batchPainter_;
    // What the batch's painter holds already (pen, clip, font and its
    // metrics), so that a call sets only what differs from the call before.
    std::unique_ptr<struct BatchPainterState> batchState_;
};

// Draws a whole picture as one batch of a canvas.
class TCanvasBatch {
  public:
    explicit TCanvasBatch(TCanvas& canvas) : canvas_(canvas) { canvas_.BeginBatch(); }
    ~TCanvasBatch() { canvas_.EndBatch(); }
    TCanvasBatch(const TCanvasBatch&) = delete;
    TCanvasBatch& operator=(const TCanvasBatch&) = delete;

  private:
    TCanvas& canvas_;
};
