// Qt-side helpers shared by the library's .cpp files; never included by window code.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QImage>
#include <QString>
#include <functional>
#include <string>

#include "platform/canvas.h"
#include "platform/controls.h"

struct ControlDescription;
struct FontSpec;
class TForm;

inline QString QStr(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string StdStr(const QString& s) {
    return s.toStdString();
}
inline QColor ToQColor(TColor c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}
inline TColor ToTColor(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}
// Every font of the controls, the forms and the canvases is set so:
// - glyphs at their own advances, with no kerning or ligatures, as the
//   platform the windows were designed for sets text; for Latin text this also
//   skips shaping, most of the cost of laying out the result pane's lines;
// - light (vertical-only) hinting whatever the desktop's font settings say:
//   glyphs keep their design advances, so a text is as wide on every desktop,
//   where full hinting would round each advance to whole pixels.
inline void FixTextRendering(QFont& font) {
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setHintingPreference(QFont::PreferVerticalHinting);
}
QFont ToQFont(const TFont& font);
// The font a control gets from its description: the parent's font with the
// description's changes.
QFont MergeFont(const QFont& parent, const FontSpec& wanted);

// Runs one event handler of `form` as the message loop would: an abort ends it
// silently, a conversion error or any other exception is shown with its text
// through the message seam. Nothing unwinds into Qt. While it runs, `form` is
// the event form (EventForm()) that its messages and dialogs stand over.
void RunEvent(TForm* form, const std::function<void()>& body);

// What a control's constructor gets from the form builder.
struct ControlSetup {
    TForm* form = nullptr;
    TControl* parent = nullptr;       // nullptr: a direct child of the form
    QWidget* parentWidget = nullptr;  // the Qt widget the control goes into
    const ControlDescription* description = nullptr;
    QWidget* widget = nullptr;  // created by the kind's constructor

    ControlSetup With(QWidget* w) const {
        ControlSetup copy = *this;
        copy.widget = w;
        return copy;
    }
};

// Text colour of a widget and its children, for the enabled states only.
void SetTextColour(QWidget* widget, TColor colour);

// Delivers the mouse events of `target` to the control's mouse handlers.
void InstallMouseEvents(TControl* control, QWidget* target);

class OverlayWidget;

// The top-level window of a form: a client area under an optional menu bar.
class FormWindow : public QDialog {
  public:
    explicit FormWindow(TForm* form);
    TForm* form() const { return form_; }
    QWidget* client() const { return client_; }
    QImage& overlayImage();
    void clearOverlay();
    void overlayChanged();
    // Centred windows are placed on the screen when first shown.
    bool centreOnScreen = false;
    void setVisible(bool visible) override;

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    TForm* form_;
    QWidget* client_;
    OverlayWidget* overlay_;
    bool positioned_ = false;
};

// The form a top-level widget belongs to, or nullptr.
TForm* FormOfWidget(QWidget* widget);
