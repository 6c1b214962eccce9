// Forms: the top-level window, its client area and canvas, activation and closing.
#include "platform/forms.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/form_parts.h"
#include "platform/qt_private.h"
#include "platform/services.h"

namespace {

TForm* mainForm = nullptr;
// The form of ours that was active last; activation from another
// application back to it is no new activation.
TForm* lastActiveForm = nullptr;

}  // namespace

// The form's surface over its controls: shows what was drawn on the form's
// canvas and lets the mouse through.
class OverlayWidget : public QWidget {
  public:
    explicit OverlayWidget(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }
    QImage image;
    // Nothing drawn since the surface was made or cleared: it lies over every
    // control, so blending a blank window-sized image at each of their
    // repaints would cost more than the repaints themselves.
    bool blank = true;

  protected:
    void paintEvent(QPaintEvent* event) override {
        if (image.isNull() || blank) return;
        QPainter painter(this);
        painter.drawImage(event->rect(), image, event->rect());
    }
};

namespace {

class ClientWidget : public QWidget {
  public:
    ClientWidget(QWidget* parent, TForm* form) : QWidget(parent), form_(form) {}
    OverlayWidget* overlay = nullptr;

  protected:
    void resizeEvent(QResizeEvent* e) override {
        QWidget::resizeEvent(e);
        if (overlay) overlay->setGeometry(rect());
        form_->WindowResized();
    }

  private:
    TForm* form_;
};

}  // namespace

FormWindow::FormWindow(TForm* form) : QDialog(nullptr), form_(form) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* client = new ClientWidget(this, form);
    client_ = client;
    layout->addWidget(client_);
    overlay_ = new OverlayWidget(client_);
    client->overlay = overlay_;
}

QImage& FormWindow::overlayImage() {
    QImage& image = overlay_->image;
    if (image.size() != client_->size()) {
        image = QImage(client_->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        overlay_->blank = true;
    }
    overlay_->raise();
    return image;
}

void FormWindow::clearOverlay() {
    if (!overlay_->image.isNull()) overlay_->image.fill(Qt::transparent);
    overlay_->blank = true;
    overlay_->update();
}

void FormWindow::overlayChanged() {
    overlay_->blank = false;
    overlay_->update();
}

void FormWindow::setVisible(bool visible) {
    if (visible && centreOnScreen && !positioned_) {
        positioned_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QDialog::setVisible(visible);
}

bool FormWindow::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) form_->WindowActivated();
    return QDialog::event(e);
}

void FormWindow::closeEvent(QCloseEvent* e) {
    e->accept();
    // Closing the main window ends the program, whatever else is open.
    if (form_ == mainForm) QCoreApplication::quit();
}

void FormWindow::keyPressEvent(QKeyEvent* e) {
    // Escape does not close a window here, unlike a Qt dialog.
    if (e->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(e);
}

TForm* FormOfWidget(QWidget* widget) {
    auto* window = widget ? dynamic_cast<FormWindow*>(widget->window()) : nullptr;
    return window ? window->form() : nullptr;
}

TForm* MainForm() {
    return mainForm;
}

TForm::TForm(const FormDescription& description)
    : name_(description.name), description_(description), parts_(std::make_unique<FormParts>()) {
    if (!mainForm) mainForm = this;
    try {
        FormWindow* window = new FormWindow(this);
        parts_->window = window;
        window->setObjectName(QStr(name_));
        window->setWindowTitle(QStr(description.caption));
        Qt::WindowFlags flags =
            Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (description.minimizeButton && description.border != BorderStyle::Dialog)
            flags |= Qt::WindowMinimizeButtonHint;
        if (description.border == BorderStyle::Sizeable) flags |= Qt::WindowMaximizeButtonHint;
        window->setWindowFlags(flags);
        QFont font = MergeFont(window->font(), description.font);
        window->setFont(font);
        SetTextColour(window, description.font.color);
        QWidget* client = window->client();
        const QSize size(description.clientWidth, description.clientHeight);
        client->resize(size);
        if (description.border == BorderStyle::Sizeable) {
            client->setMinimumSize(size);
        } else {
            client->setFixedSize(size);
            window->layout()->setSizeConstraint(QLayout::SetFixedSize);
        }
        if (description.position == FormPosition::Designed)
            window->move(description.left, description.top);
        else
            window->centreOnScreen = true;
        for (const ControlDescription& control : description.controls) BuildControl(control);
        window->layout()->activate();
        window->resize(window->sizeHint());
        window->overlayImage();  // raises the canvas surface over the controls
        parts_->canvas.OnChange = [window] { window->overlayChanged(); };
    } catch (...) {
        if (mainForm == this) mainForm = nullptr;
        throw;
    }
}

TForm::~TForm() {
    RunDestroy();
    destroying_ = true;
    if (lastActiveForm == this) lastActiveForm = nullptr;
    if (mainForm == this) mainForm = nullptr;
    if (FormWindow* window = parts_->window) {
        // Forms shown modally over this one live on without it.
        for (QObject* child : window->children()) {
            if (auto* other = dynamic_cast<FormWindow*>(child))
                other->setParent(nullptr, other->windowFlags());
        }
    }
    parts_.reset();
    components_.clear();
}

QWidget* TForm::Window() const {
    return parts_->window;
}

std::string TForm::Caption() const {
    return StdStr(parts_->window->windowTitle());
}
void TForm::SetCaption(const std::string& caption) {
    parts_->window->setWindowTitle(QStr(caption));
}
int TForm::Left() const {
    return parts_->window->x();
}
int TForm::Top() const {
    return parts_->window->y();
}
int TForm::Width() const {
    return parts_->window->width();
}
int TForm::Height() const {
    return parts_->window->height();
}
int TForm::ClientWidth() const {
    return parts_->window->client()->width();
}
int TForm::ClientHeight() const {
    return parts_->window->client()->height();
}

void TForm::SetClientWidth(int width) {
    FormWindow* window = parts_->window;
    if (description_.border != BorderStyle::Sizeable) {
        window->client()->setFixedWidth(width);
        window->client()->resize(width, ClientHeight());
    } else {
        window->resize(window->width() + width - ClientWidth(), window->height());
        window->client()->resize(width, ClientHeight());
    }
}

void TForm::SetClientHeight(int height) {
    FormWindow* window = parts_->window;
    if (description_.border != BorderStyle::Sizeable) {
        window->client()->setFixedHeight(height);
        window->client()->resize(ClientWidth(), height);
    } else {
        window->resize(window->width(), window->height() + height - ClientHeight());
        window->client()->resize(ClientWidth(), height);
    }
}

bool TForm::Visible() const {
    return parts_->window->isVisible();
}
bool TForm::Active() const {
    return parts_->window->isActiveWindow();
}

TFont TForm::Font() const {
    const QFont f = parts_->window->font();
    TFont t;
    t.Name = StdStr(f.family());
    t.Height = f.pixelSize() > 0 ? f.pixelSize() : 0;
    t.Bold = f.bold();
    t.Color = description_.font.color;
    return t;
}

void TForm::Show() {
    FormWindow* window = parts_->window;
    window->show();
    // The headless platform used by the tests cannot raise windows.
    if (QGuiApplication::platformName() != "offscreen") window->raise();
    window->activateWindow();
}

void TForm::Hide() {
    parts_->window->hide();
}
void TForm::Close() {
    parts_->window->close();
}
void TForm::ShowModal() {
    services().ShowModal(*this);
}

void TForm::Repaint() {
    parts_->window->clearOverlay();
    parts_->window->repaint();
}

TCanvas* TForm::Canvas() {
    parts_->canvas.SetDevice(&parts_->window->overlayImage());
    return &parts_->canvas;
}

int TForm::ControlCount() const {
    return static_cast<int>(children_.size());
}

TControl* TForm::Controls(int index) const {
    return index >= 0 && index < ControlCount() ? children_[index] : nullptr;
}

int TForm::ControlIndex(const TControl* control) const {
    for (int i = 0; i < ControlCount(); ++i)
        if (children_[i] == control) return i;
    return -1;
}

TComponent* TForm::FindComponent(const std::string& name) const {
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

void TForm::FindFailed(const std::string& name) const {
    if (!FindComponent(name))
        throw FormDescriptionError("Form '" + name_ + "' has no component '" + name + "'");
    throw FormDescriptionError("Form '" + name_ + "': component '" + name +
                               "' is of another kind than the one looked up");
}

void TForm::RunDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    if (FormDestroy) RunEvent(this, [this] { FormDestroy(this); });
}

void TForm::WindowActivated() {
    if (destroying_ || lastActiveForm == this) return;
    lastActiveForm = this;
    if (FormActivate && finished_) RunEvent(this, [this] { FormActivate(this); });
}

void TForm::WindowResized() {
    if (destroying_ || !finished_ || !FormResize) return;
    RunEvent(this, [this] { FormResize(this); });
}

TMenuItem::TMenuItem(TForm* owner, std::string name, QAction* action)
    : TComponent(owner, std::move(name)), action_(action) {
    QObject::connect(action_, &QAction::triggered, action_, [this] {
        if (OnClick && !Owner()->Destroying()) RunEvent(Owner(), [this] { OnClick(this); });
    });
}

std::string TMenuItem::Caption() const {
    return StdStr(action_->text());
}
void TMenuItem::SetCaption(const std::string& text) {
    action_->setText(QStr(text));
}
bool TMenuItem::Enabled() const {
    return action_->isEnabled();
}
void TMenuItem::SetEnabled(bool enabled) {
    action_->setEnabled(enabled);
}
bool TMenuItem::Visible() const {
    return action_->isVisible();
}
void TMenuItem::SetVisible(bool visible) {
    action_->setVisible(visible);
}
void TMenuItem::Click() {
    if (OnClick) OnClick(this);
}
