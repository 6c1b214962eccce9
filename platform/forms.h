// Windows built from declarative descriptions. A window's controls, captions,
// item lists and defaults come from one FormDescription in forms/; the window
// class derives from TForm, looks its controls up by name and binds its
// handlers by name:
//
//   Tzakladni::Tzakladni() : TForm(ZakladniForm()) {
//       Button1 = Find<TButton>("Button1");
//       Bind("Button1Click", [this](TObject* s) { Button1Click(s); });
//       FinishCreate();  // checks the bindings, wires them, runs FormCreate
//   }
//
// Every mismatch between a description and its class (a duplicate name, an
// unknown parent, a property the kind does not have, a handler the class did
// not bind, a name the description lacks) raises FormDescriptionError, so a
// test that builds each window catches it.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/controls.h"
#include "platform/dialogs.h"

class QAction;
class QWidget;
class TMainMenu;
class TMenuItem;
struct FormParts;

class FormDescriptionError : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

enum class Kind {
    Label,
    Edit,
    Button,
    BitBtn,
    CheckBox,
    RadioButton,
    GroupBox,
    RadioGroup,
    ComboBox,
    Memo,
    PageControl,
    TabSheet,
    UpDown,
    ScrollBar,
    StringGrid,
    Panel,
    Bevel,
    Image,
    MainMenu,
    MenuItem,
    OpenDialog,
    SaveDialog,
};

// A font differing from the parent's: empty name and zero size keep the
// parent's; height (pixels) wins over size (points).
struct FontSpec {
    std::string name{};
    int size = 0;
    int height = 0;
    bool bold = false;
    TColor color = clBlack;
};

// One control, menu item or dialog. Designated initializers must follow this
// declaration order. Fields a kind does not have must stay at their defaults.
// A form's MainMenu component (at most one) is its menu bar; its MenuItems
// name it (or another item, for a submenu) as parent. Tab sheets name their
// page control as parent; their rectangle is the page control's business.
// Every member has an initializer so designated initializers that leave
// members out stay clear of -Wmissing-field-initializers.
struct ControlDescription {
    std::string name{};
    Kind kind = Kind::Label;
    std::string parent{};  // "" for the form itself
    int left = 0;
    int top = 0;
    int width = 0;  // a label of width 0 sizes itself to its text
    int height = 0;
    std::string caption{};             // caption or text
    std::vector<std::string> items{};  // radio group and combo items, memo lines
    int itemIndex = -1;                // radio group, combo box, page control's active page
    bool checked = false;              // check box, radio button
    bool visible = true;
    bool enabled = true;
    bool tabStop = true;  // false leaves the control out of the tab order
    std::optional<FontSpec> font{};
    TAlignment alignment = taLeftJustify;  // label
    TAnchors anchors = akLeft | akTop;
    std::optional<TColor> color{};  // label (makes it opaque), panel
    bool editable = true;           // combo box: false is a drop-down list
    bool readOnly = false;          // edit, memo
    bool isDefault = false;         // button: Enter presses it
    int min = 0;                    // scroll bar, up-down
    int max = 100;
    int position = 0;
    int columns = 1;  // radio group
    TBevelCut bevelInner = bvNone;
    TBevelCut bevelOuter = bvRaised;
    TBevelShape shape = bsBox;
    TBevelStyle bevelStyle = bsLowered;
    int colCount = 5;  // string grid
    int rowCount = 5;
    int fixedCols = 1;
    int fixedRows = 1;
    int defaultRowHeight = 24;
    std::vector<int> colWidths{};
    bool gridEditing = false;
    // File dialogs. The filter is in the Windows form "Text Files  (*.txt)|*.txt".
    std::string filter{};
    std::string defaultExt{};
    std::string fileName{};
    std::string initialDir{};
    bool overwritePrompt = false;
    // Handler names bound by the window class.
    std::string onClick{};
    std::string onChange{};
    std::string onDblClick{};
    std::string onMouseDown{};
    std::string onMouseMove{};
    std::string onMouseUp{};
};

enum class BorderStyle { Sizeable, Single, Dialog };
enum class FormPosition { Designed, ScreenCenter };

struct FormDescription {
    std::string name{};
    std::string caption{};
    int clientWidth = 400;
    int clientHeight = 300;
    // Sizeable windows cannot shrink below their design size.
    BorderStyle border = BorderStyle::Sizeable;
    bool minimizeButton = true;
    FormPosition position = FormPosition::Designed;
    int left = 0;
    int top = 0;
    FontSpec font = {.name = "MS Sans Serif", .size = 8};
    std::string onCreate{};
    std::string onActivate{};
    std::string onDestroy{};
    std::string onResize{};
    std::vector<ControlDescription> controls{};
};

class TMenuItem : public TComponent {
  public:
    TMenuItem(TForm* owner, std::string name, QAction* action);
    std::string Caption() const;
    void SetCaption(const std::string& text);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;
    void SetVisible(bool visible);
    void Click();
    TNotifyEvent OnClick;
    QAction* Action() const { return action_; }

  private:
    QAction* action_;
};

class TMainMenu : public TComponent {
  public:
    TMainMenu(TForm* owner, std::string name) : TComponent(owner, std::move(name)) {}
};

class TForm : public TObject {
  public:
    explicit TForm(const FormDescription& description);
    ~TForm() override;
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    const std::string& Name() const { return name_; }
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    bool Visible() const;
    bool Active() const;
    TFont Font() const;
    // Double buffering is always on with Qt; kept for the window code.
    void SetDoubleBuffered(bool) {}

    void Show();
    void Hide();
    void Close();
    // Through the installed services: returns when the window is closed.
    void ShowModal();
    // Repaints the window and its controls; what was drawn on Canvas() goes.
    void Repaint();
    // The window's own surface, in client coordinates, over every control.
    // What is drawn stays until Repaint().
    TCanvas* Canvas();

    // The form's direct child controls in description order. A control's
    // index among them is its slot for the plot component.
    int ControlCount() const;
    TControl* Controls(int index) const;
    int ControlIndex(const TControl* control) const;

    // Looks a component up by name; a missing name or another kind raises
    // FormDescriptionError.
    template <class T>
    T* Find(const std::string& name) const {
        T* found = dynamic_cast<T*>(FindComponent(name));
        if (!found) FindFailed(name);
        return found;
    }
    TComponent* FindComponent(const std::string& name) const;

    TNotifyEvent FormCreate;
    TNotifyEvent FormActivate;
    TNotifyEvent FormDestroy;
    TNotifyEvent FormResize;

    // The top-level Qt widget, for the library and for tests.
    QWidget* Window() const;
    // Library internals.
    bool Destroying() const { return destroying_; }
    void RunDestroy();
    void WindowActivated();
    void WindowResized();

  protected:
    // Bindings of handler names used in the description.
    void Bind(const std::string& name, TNotifyEvent handler);
    void Bind(const std::string& name, TMouseEvent handler);
    void Bind(const std::string& name, TMouseMoveEvent handler);
    void Bind(const std::string& name, TUDClickEvent handler);
    // Checks that every handler named in the description is bound and every
    // binding is used, wires them, then runs FormCreate (an abort or error
    // there ends only FormCreate).
    void FinishCreate();

  private:
    [[noreturn]] void FindFailed(const std::string& name) const;
    void BuildControl(const ControlDescription& d);
    void WireHandlers();

    std::string name_;
    FormDescription description_;
    std::unique_ptr<FormParts> parts_;
    std::vector<std::unique_ptr<TComponent>> components_;
    std::map<std::string, TComponent*> byName_;
    std::vector<TControl*> children_;
    std::map<std::string, TNotifyEvent> notifyHandlers_;
    std::map<std::string, TMouseEvent> mouseHandlers_;
    std::map<std::string, TMouseMoveEvent> mouseMoveHandlers_;
    std::map<std::string, TUDClickEvent> upDownHandlers_;
    bool finished_ = false;
    bool destroyed_ = false;
    bool destroying_ = false;
};

// The first form created; closing it ends the program.
TForm* MainForm();

// The form whose event (a user's action on it, its activation, creation or
// resizing) is running; nullptr outside every event. A message or dialog that
// the event raises stands over this form: the window whose action raised it.
TForm* EventForm();
