// Pictures and image controls.
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <stdexcept>

#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/qt_private.h"
#include "platform/safefile.h"

namespace {

class ImageWidget : public QWidget {
  public:
    ImageWidget(QWidget* parent, TPicture* picture) : QWidget(parent), picture_(picture) {
        setMouseTracking(true);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, picture_->Image());
    }

  private:
    TPicture* picture_;
};

}  // namespace

TPicture::TPicture() : image_(std::make_unique<QImage>()) {
    canvas_.OnChange = [this] { Changed(); };
    // Drawing on top of the picture comes after what it still owes. The owed
    // drawing sets its own pens and positions; the call that asked keeps its.
    canvas_.BeforeDraw = [this] {
        if (!pendingDraw_) return;
        const TPen pen = canvas_.Pen;
        const TBrush brush = canvas_.Brush;
        const TFont font = canvas_.Font;
        const std::optional<TRect> clip = canvas_.ClipRect;
        const TPoint position = canvas_.PenPos();
        FlushPendingDraw();
        canvas_.Pen = pen;
        canvas_.Brush = brush;
        canvas_.Font = font;
        canvas_.ClipRect = clip;
        canvas_.MoveTo(position.x, position.y);
    };
}

QImage& TPicture::Image() {
    FlushPendingDraw();
    return *image_;
}

const QImage& TPicture::Image() const {
    FlushPendingDraw();
    return *image_;
}

void TPicture::SetPendingDraw(std::function<void()> draw) {
    pendingDraw_ = std::move(draw);
    // The control repaints later and collects the drawing then.
    Changed();
}

void TPicture::FlushPendingDraw() const {
    if (!pendingDraw_) return;
    // Taken out first: the drawing's own canvas calls come back here.
    const std::function<void()> draw = std::move(pendingDraw_);
    pendingDraw_ = nullptr;
    draw();
}

TPicture::~TPicture() = default;

// The size is part of what a pending drawing settles: an empty picture
// takes its control's size when the drawing runs.
int TPicture::Width() const {
    FlushPendingDraw();
    return image_->width();
}
int TPicture::Height() const {
    FlushPendingDraw();
    return image_->height();
}

bool TPicture::Empty() const {
    return image_->isNull();
}

void TPicture::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == image_->width() && height == image_->height()) return;
    QImage resized;
    if (width > 0 && height > 0) {
        resized = QImage(width, height, QImage::Format_RGB32);
        resized.fill(Qt::white);
        QPainter painter(&resized);
        painter.drawImage(0, 0, *image_);
    }
    // The canvas keeps pointing at the same QImage object.
    *image_ = resized;
    canvas_.SetDevice(image_->isNull() ? nullptr : image_.get());
    Changed();
}

void TPicture::SaveToFile(const std::string& path) {
    // The bitmap is made in memory first and written whole, so a failed
    // write never leaves a truncated file in place of a good one.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    FlushPendingDraw();
    const QImage picture =
        image_->isNull() ? QImage() : image_->convertToFormat(QImage::Format_RGB888);
    std::string reason;
    if (picture.isNull())
        reason = "the picture is empty";
    else if (!writer.write(picture))
        reason = StdStr(writer.errorString());
    else if (!WriteFileAtomically(path, std::string(bytes.constData(), bytes.size())))
        reason = "the file could not be written";
    if (!reason.empty()) throw std::runtime_error("Cannot create file \"" + path + "\". " + reason);
}

void TPicture::SetPixels(int width, int height, const unsigned char* rgb, int stride) {
    // New pixels replace whatever drawing was still owed.
    pendingDraw_ = nullptr;
    if (width <= 0 || height <= 0 || !rgb) {
        SetSize(0, 0);
        return;
    }
    QImage copy(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = rgb + static_cast<std::ptrdiff_t>(y) * stride;
        auto* out = reinterpret_cast<QRgb*>(copy.scanLine(y));
        for (int x = 0; x < width; ++x) out[x] = qRgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
    }
    *image_ = copy;
    canvas_.SetDevice(image_.get());
    Changed();
}

TColor TPicture::Pixel(int x, int y) const {
    FlushPendingDraw();
    if (!image_->valid(x, y)) return clBlack;
    return ToTColor(QColor(image_->pixel(x, y)));
}

void TPicture::Changed() {
    if (OnChange) OnChange();
}

TImage::TImage(const ControlSetup& setup) : TImage(setup, std::make_unique<TPicture>()) {}

TImage::TImage(const ControlSetup& setup, std::unique_ptr<TPicture> picture)
    : TControl(setup.With(new ImageWidget(setup.parentWidget, picture.get()))),
      picture_(std::move(picture)) {
    QWidget* widget = Widget();
    picture_->OnChange = [widget] { widget->update(); };
    InstallMouseEvents(this, widget);
}

TImage::~TImage() = default;

TCanvas* TImage::Canvas() {
    if (picture_->Empty()) picture_->SetSize(Width(), Height());
    return picture_->Canvas();
}
