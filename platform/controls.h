// The control kinds of the form library. The header is Qt-free so window code
// can use every control without Qt Widgets; each control wraps one Qt widget
// that only the library's .cpp files touch.
//
// Property access follows the original library: getters named after the
// property (Text(), Checked(), ItemIndex()), setters with "Set". Setting a check
// box's Checked or a radio group's ItemIndex from code runs the control's
// OnClick once when the value changes; a scroll bar's Position runs OnChange;
// a combo box's ItemIndex and an up-down's Position run nothing. User actions
// run the same handlers. Handlers called from a code-side set run inside the
// caller's event, so an abort there ends the caller too.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/canvas.h"

class QWidget;
class QImage;
class QPainter;
class QSize;
class TForm;
class TControl;
struct ControlSetup;

class TObject {
  public:
    virtual ~TObject() = default;
};

enum TMouseButton { mbLeft, mbRight, mbMiddle };

using TShiftState = unsigned;
constexpr TShiftState ssShift = 1;
constexpr TShiftState ssAlt = 2;
constexpr TShiftState ssCtrl = 4;
constexpr TShiftState ssLeft = 8;
constexpr TShiftState ssRight = 16;
constexpr TShiftState ssMiddle = 32;
constexpr TShiftState ssDouble = 64;

enum TUDBtnType { btNext, btPrev };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

using TAnchors = unsigned;
constexpr TAnchors akLeft = 1;
constexpr TAnchors akTop = 2;
constexpr TAnchors akRight = 4;
constexpr TAnchors akBottom = 8;

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;

// Anything a form description creates: controls, menu items, dialogs.
class TComponent : public TObject {
  public:
    const std::string& Name() const { return name_; }
    TForm* Owner() const { return owner_; }

  protected:
    TComponent(TForm* owner, std::string name) : owner_(owner), name_(std::move(name)) {}

  private:
    TForm* owner_;
    std::string name_;
};

// A list of strings held by a control (memo lines, combo and radio-group items).
class TStrings {
  public:
    virtual ~TStrings() = default;
    virtual int Count() const = 0;
    virtual std::string Strings(int index) const = 0;
    virtual void SetStrings(int index, const std::string& text) = 0;
    virtual void Add(const std::string& text) = 0;
    // Adds the lines as Add would one by one; a list may take them in one go.
    virtual void AddLines(const std::vector<std::string>& lines) {
        for (const std::string& line : lines) Add(line);
    }
    virtual void Clear() = 0;
    std::string operator[](int index) const { return Strings(index); }
    int IndexOf(const std::string& text) const;
};

class TControl : public TComponent {
  public:
    ~TControl() override;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);
    void SetBounds(int left, int top, int width, int height);

    // The control's own flags, as set, whatever its parents show.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    // Text and Caption are one property, as in the original library.
    virtual std::string Text() const;
    virtual void SetText(const std::string& text);
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& text) { SetText(text); }

    TFont Font() const;
    void SetFont(const TFont& font);
    TColor Color() const;
    void SetColor(TColor color);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors);

    // The control it lies in; nullptr for a direct child of the form.
    TControl* Parent() const { return parent_; }
    // Repaints the window's pending regions, this control's among them, at once.
    void Repaint();
    // Paints this control on the screen at once and nothing else of its window:
    // the pending repaints of the other controls wait for the message loop.
    // False when the control is not on the screen.
    bool PaintNow();
    // Runs `action` the next time the message loop handles its pending
    // messages: after the current event, or inside a modal loop it opens.
    // Dropped when the control is destroyed first.
    void RunAtNextMessages(std::function<void()> action);
    void SetFocus();
    // The Qt widget behind the control, for the library and for tests.
    QWidget* Widget() const { return widget_; }

    // Delivered by the kinds that have them (see the form description's checks).
    TNotifyEvent OnClick;
    TNotifyEvent OnChange;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;

    // Library internals: anchor bookkeeping and the guarded handler calls.
    void ParentResized();
    void DeliverMouse(int kind, TMouseButton button, TShiftState shift, int x, int y);

  protected:
    explicit TControl(const ControlSetup& setup);
    // Runs after SetBounds (and the setters built on it) placed the control.
    virtual void BoundsSet() {}
    // Draws the control as its widget's paint would, onto a painter whose
    // origin is the control's top-left corner (for PaintNow).
    virtual void PaintLook(QPainter& painter);
    // Runs a handler for a user action: exceptions end the event here.
    void UserEvent(const TNotifyEvent& handler);
    // Runs a handler for a code-side change: exceptions go to the caller.
    void CodeEvent(const TNotifyEvent& handler) {
        if (handler) handler(this);
    }

  private:
    void RememberMargins();

    TControl* parent_;
    QWidget* widget_;
    bool enabled_ = true;
    bool visible_ = true;
    TAnchors anchors_ = akLeft | akTop;
    int rightMargin_ = 0;
    int bottomMargin_ = 0;
};

class TLabel : public TControl {
  public:
    explicit TLabel(const ControlSetup& setup);
    std::string Text() const override;
    void SetText(const std::string& text) override;
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    // Where the label would lie across its parent if it showed `text`: the
    // left edge and width it takes after growing to the text.
    struct Span {
        int left;
        int width;
    };
    Span SpanFor(const std::string& text) const;

  protected:
    void BoundsSet() override;
    void PaintLook(QPainter& painter) override;

  private:
    // The size that shows `text` whole: the one measure of the label's text,
    // for its own size and for the room checks alike.
    QSize TextSize(const std::string& text) const;
    // A label with a width of its own grows when its text is wider, keeping
    // the edge its alignment names (both edges' middle when centred), and
    // goes back to that width for a text that fits, so no text is ever cut.
    void FitText();

    TAlignment alignment_ = taLeftJustify;
    bool transparent_ = true;
    bool autoSize_ = false;
    int placedLeft_ = 0;
    int placedWidth_ = 0;
};

class TEdit : public TControl {
  public:
    explicit TEdit(const ControlSetup& setup);
    std::string Text() const override;
    // Runs OnChange when the text changes, as typing does.
    void SetText(const std::string& text) override;
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);

  private:
    bool settingText_ = false;
};

class TButton : public TControl {
  public:
    explicit TButton(const ControlSetup& setup);
    std::string Text() const override;
    void SetText(const std::string& text) override;
    bool Default() const;
    void SetDefault(bool isDefault);
    // Presses the button from code: runs OnClick when it is enabled and visible.
    void Click();
};

// A push button with a small picture; the picture is drawn through Glyph().
class TBitBtn : public TButton {
  public:
    explicit TBitBtn(const ControlSetup& setup);
    ~TBitBtn() override;
    TPicture* Glyph() { return glyph_.get(); }

  private:
    void GlyphChanged();
    std::unique_ptr<TPicture> glyph_;
};

class TCheckBox : public TControl {
  public:
    explicit TCheckBox(const ControlSetup& setup);
    std::string Text() const override;
    void SetText(const std::string& text) override;
    bool Checked() const;
    // Runs OnClick once when the value changes.
    void SetChecked(bool checked);
};

class TRadioButton : public TControl {
  public:
    explicit TRadioButton(const ControlSetup& setup);
    std::string Text() const override;
    void SetText(const std::string& text) override;
    bool Checked() const;
    // Checking unchecks the siblings in the same parent and runs OnClick once
    // when the button was not checked before; unchecking runs nothing.
    void SetChecked(bool checked);
};

class TGroupBox : public TControl {
  public:
    explicit TGroupBox(const ControlSetup& setup);
    std::string Text() const override;
    void SetText(const std::string& text) override;
};

enum TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public TControl {
  public:
    explicit TPanel(const ControlSetup& setup);
    std::string Text() const override;
    void SetText(const std::string& text) override;
};

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

class TBevel : public TControl {
  public:
    explicit TBevel(const ControlSetup& setup);
};

// The picture of an image control: a bitmap with its canvas.
class TPicture {
  public:
    TPicture();
    ~TPicture();
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    int Width() const;
    int Height() const;
    // Whether there is no bitmap yet; asks nothing of a pending drawing.
    bool Empty() const;
    // Resizes the bitmap; what was drawn stays at the top left, new area is white.
    void SetSize(int width, int height);
    TCanvas* Canvas() { return &canvas_; }
    // Writes a Windows bitmap file; a file that cannot be written raises
    // std::runtime_error with the reason.
    void SaveToFile(const std::string& path);
    // Replaces the bitmap with 24-bit RGB pixels, rows of `stride` bytes.
    void SetPixels(int width, int height, const unsigned char* rgb, int stride);
    TColor Pixel(int x, int y) const;

    // The bitmap, with any pending drawing done.
    QImage& Image();
    const QImage& Image() const;

    // A drawing the picture owes: it runs once, when the bitmap is next
    // looked at, saved or drawn on. A graph that changes several times in one
    // action is then drawn once, as it stands at the end. A new request
    // replaces one that has not run yet.
    void SetPendingDraw(std::function<void()> draw);
    void FlushPendingDraw() const;

    // Runs after every change of the bitmap.
    std::function<void()> OnChange;

  private:
    void Changed();
    std::unique_ptr<QImage> image_;
    TCanvas canvas_;
    mutable std::function<void()> pendingDraw_;
};

class TImage : public TControl {
  public:
    explicit TImage(const ControlSetup& setup);
    ~TImage() override;
    TPicture* Picture() { return picture_.get(); }
    // The picture's canvas. An empty picture first becomes a white bitmap of
    // the control's size, as on the original platform.
    TCanvas* Canvas();

  private:
    TImage(const ControlSetup& setup, std::unique_ptr<TPicture> picture);
    std::unique_ptr<TPicture> picture_;
};

class TScrollBar : public TControl {
  public:
    explicit TScrollBar(const ControlSetup& setup);
    int Min() const;
    int Max() const;
    void SetMin(int value);
    void SetMax(int value);
    int Position() const;
    // Runs OnChange when the position changes.
    void SetPosition(int position);
};

// Up and down arrows without an associated edit.
class TUpDown : public TControl {
  public:
    explicit TUpDown(const ControlSetup& setup);
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetMin(int value);
    void SetMax(int value);
    int Position() const { return position_; }
    // Runs nothing.
    void SetPosition(int position);
    // Runs after an arrow was pressed and the position moved (or stayed at a limit).
    TUDClickEvent OnClick;
    // Library internal: an arrow press.
    void ArrowPressed(TUDBtnType button);

  private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};

class TRadioGroup : public TControl {
  public:
    explicit TRadioGroup(const ControlSetup& setup);
    ~TRadioGroup() override;
    std::string Text() const override;
    void SetText(const std::string& text) override;
    TStrings& Items() { return *items_; }
    int ItemIndex() const { return itemIndex_; }
    // -1 clears the selection. Runs OnClick once when the index changes.
    void SetItemIndex(int index);
    // Library internals.
    void RebuildButtons();
    void ButtonClicked(int index);

  private:
    std::unique_ptr<TStrings> items_;
    int itemIndex_ = -1;
    int columns_ = 1;
};

class TComboBox : public TControl {
  public:
    explicit TComboBox(const ControlSetup& setup);
    ~TComboBox() override;
    std::string Text() const override;
    // Runs nothing; an editable box shows the text with no item selected
    // unless the text is that of the selected item.
    void SetText(const std::string& text) override;
    TStrings& Items() { return *items_; }
    // -1 when the user typed text or nothing was picked.
    int ItemIndex() const { return itemIndex_; }
    // Runs nothing.
    void SetItemIndex(int index);
    // Library internals.
    void UserPicked(int index);
    void UserTyped();
    void ItemsChanged();

  private:
    std::unique_ptr<TStrings> items_;
    int itemIndex_ = -1;
};

class TMemo : public TControl {
  public:
    explicit TMemo(const ControlSetup& setup);
    ~TMemo() override;
    std::string Text() const override;
    void SetText(const std::string& text) override;
    // Lines added are in the text at once: Count, Strings and Text see them.
    // While the pane is shown, its view (the scroll range, the newest line in
    // view, the caret at the end) catches up when the window next handles its
    // messages, so an action that adds lines several times lays them out once.
    // A hidden pane scrolls each added line into view at once. Clear, SetText
    // and changing a line bring the view up to date first.
    TStrings& Lines() { return *lines_; }
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);

  private:
    std::unique_ptr<TStrings> lines_;
};

class TTabSheet;

class TPageControl : public TControl {
  public:
    explicit TPageControl(const ControlSetup& setup);
    int PageCount() const;
    TTabSheet* Pages(int index) const;
    int ActivePageIndex() const;
    // Runs nothing.
    void SetActivePageIndex(int index);
    // Library internal.
    void AddPage(TTabSheet* page);

  private:
    std::vector<TTabSheet*> pages_;
};

class TTabSheet : public TControl {
  public:
    explicit TTabSheet(const ControlSetup& setup);
    std::string Text() const override;
    void SetText(const std::string& text) override;
    int PageIndex() const;

  private:
    TPageControl* pageControl_;
};

class TStringGrid;

// Cells[col][row] reads and writes a cell's text.
class TGridCell {
  public:
    TGridCell(TStringGrid* grid, int col, int row) : grid_(grid), col_(col), row_(row) {}
    operator std::string() const;
    std::string str() const { return *this; }
    TGridCell& operator=(const std::string& text);
    bool operator==(const std::string& text) const { return str() == text; }
    bool operator==(const char* text) const { return str() == text; }

  private:
    TStringGrid* grid_;
    int col_;
    int row_;
};

class TGridColumn {
  public:
    TGridColumn(TStringGrid* grid, int col) : grid_(grid), col_(col) {}
    TGridCell operator[](int row) const { return TGridCell(grid_, col_, row); }

  private:
    TStringGrid* grid_;
    int col_;
};

class TGridCells {
  public:
    explicit TGridCells(TStringGrid* grid) : grid_(grid) {}
    TGridColumn operator[](int col) const { return TGridColumn(grid_, col); }

  private:
    TStringGrid* grid_;
};

// A grid whose first FixedRows rows and FixedCols columns are headers. The
// mouse positions of its events and of MouseToCell are in the grid's cell area.
class TStringGrid : public TControl {
  public:
    explicit TStringGrid(const ControlSetup& setup);
    TGridCells Cells{this};
    std::string Cell(int col, int row) const;
    void SetCell(int col, int row, const std::string& text);
    int RowCount() const;
    void SetRowCount(int rows);
    int ColCount() const;
    void SetColCount(int cols);
    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    int ColWidths(int col) const;
    void SetColWidths(int col, int width);
    // The cell under a mouse position; false (and -1, -1) when there is none.
    bool MouseToCell(int x, int y, int& col, int& row) const;

  private:
    void StyleFixedCells();
    int fixedRows_ = 1;
    int fixedCols_ = 1;
};
