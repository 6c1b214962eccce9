#include "platform/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QVector>
#include <algorithm>

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

// The painter of one drawing call. Outside a batch it is the call's own, so
// the canvas holds no painter between calls and the image can be saved,
// resized or shown at any time; inside a batch it is the batch's.
class CallPainter {
  public:
    explicit CallPainter(TCanvas& canvas) {
        if (canvas.BeforeDraw) canvas.BeforeDraw();
        if (canvas.batchDepth_ > 0 && Paintable(canvas.device_)) {
            if (!canvas.batchPainter_) canvas.batchPainter_ = std::make_unique<QPainter>();
            if (!canvas.batchPainter_->isActive()) canvas.batchPainter_->begin(canvas.device_);
            shared_ = canvas.batchPainter_.get();
        } else if (Paintable(canvas.device_)) {
            own_.begin(canvas.device_);
        }
        ApplyClip(canvas.ClipRect);
    }
    // The canvas's clip rectangle as it stands at this call; a shared painter
    // carries the previous call's over otherwise.
    void ApplyClip(const std::optional<TRect>& clip) {
        if (!active()) return;
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

  private:
    QPainter* shared_ = nullptr;
    QPainter own_;
};

QFont ToQFont(const TFont& font) {
    QFont result(QString::fromStdString(font.Name));
    result.setPixelSize(FontPixelHeight(font));
    result.setBold(font.Bold);
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
    p->setPen(pen);
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
    p->setPen(ToQPen(Pen));
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
        p->setPen(ToQPen(Pen));
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
        p->setPen(Qt::NoPen);
        p->setBrush(pen.color());
        p->drawEllipse(QRectF(box).adjusted(-half, -half, half, half));
    } else {
        p->setPen(pen);
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
    const QFont font = ToQFont(Font);
    const QFontMetrics metrics(font, device_);
    if (Brush.Style != bsClear)
        p->fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()),
                    ToQColor(Brush.Color));
    p->setFont(font);
    p->setPen(ToQColor(Font.Color));
    p->drawText(x, y + metrics.ascent(), s);
    p.end();
    penPos_ = {x + metrics.horizontalAdvance(s), y};
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
