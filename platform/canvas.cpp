#include "platform/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QVector>
#include <algorithm>
#include <optional>

#include "platform/controls.h"
#include "platform/qt_private.h"

int FontPixelHeight(const TFont& font) {
    if (font.Height != 0) return font.Height < 0 ? -font.Height : font.Height;
    // Points to pixels at 96 per inch, rounded half up like MulDiv.
    return (font.Size * 96 + 36) / 72;
}

namespace {

// The dash patterns of the original platform's cosmetic pens, in pixels.
QVector<qreal> DashPattern(TPenStyle style) {
    switch (style) {
        case psDash:
            return {18, 6};
        case psDot:
            return {3, 3};
        case psDashDot:
            return {9, 6, 3, 6};
        case psDashDotDot:
            return {9, 3, 3, 3, 3, 3};
        default:
            return {};
    }
}

QPen ToQPen(const TPen& pen) {
    if (pen.Style == psClear) return QPen(Qt::NoPen);
    const int width = pen.Width < 1 ? 1 : pen.Width;
    QPen result(ToQColor(pen.Color));
    result.setWidth(width);
    // A one-pixel pen with flat caps leaves out the end pixel of a line, as
    // the original platform does; wider pens end round there.
    result.setCapStyle(width == 1 ? Qt::FlatCap : Qt::RoundCap);
    result.setJoinStyle(width == 1 ? Qt::MiterJoin : Qt::RoundJoin);
    if (pen.Style != psSolid) {
        // Qt scales dash patterns by the pen width; the original keeps pixels.
        QVector<qreal> pattern = DashPattern(pen.Style);
        for (qreal& v : pattern) v /= width;
        result.setDashPattern(pattern);
    }
    return result;
}

QBrush ToQBrush(const TBrush& brush) {
    if (brush.Style == bsClear) return QBrush(Qt::NoBrush);
    return QBrush(ToQColor(brush.Color));
}

bool Paintable(QPaintDevice* device) {
    return device && device->width() > 0 && device->height() > 0;
}

}  // namespace

namespace {

bool SamePen(const TPen& a, const TPen& b) {
    return a.Color == b.Color && a.Style == b.Style && a.Width == b.Width;
}

bool SameFontShape(const TFont& a, const TFont& b) {
    return a.Name == b.Name && a.Size == b.Size && a.Height == b.Height && a.Bold == b.Bold;
}

}  // namespace

// The state a batch's painter was last given. Setting a pen, a clip or a font
// on a painter costs more than drawing a short line, and building a font's
// metrics more than drawing its text, so within a batch each is set or built
// again only when it changes.
struct BatchPainterState {
    std::optional<TPen> pen;           // the canvas pen the painter strokes with
    std::optional<TColor> textColour;  // or the text colour it was last given
    bool clipKnown = false;
    std::optional<TRect> clip;
    std::optional<TFont> fontShape;  // the font below was made from this
    QFont font;
    std::optional<QFontMetrics> metrics;  // of `font` on the batch's device
};

// The painter of one drawing call. Outside a batch it is the call's own, so
// the canvas holds no painter between calls and the image can be saved,
// resized or shown at any time; inside a batch it is the batch's.
class CallPainter {
  public:
    explicit CallPainter(TCanvas& canvas) {
        if (canvas.BeforeDraw) canvas.BeforeDraw();
        if (canvas.batchDepth_ > 0 && Paintable(canvas.device_)) {
            if (!canvas.batchPainter_) canvas.batchPainter_ = std::make_unique<QPainter>();
            if (!canvas.batchPainter_->isActive()) {
                canvas.batchPainter_->begin(canvas.device_);
                canvas.batchState_ = std::make_unique<BatchPainterState>();
            }
            shared_ = canvas.batchPainter_.get();
            state_ = canvas.batchState_.get();
        } else if (Paintable(canvas.device_)) {
            own_.begin(canvas.device_);
        }
        ApplyClip(canvas.ClipRect);
    }
    // The canvas's clip rectangle as it stands at this call; a shared painter
    // carries the previous call's over otherwise.
    void ApplyClip(const std::optional<TRect>& clip) {
        if (!active()) return;
        if (state_) {
            const bool same =
                state_->clipKnown && state_->clip.has_value() == clip.has_value() &&
                (!clip ||
                 (clip->Left == state_->clip->Left && clip->Top == state_->clip->Top &&
                  clip->Right == state_->clip->Right && clip->Bottom == state_->clip->Bottom));
            if (same) return;
            state_->clipKnown = true;
            state_->clip = clip;
        }
        if (clip)
            (**this).setClipRect(
                QRect(clip->Left, clip->Top, clip->Right - clip->Left, clip->Bottom - clip->Top));
        else
            (**this).setClipping(false);
    }
    bool active() const { return shared_ ? shared_->isActive() : own_.isActive(); }
    QPainter& operator*() { return shared_ ? *shared_ : own_; }
    QPainter* operator->() { return &**this; }
    void end() {
        if (!shared_) own_.end();
    }

    // Strokes with the canvas pen from here on.
    void UsePen(const TPen& pen) {
        if (state_ && state_->pen && SamePen(*state_->pen, pen)) return;
        (**this).setPen(ToQPen(pen));
        if (state_) {
            state_->pen = pen;
            state_->textColour.reset();
        }
    }
    // Any other pen; the next call sets its own again.
    void SetPen(const QPen& pen) {
        (**this).setPen(pen);
        if (state_) {
            state_->pen.reset();
            state_->textColour.reset();
        }
    }
    // Writes text in the colour from here on.
    void UseTextColour(TColor colour) {
        if (state_ && state_->textColour == colour) return;
        (**this).setPen(ToQColor(colour));
        if (state_) {
            state_->textColour = colour;
            state_->pen.reset();
        }
    }
    // The canvas font as a Qt font with its metrics on the device, set on the painter.
    const QFontMetrics& UseFont(const TFont& font, QPaintDevice* device) {
        if (!state_) {
            ownFont_ = ToQFont(font);
            ownMetrics_.emplace(ownFont_, device);
            (**this).setFont(ownFont_);
            return *ownMetrics_;
        }
        if (!state_->fontShape || !SameFontShape(*state_->fontShape, font)) {
            state_->fontShape = font;
            state_->font = ToQFont(font);
            state_->metrics.emplace(state_->font, device);
            (**this).setFont(state_->font);
        }
        return *state_->metrics;
    }

  private:
    QPainter* shared_ = nullptr;
    BatchPainterState* state_ = nullptr;
    QPainter own_;
    QFont ownFont_;
    std::optional<QFontMetrics> ownMetrics_;
};

QFont ToQFont(const TFont& font) {
    QFont result(QString::fromStdString(font.Name));
    result.setPixelSize(FontPixelHeight(font));
    result.setBold(font.Bold);
    FixTextRendering(result);
    return result;
}

TCanvas::TCanvas() = default;
TCanvas::~TCanvas() = default;

void TCanvas::SetDevice(QPaintDevice* device) {
    if (batchPainter_ && batchPainter_->isActive()) batchPainter_->end();
    device_ = device;
}

void TCanvas::Changed() {
    if (batchDepth_ > 0)
        batchChanged_ = true;
    else if (OnChange)
        OnChange();
}

void TCanvas::BeginBatch() {
    ++batchDepth_;
}

void TCanvas::EndBatch() {
    if (batchDepth_ == 0 || --batchDepth_ > 0) return;
    if (batchPainter_ && batchPainter_->isActive()) batchPainter_->end();
    if (batchChanged_) {
        batchChanged_ = false;
        if (OnChange) OnChange();
    }
}

void TCanvas::Polyline(const TPoint* points, int count) {
    if (count <= 0) return;
    penPos_ = points[count - 1];
    if (count < 2) return;
    CallPainter p(*this);
    if (!p.active()) return;
    QVector<QPoint> line;
    line.reserve(count);
    for (int i = 0; i < count; ++i) line.append(QPoint(points[i].x, points[i].y));
    QPen pen = ToQPen(Pen);
    // Round joins cost a curve per vertex, and a curve has a vertex every
    // few pixels; mitred joins of such shallow bends cover the same pixels.
    pen.setJoinStyle(Qt::MiterJoin);
    p.SetPen(pen);
    p->drawPolyline(line.constData(), count);
    p.end();
    Changed();
}

void TCanvas::MoveTo(int x, int y) {
    penPos_ = {x, y};
}

void TCanvas::LineTo(int x, int y) {
    const TPoint from = penPos_;
    penPos_ = {x, y};
    CallPainter p(*this);
    if (!p.active()) return;
    p.UsePen(Pen);
    p->drawLine(from.x, from.y, x, y);
    p.end();
    Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1) return;
    CallPainter p(*this);
    if (!p.active()) return;
    if (Brush.Style != bsClear) p->fillRect(QRect(x1, y1, x2 - x1, y2 - y1), ToQColor(Brush.Color));
    if (Pen.Style != psClear) {
        p.SetPen(ToQPen(Pen));
        p->setBrush(Qt::NoBrush);
        // An outline drawn on QRect(x, y, w, h) covers w + 1 pixels, so this
        // frame covers x1 .. x2 - 1 like the original.
        p->drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    }
    p.end();
    Changed();
}

void TCanvas::FillRect(const TRect& r) {
    if (Brush.Style == bsClear || r.Right <= r.Left || r.Bottom <= r.Top) return;
    CallPainter p(*this);
    if (!p.active()) return;
    p->fillRect(QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top), ToQColor(Brush.Color));
    p.end();
    Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1) return;
    CallPainter p(*this);
    if (!p.active()) return;
    const QRect box(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
    const QPen pen = ToQPen(Pen);
    if (Pen.Style == psSolid && pen.width() > 1 &&
        pen.width() >= std::min(box.width(), box.height())) {
        // A pen as wide as the ellipse covers it whole, a solid dot; Qt's
        // stroke of such a small ellipse leaves a hole in the middle.
        const qreal half = pen.width() / 2.0;
        p.SetPen(Qt::NoPen);
        p->setBrush(pen.color());
        p->drawEllipse(QRectF(box).adjusted(-half, -half, half, half));
    } else {
        p.SetPen(pen);
        p->setBrush(ToQBrush(Brush));
        p->drawEllipse(box);
    }
    p.end();
    Changed();
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    CallPainter p(*this);
    if (!p.active()) return;
    const QString s = QString::fromStdString(text);
    const QFontMetrics& metrics = p.UseFont(Font, device_);
    const int width = metrics.horizontalAdvance(s);
    if (Brush.Style != bsClear)
        p->fillRect(QRect(x, y, width, metrics.height()), ToQColor(Brush.Color));
    p.UseTextColour(Font.Color);
    p->drawText(x, y + metrics.ascent(), s);
    p.end();
    penPos_ = {x + width, y};
    Changed();
}

int TCanvas::TextHeight(const std::string& text) {
    const QFontMetrics metrics(ToQFont(Font), device_);
    (void)text;
    return metrics.height();
}

int TCanvas::TextWidth(const std::string& text) {
    const QFontMetrics metrics(ToQFont(Font), device_);
    return metrics.horizontalAdvance(QString::fromStdString(text));
}

void TCanvas::StretchDraw(const TRect& r, const QImage& image) {
    if (r.Right <= r.Left || r.Bottom <= r.Top || image.isNull()) return;
    CallPainter p(*this);
    if (!p.active()) return;
    p->setRenderHint(QPainter::SmoothPixmapTransform);
    p->drawImage(QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top), image);
    p.end();
    Changed();
}

void TCanvas::StretchDraw(const TRect& r, TPicture& picture) {
    StretchDraw(r, picture.Image());
}
