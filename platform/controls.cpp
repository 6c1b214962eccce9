// The control base and the simple control kinds.
#include "platform/controls.h"

#include <QBackingStore>
#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "platform/forms.h"
#include "platform/qt_private.h"

namespace {

// Keeps an anchored control's distances to the right and bottom edges of its
// parent when the parent is resized.
class AnchorFilter : public QObject {
  public:
    AnchorFilter(QObject* owner, TControl* control) : QObject(owner), control_(control) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Resize) control_->ParentResized();
        return false;
    }

  private:
    TControl* control_;
};

// Enter on a button that has the focus presses that button, as Space does.
// A Qt button that is not its dialog's default leaves Enter to the dialog,
// which would press the default button (or nothing) instead.
class PushButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        if (enter && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            click();
            return;
        }
        QPushButton::keyPressEvent(e);
    }
};

enum MouseKind { MouseDown, MouseMove, MouseUp, MouseDouble };

TMouseButton ToButton(Qt::MouseButton b) {
    if (b == Qt::RightButton) return mbRight;
    if (b == Qt::MiddleButton) return mbMiddle;
    return mbLeft;
}

TShiftState ToShift(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons) {
    TShiftState s = 0;
    if (mods & Qt::ShiftModifier) s |= ssShift;
    if (mods & Qt::AltModifier) s |= ssAlt;
    if (mods & Qt::ControlModifier) s |= ssCtrl;
    if (buttons & Qt::LeftButton) s |= ssLeft;
    if (buttons & Qt::RightButton) s |= ssRight;
    if (buttons & Qt::MiddleButton) s |= ssMiddle;
    return s;
}

class MouseFilter : public QObject {
  public:
    MouseFilter(QObject* owner, TControl* control) : QObject(owner), control_(control) {}
    bool eventFilter(QObject*, QEvent* e) override {
        int kind;
        switch (e->type()) {
            case QEvent::MouseButtonPress:
                kind = MouseDown;
                break;
            case QEvent::MouseMove:
                kind = MouseMove;
                break;
            case QEvent::MouseButtonRelease:
                kind = MouseUp;
                break;
            case QEvent::MouseButtonDblClick:
                kind = MouseDouble;
                break;
            default:
                return false;
        }
        auto* m = static_cast<QMouseEvent*>(e);
        const QPoint p = m->position().toPoint();
        control_->DeliverMouse(kind, ToButton(m->button()), ToShift(m->modifiers(), m->buttons()),
                               p.x(), p.y());
        return false;
    }

  private:
    TControl* control_;
};

Qt::Alignment ToQtAlignment(TAlignment a) {
    switch (a) {
        case taRightJustify:
            return Qt::AlignRight | Qt::AlignTop;
        case taCenter:
            return Qt::AlignHCenter | Qt::AlignTop;
        default:
            return Qt::AlignLeft | Qt::AlignTop;
    }
}

// Draws one bevel ring of the original look: light on the top and left edges
// when raised, on the bottom and right when lowered.
void DrawBevelRing(QPainter& p, QRect r, TBevelCut cut) {
    if (cut == bvNone) return;
    const QColor light(Qt::white);
    const QColor dark(0xA0, 0xA0, 0xA0);
    const QColor topLeft = cut == bvRaised ? light : dark;
    const QColor bottomRight = cut == bvRaised ? dark : light;
    p.setPen(topLeft);
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom());
    p.setPen(bottomRight);
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

class PanelWidget : public QWidget {
  public:
    PanelWidget(QWidget* parent, TBevelCut outer, TBevelCut inner)
        : QWidget(parent), outer_(outer), inner_(inner) {
        setAutoFillBackground(true);
    }
    QString caption;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QRect r = rect();
        DrawBevelRing(p, r, outer_);
        if (outer_ != bvNone) r.adjust(1, 1, -1, -1);
        DrawBevelRing(p, r, inner_);
        if (!caption.isEmpty()) {
            p.setPen(palette().color(QPalette::WindowText));
            p.drawText(rect(), Qt::AlignCenter, caption);
        }
    }

  private:
    TBevelCut outer_;
    TBevelCut inner_;
};

class BevelWidget : public QWidget {
  public:
    BevelWidget(QWidget* parent, TBevelShape shape, TBevelStyle style)
        : QWidget(parent), shape_(shape), style_(style) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QColor dark(0xA0, 0xA0, 0xA0);
        const QColor light(Qt::white);
        const QColor first = style_ == bsLowered ? dark : light;
        const QColor second = style_ == bsLowered ? light : dark;
        const QRect r = rect();
        auto hline = [&](int y) {
            p.setPen(first);
            p.drawLine(r.left(), y, r.right(), y);
            p.setPen(second);
            p.drawLine(r.left(), y + 1, r.right(), y + 1);
        };
        auto vline = [&](int x) {
            p.setPen(first);
            p.drawLine(x, r.top(), x, r.bottom());
            p.setPen(second);
            p.drawLine(x + 1, r.top(), x + 1, r.bottom());
        };
        switch (shape_) {
            case bsBox:
                DrawBevelRing(p, r, style_ == bsLowered ? bvLowered : bvRaised);
                break;
            case bsFrame:
                DrawBevelRing(p, r.adjusted(0, 0, -1, -1),
                              style_ == bsLowered ? bvLowered : bvRaised);
                DrawBevelRing(p, r.adjusted(1, 1, 0, 0),
                              style_ == bsLowered ? bvRaised : bvLowered);
                break;
            case bsTopLine:
                hline(r.top());
                break;
            case bsBottomLine:
                hline(r.bottom() - 1);
                break;
            case bsLeftLine:
                vline(r.left());
                break;
            case bsRightLine:
                vline(r.right() - 1);
                break;
            case bsSpacer:
                break;
        }
    }

  private:
    TBevelShape shape_;
    TBevelStyle style_;
};

}  // namespace

QFont MergeFont(const QFont& parent, const FontSpec& wanted) {
    QFont font = parent;
    if (!wanted.name.empty()) font.setFamily(QStr(wanted.name));
    if (wanted.height != 0 || wanted.size != 0) {
        TFont t;
        t.Size = wanted.size;
        t.Height = wanted.height;
        font.setPixelSize(FontPixelHeight(t));
    }
    font.setBold(wanted.bold);
    FixTextRendering(font);
    return font;
}

void SetTextColour(QWidget* widget, TColor colour) {
    // Disabled text keeps the style's grey.
    QPalette palette = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, ToQColor(colour));
    widget->setPalette(palette);
}

void InstallMouseEvents(TControl* control, QWidget* target) {
    target->installEventFilter(new MouseFilter(target, control));
}

int TStrings::IndexOf(const std::string& text) const {
    for (int i = 0; i < Count(); ++i)
        if (Strings(i) == text) return i;
    return -1;
}

TControl::TControl(const ControlSetup& setup)
    : TComponent(setup.form, setup.description->name),
      parent_(setup.parent),
      widget_(setup.widget) {
    const ControlDescription& d = *setup.description;
    widget_->setObjectName(QStr(d.name));
    if (d.kind != Kind::TabSheet) widget_->setGeometry(d.left, d.top, d.width, d.height);
    if (d.font) {
        widget_->setFont(MergeFont(widget_->font(), *d.font));
        SetTextColour(widget_, d.font->color);
    }
    if (d.color) SetColor(*d.color);
    SetEnabled(d.enabled);
    SetVisible(d.visible);
    if (!d.tabStop) widget_->setFocusPolicy(Qt::ClickFocus);
    if (d.anchors != (akLeft | akTop)) SetAnchors(d.anchors);
}

TControl::~TControl() = default;

int TControl::Left() const {
    return widget_->x();
}
int TControl::Top() const {
    return widget_->y();
}
int TControl::Width() const {
    return widget_->width();
}
int TControl::Height() const {
    return widget_->height();
}
void TControl::SetLeft(int left) {
    SetBounds(left, Top(), Width(), Height());
}
void TControl::SetTop(int top) {
    SetBounds(Left(), top, Width(), Height());
}
void TControl::SetWidth(int width) {
    SetBounds(Left(), Top(), width, Height());
}
void TControl::SetHeight(int height) {
    SetBounds(Left(), Top(), Width(), height);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    widget_->setGeometry(left, top, std::max(width, 0), std::max(height, 0));
    RememberMargins();
    BoundsSet();
}

void TControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    widget_->setEnabled(enabled);
}

void TControl::SetVisible(bool visible) {
    visible_ = visible;
    widget_->setVisible(visible);
}

std::string TControl::Text() const {
    return StdStr(widget_->windowTitle());
}
void TControl::SetText(const std::string& text) {
    widget_->setWindowTitle(QStr(text));
}

TFont TControl::Font() const {
    const QFont f = widget_->font();
    TFont t;
    t.Name = StdStr(f.family());
    t.Height = f.pixelSize() > 0 ? f.pixelSize() : 0;
    t.Size = f.pointSize() > 0 ? f.pointSize() : (t.Height * 72 + 48) / 96;
    t.Bold = f.bold();
    t.Color = ToTColor(widget_->palette().color(QPalette::WindowText));
    return t;
}

void TControl::SetFont(const TFont& font) {
    widget_->setFont(ToQFont(font));
    SetTextColour(widget_, font.Color);
}

TColor TControl::Color() const {
    return ToTColor(widget_->palette().color(QPalette::Window));
}

void TControl::SetColor(TColor color) {
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    palette.setColor(QPalette::Base, ToQColor(color));
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(true);
}

void TControl::SetAnchors(TAnchors anchors) {
    if (anchors_ == (akLeft | akTop) && anchors != anchors_ && widget_->parentWidget())
        widget_->parentWidget()->installEventFilter(new AnchorFilter(widget_, this));
    anchors_ = anchors;
    RememberMargins();
}

void TControl::RememberMargins() {
    const QWidget* parent = widget_->parentWidget();
    if (!parent) return;
    rightMargin_ = parent->width() - (Left() + Width());
    bottomMargin_ = parent->height() - (Top() + Height());
}

void TControl::ParentResized() {
    const QWidget* parent = widget_->parentWidget();
    if (!parent || anchors_ == (akLeft | akTop)) return;
    int l = Left(), t = Top(), w = Width(), h = Height();
    if (anchors_ & akRight) {
        if (anchors_ & akLeft)
            w = parent->width() - rightMargin_ - l;
        else
            l = parent->width() - rightMargin_ - w;
    }
    if (anchors_ & akBottom) {
        if (anchors_ & akTop)
            h = parent->height() - bottomMargin_ - t;
        else
            t = parent->height() - bottomMargin_ - h;
    }
    widget_->setGeometry(l, t, std::max(w, 0), std::max(h, 0));
}

void TControl::Repaint() {
    widget_->repaint();
}

bool TControl::PaintNow() {
    QWidget* window = widget_->window();
    QBackingStore* store = window->backingStore();
    QWindow* handle = window->windowHandle();
    if (!widget_->isVisible() || !store || !handle || !handle->isExposed()) return false;
    // QWidget::repaint() would paint every pending region of the window, the
    // graph or the result pane beneath among them; this draws the control
    // alone into the window's buffer and puts just its rectangle on the
    // screen. The pending regions stay pending.
    const QPoint origin = widget_->mapTo(window, QPoint(0, 0));
    const QRegion area = widget_->visibleRegion().translated(origin);
    if (area.isEmpty()) return false;
    store->beginPaint(area);
    {
        QPainter painter(store->paintDevice());
        painter.setClipRegion(area);
        painter.translate(origin);
        PaintLook(painter);
    }
    store->endPaint();
    store->flush(area, handle);
    return true;
}

void TControl::PaintLook(QPainter& painter) {
    widget_->render(&painter, QPoint(), QRegion(),
                    QWidget::DrawWindowBackground | QWidget::DrawChildren);
}

void TControl::RunAtNextMessages(std::function<void()> action) {
    QMetaObject::invokeMethod(widget_, std::move(action), Qt::QueuedConnection);
}
void TControl::SetFocus() {
    widget_->setFocus();
}

void TControl::UserEvent(const TNotifyEvent& handler) {
    if (!handler || Owner()->Destroying()) return;
    RunEvent(Owner(), [&] { handler(this); });
}

void TControl::DeliverMouse(int kind, TMouseButton button, TShiftState shift, int x, int y) {
    if (Owner()->Destroying()) return;
    RunEvent(Owner(), [&] {
        switch (kind) {
            case MouseDown:
                if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
                break;
            case MouseMove:
                if (OnMouseMove) OnMouseMove(this, shift, x, y);
                break;
            case MouseUp:
                // A left click ends with OnClick before OnMouseUp, as on the original.
                if (button == mbLeft && OnClick && widget_->rect().contains(x, y)) OnClick(this);
                if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
                break;
            case MouseDouble:
                // Qt reports a double click in place of the second press; the
                // original reports the double click and then the press.
                if (OnDblClick) OnDblClick(this);
                if (OnMouseDown) OnMouseDown(this, button, shift | ssDouble, x, y);
                break;
        }
    });
}

TLabel::TLabel(const ControlSetup& setup) : TControl(setup.With(new QLabel(setup.parentWidget))) {
    const ControlDescription& d = *setup.description;
    auto* label = static_cast<QLabel*>(Widget());
    label->setTextFormat(Qt::PlainText);
    autoSize_ = d.width == 0 || d.height == 0;
    placedLeft_ = d.left;
    placedWidth_ = d.width;
    SetAlignment(d.alignment);
    transparent_ = !d.color.has_value();
    SetText(d.caption);
    InstallMouseEvents(this, label);
}

std::string TLabel::Text() const {
    return StdStr(static_cast<QLabel*>(Widget())->text());
}

void TLabel::SetText(const std::string& text) {
    auto* label = static_cast<QLabel*>(Widget());
    label->setText(QStr(text));
    FitText();
}

QSize TLabel::TextSize(const std::string& text) const {
    const auto* label = static_cast<const QLabel*>(Widget());
    // The text's box as the label draws it (lines, tabs and trailing spaces
    // laid out as in drawing), and the label's margins.
    const QFontMetrics metrics(label->font());
    const QRect drawn =
        metrics.boundingRect(QRect(0, 0, 4000, 4000), Qt::AlignLeft | Qt::AlignTop, QStr(text));
    const QMargins frame = label->contentsMargins();
    const int margins = 2 * label->margin();
    return {std::max(drawn.width() + margins + frame.left() + frame.right(), label->minimumWidth()),
            std::max(
                std::max(drawn.height(), metrics.height()) + margins + frame.top() + frame.bottom(),
                label->minimumHeight())};
}

TLabel::Span TLabel::SpanFor(const std::string& text) const {
    const int needed = TextSize(text).width();
    // A label that sizes itself keeps its left edge.
    if (autoSize_) return {Left(), needed};
    Span span{placedLeft_, placedWidth_};
    if (needed > span.width) {
        if (alignment_ == taRightJustify) span.left -= needed - span.width;
        if (alignment_ == taCenter) span.left -= (needed - span.width) / 2;
        span.width = needed;
    }
    return span;
}

void TLabel::FitText() {
    auto* label = static_cast<QLabel*>(Widget());
    if (autoSize_) {
        label->resize(TextSize(Text()));
        return;
    }
    const Span span = SpanFor(Text());
    if (span.left != label->x() || span.width != label->width())
        label->setGeometry(span.left, label->y(), span.width, label->height());
}

void TLabel::BoundsSet() {
    placedLeft_ = Left();
    placedWidth_ = Width();
    FitText();
}

void TLabel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    static_cast<QLabel*>(Widget())->setAlignment(ToQtAlignment(alignment));
    FitText();
}

void TLabel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Widget()->setAutoFillBackground(!transparent);
}

// What the label's own paint event draws for a caption of plain text, without
// the preparations of QWidget::render(), which cost many times more.
void TLabel::PaintLook(QPainter& painter) {
    const auto* label = static_cast<QLabel*>(Widget());
    if (label->autoFillBackground())
        painter.fillRect(label->rect(), label->palette().brush(label->backgroundRole()));
    QRect r = label->contentsRect();
    const int margin = label->margin();
    r.adjust(margin, margin, -margin, -margin);
    const Qt::Alignment align = QStyle::visualAlignment(Qt::LeftToRight, label->alignment());
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0)
        indent = label->fontMetrics().horizontalAdvance(u'x') / 2 - margin;
    if (indent > 0) {
        if (align & Qt::AlignLeft) r.setLeft(r.left() + indent);
        if (align & Qt::AlignRight) r.setRight(r.right() - indent);
        if (align & Qt::AlignTop) r.setTop(r.top() + indent);
        if (align & Qt::AlignBottom) r.setBottom(r.bottom() - indent);
    }
    painter.setFont(label->font());
    painter.setPen(QPen(label->palette().brush(label->foregroundRole()), 1));
    label->style()->drawItemText(&painter, r, static_cast<int>(align) | Qt::TextForceLeftToRight,
                                 label->palette(), label->isEnabled(), label->text(),
                                 label->foregroundRole());
}

TEdit::TEdit(const ControlSetup& setup) : TControl(setup.With(new QLineEdit(setup.parentWidget))) {
    auto* edit = static_cast<QLineEdit*>(Widget());
    edit->setText(QStr(setup.description->caption));
    edit->setReadOnly(setup.description->readOnly);
    edit->setCursorPosition(0);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this] {
        if (!settingText_) UserEvent(OnChange);
    });
}

std::string TEdit::Text() const {
    return StdStr(static_cast<QLineEdit*>(Widget())->text());
}

void TEdit::SetText(const std::string& text) {
    auto* edit = static_cast<QLineEdit*>(Widget());
    const QString value = QStr(text);
    if (edit->text() == value) return;
    settingText_ = true;
    edit->setText(value);
    edit->setCursorPosition(0);
    settingText_ = false;
    CodeEvent(OnChange);
}

bool TEdit::ReadOnly() const {
    return static_cast<QLineEdit*>(Widget())->isReadOnly();
}
void TEdit::SetReadOnly(bool readOnly) {
    static_cast<QLineEdit*>(Widget())->setReadOnly(readOnly);
}

TButton::TButton(const ControlSetup& setup)
    : TControl(setup.With(new PushButton(setup.parentWidget))) {
    auto* button = static_cast<QPushButton*>(Widget());
    button->setText(QStr(setup.description->caption));
    // Enter on a focused button presses it (PushButton); elsewhere it presses
    // only the button the description marks as default. Qt's dialogs would
    // otherwise make the first (or the focused) button the default, so Enter
    // in any edit of a tool window would press it.
    button->setAutoDefault(false);
    button->setDefault(setup.description->isDefault);
    QObject::connect(button, &QPushButton::clicked, button, [this] { UserEvent(OnClick); });
}

std::string TButton::Text() const {
    return StdStr(static_cast<QPushButton*>(Widget())->text());
}
void TButton::SetText(const std::string& text) {
    static_cast<QPushButton*>(Widget())->setText(QStr(text));
}
bool TButton::Default() const {
    return static_cast<QPushButton*>(Widget())->isDefault();
}
void TButton::SetDefault(bool isDefault) {
    static_cast<QPushButton*>(Widget())->setDefault(isDefault);
}
void TButton::Click() {
    CodeEvent(OnClick);
}

TBitBtn::TBitBtn(const ControlSetup& setup) : TButton(setup), glyph_(std::make_unique<TPicture>()) {
    // The glyph sits right of the caption.
    Widget()->setLayoutDirection(Qt::RightToLeft);
    glyph_->OnChange = [this] { GlyphChanged(); };
}

TBitBtn::~TBitBtn() = default;

void TBitBtn::GlyphChanged() {
    auto* button = static_cast<QPushButton*>(Widget());
    // As on the original platform, the colour of the glyph's bottom-left
    // pixel is its background and is left out, so the button's own face
    // (and its focus frame) shows around the drawing.
    QImage image = glyph_->Image().convertToFormat(QImage::Format_ARGB32);
    if (!image.isNull()) {
        const QRgb background = image.pixel(0, image.height() - 1);
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (row[x] == background) row[x] = qRgba(0, 0, 0, 0);
        }
    }
    button->setIcon(QIcon(QPixmap::fromImage(image)));
    button->setIconSize(QSize(glyph_->Width(), glyph_->Height()));
}

TCheckBox::TCheckBox(const ControlSetup& setup)
    : TControl(setup.With(new QCheckBox(setup.parentWidget))) {
    auto* box = static_cast<QCheckBox*>(Widget());
    box->setText(QStr(setup.description->caption));
    box->setChecked(setup.description->checked);
    // Only clicks are user actions; code-side changes run OnClick themselves.
    QObject::connect(box, &QCheckBox::clicked, box, [this] { UserEvent(OnClick); });
}

std::string TCheckBox::Text() const {
    return StdStr(static_cast<QCheckBox*>(Widget())->text());
}
void TCheckBox::SetText(const std::string& text) {
    static_cast<QCheckBox*>(Widget())->setText(QStr(text));
}
bool TCheckBox::Checked() const {
    return static_cast<QCheckBox*>(Widget())->isChecked();
}

void TCheckBox::SetChecked(bool checked) {
    auto* box = static_cast<QCheckBox*>(Widget());
    if (box->isChecked() == checked) return;
    {
        const QSignalBlocker blocker(box);
        box->setChecked(checked);
    }
    CodeEvent(OnClick);
}

TRadioButton::TRadioButton(const ControlSetup& setup)
    : TControl(setup.With(new QRadioButton(setup.parentWidget))) {
    auto* button = static_cast<QRadioButton*>(Widget());
    button->setText(QStr(setup.description->caption));
    button->setChecked(setup.description->checked);
    // A user's click that checks the button; siblings being unchecked report
    // toggled(false) and are ignored.
    QObject::connect(button, &QRadioButton::toggled, button, [this](bool on) {
        if (on) UserEvent(OnClick);
    });
}

std::string TRadioButton::Text() const {
    return StdStr(static_cast<QRadioButton*>(Widget())->text());
}
void TRadioButton::SetText(const std::string& text) {
    static_cast<QRadioButton*>(Widget())->setText(QStr(text));
}
bool TRadioButton::Checked() const {
    return static_cast<QRadioButton*>(Widget())->isChecked();
}

void TRadioButton::SetChecked(bool checked) {
    auto* button = static_cast<QRadioButton*>(Widget());
    if (button->isChecked() == checked) return;
    if (checked) {
        // The siblings' toggled(false) carries no handler, so only this one is blocked.
        {
            const QSignalBlocker blocker(button);
            button->setChecked(true);
        }
        CodeEvent(OnClick);
        return;
    }
    // An exclusive radio button cannot be unchecked directly.
    const QSignalBlocker blocker(button);
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

TGroupBox::TGroupBox(const ControlSetup& setup)
    : TControl(setup.With(new QGroupBox(setup.parentWidget))) {
    static_cast<QGroupBox*>(Widget())->setTitle(QStr(setup.description->caption));
}

std::string TGroupBox::Text() const {
    return StdStr(static_cast<QGroupBox*>(Widget())->title());
}
void TGroupBox::SetText(const std::string& text) {
    static_cast<QGroupBox*>(Widget())->setTitle(QStr(text));
}

TPanel::TPanel(const ControlSetup& setup)
    : TControl(setup.With(new PanelWidget(setup.parentWidget, setup.description->bevelOuter,
                                          setup.description->bevelInner))) {
    static_cast<PanelWidget*>(Widget())->caption = QStr(setup.description->caption);
    InstallMouseEvents(this, Widget());
}

std::string TPanel::Text() const {
    return StdStr(static_cast<PanelWidget*>(Widget())->caption);
}
void TPanel::SetText(const std::string& text) {
    static_cast<PanelWidget*>(Widget())->caption = QStr(text);
    Widget()->update();
}

TBevel::TBevel(const ControlSetup& setup)
    : TControl(setup.With(new BevelWidget(setup.parentWidget, setup.description->shape,
                                          setup.description->bevelStyle))) {}

TScrollBar::TScrollBar(const ControlSetup& setup)
    : TControl(setup.With(new QScrollBar(setup.parentWidget))) {
    const ControlDescription& d = *setup.description;
    auto* bar = static_cast<QScrollBar*>(Widget());
    // Taller than wide means a vertical bar.
    bar->setOrientation(d.height > d.width ? Qt::Vertical : Qt::Horizontal);
    bar->setRange(d.min, d.max);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(d.position);
    QObject::connect(bar, &QScrollBar::valueChanged, bar, [this] { UserEvent(OnChange); });
}

int TScrollBar::Min() const {
    return static_cast<QScrollBar*>(Widget())->minimum();
}
int TScrollBar::Max() const {
    return static_cast<QScrollBar*>(Widget())->maximum();
}

void TScrollBar::SetMin(int value) {
    auto* bar = static_cast<QScrollBar*>(Widget());
    const QSignalBlocker blocker(bar);
    bar->setMinimum(value);
}

void TScrollBar::SetMax(int value) {
    auto* bar = static_cast<QScrollBar*>(Widget());
    const QSignalBlocker blocker(bar);
    bar->setMaximum(value);
}

int TScrollBar::Position() const {
    return static_cast<QScrollBar*>(Widget())->value();
}

void TScrollBar::SetPosition(int position) {
    auto* bar = static_cast<QScrollBar*>(Widget());
    position = std::clamp(position, bar->minimum(), bar->maximum());
    if (position == bar->value()) return;
    {
        const QSignalBlocker blocker(bar);
        bar->setValue(position);
    }
    CodeEvent(OnChange);
}

TUpDown::TUpDown(const ControlSetup& setup)
    : TControl(setup.With(new QWidget(setup.parentWidget))) {
    const ControlDescription& d = *setup.description;
    min_ = d.min;
    max_ = d.max;
    position_ = std::clamp(d.position, min_, max_);
    auto* layout = new QVBoxLayout(Widget());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (auto [arrow, button] :
         {std::pair{Qt::UpArrow, btNext}, std::pair{Qt::DownArrow, btPrev}}) {
        auto* tool = new QToolButton(Widget());
        tool->setArrowType(arrow);
        tool->setAutoRepeat(true);
        tool->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        tool->setObjectName(arrow == Qt::UpArrow ? "up" : "down");
        layout->addWidget(tool);
        QObject::connect(tool, &QToolButton::clicked, tool,
                         [this, b = button] { ArrowPressed(b); });
    }
}

void TUpDown::SetMin(int value) {
    min_ = value;
    position_ = std::clamp(position_, min_, std::max(min_, max_));
}

void TUpDown::SetMax(int value) {
    max_ = value;
    position_ = std::clamp(position_, std::min(min_, max_), max_);
}

void TUpDown::SetPosition(int position) {
    position_ = std::clamp(position, min_, max_);
}

void TUpDown::ArrowPressed(TUDBtnType button) {
    position_ = std::clamp(position_ + (button == btNext ? 1 : -1), min_, max_);
    if (!OnClick || Owner()->Destroying()) return;
    RunEvent(Owner(), [&] { OnClick(this, button); });
}
