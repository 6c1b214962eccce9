// Controls that hold lists: radio groups, combo boxes, memos, page controls and grids.
#include <QAbstractItemView>
#include <QAbstractTextDocumentLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/qt_private.h"

namespace {

// Items kept in a vector; the owner rebuilds its widgets after each change.
class VectorStrings : public TStrings {
  public:
    explicit VectorStrings(std::function<void()> changed) : changed_(std::move(changed)) {}
    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Strings(int index) const override {
        return index >= 0 && index < Count() ? items_[index] : std::string();
    }
    void SetStrings(int index, const std::string& text) override {
        if (index < 0 || index >= Count()) return;
        items_[index] = text;
        changed_();
    }
    void Add(const std::string& text) override {
        items_.push_back(text);
        changed_();
    }
    void Clear() override {
        items_.clear();
        changed_();
    }

  private:
    std::vector<std::string> items_;
    std::function<void()> changed_;
};

class RadioGroupWidget : public QGroupBox {
  public:
    RadioGroupWidget(QWidget* parent, TRadioGroup* owner) : QGroupBox(parent), owner_(owner) {}
    QButtonGroup* group = new QButtonGroup(this);

  protected:
    void resizeEvent(QResizeEvent* e) override {
        QGroupBox::resizeEvent(e);
        owner_->RebuildButtons();
    }

  private:
    TRadioGroup* owner_;
};

// Tabs as narrow as the original's button-style tabs: the caption and a few
// pixels either side. The platform style pads each tab by twice as much, so
// the calculator window's input tabs ran under the ammunition-name field and
// its graph tabs needed scroll arrows.
class CompactTabStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        constexpr int CaptionMargins = 12;  // px, both sides together
        if (metric == PM_TabBarTabHSpace) return CaptionMargins;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// Tells an editable box's own completion of typed text on Enter or focus loss
// from a real pick: only a pick selects an item.
class ComboWidget : public QComboBox {
  public:
    explicit ComboWidget(QWidget* parent) : QComboBox(parent) {}
    bool finishingEdit = false;

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        finishingEdit = enter;
        QComboBox::keyPressEvent(e);
        finishingEdit = false;
    }
    void focusOutEvent(QFocusEvent* e) override {
        finishingEdit = true;
        QComboBox::focusOutEvent(e);
        finishingEdit = false;
    }
    // The open list is as wide as its longest item, however narrow the box.
    void showPopup() override {
        QAbstractItemView* list = view();
        int widest = 0;
        for (int i = 0; i < count(); ++i)
            widest = std::max(widest, list->fontMetrics().horizontalAdvance(itemText(i)));
        const int scrollBar =
            count() > maxVisibleItems() ? list->verticalScrollBar()->sizeHint().width() : 0;
        constexpr int ItemMargins = 16;  // px: the item's text margins and the frame
        list->setMinimumWidth(widest + ItemMargins + scrollBar);
        QComboBox::showPopup();
    }

  private:
};

// A text longer than an editable box shows its start, as an edit field does,
// rather than its end where Qt leaves the cursor.
void ShowTextStart(QComboBox* combo) {
    if (combo->isEditable()) combo->lineEdit()->setCursorPosition(0);
}

class ComboStrings : public TStrings {
  public:
    ComboStrings(QComboBox* combo, TComboBox* owner) : combo_(combo), owner_(owner) {}
    int Count() const override { return combo_->count(); }
    std::string Strings(int index) const override { return StdStr(combo_->itemText(index)); }
    void SetStrings(int index, const std::string& text) override {
        const QSignalBlocker blocker(combo_);
        combo_->setItemText(index, QStr(text));
    }
    void Add(const std::string& text) override {
        const QSignalBlocker blocker(combo_);
        const QString shown = combo_->isEditable() ? combo_->lineEdit()->text() : QString();
        combo_->addItem(QStr(text));
        // Adding to an empty box must not select the new item.
        if (owner_->ItemIndex() < 0) {
            combo_->setCurrentIndex(-1);
            if (combo_->isEditable()) combo_->setEditText(shown);
        }
    }
    void Clear() override {
        {
            const QSignalBlocker blocker(combo_);
            combo_->clear();
        }
        owner_->ItemsChanged();
    }

  private:
    QComboBox* combo_;
    TComboBox* owner_;
};

// Memo lines with the original's rules: after Add the text ends with a line
// break, and an empty last line is not counted.
class MemoStrings : public TStrings {
  public:
    MemoStrings(QPlainTextEdit* edit, TControl* owner) : edit_(edit), owner_(owner) {}
    ~MemoStrings() override {
        if (held_ && edit_) edit_->document()->documentLayout()->blockSignals(false);
    }
    int Count() const override {
        const QTextDocument* doc = edit_->document();
        int count = doc->blockCount();
        if (doc->lastBlock().text().isEmpty()) --count;
        return count;
    }
    std::string Strings(int index) const override {
        if (index < 0 || index >= Count()) return std::string();
        return StdStr(edit_->document()->findBlockByNumber(index).text());
    }
    void SetStrings(int index, const std::string& text) override {
        if (index < 0 || index >= Count()) return;
        Release();
        QTextCursor cursor(edit_->document()->findBlockByNumber(index));
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(QStr(text));
    }
    void Add(const std::string& text) override { Append(QStr(text)); }
    // One insert for the whole block, as if each line had been added on its own.
    void AddLines(const std::vector<std::string>& lines) override {
        if (lines.empty()) return;
        QString block = QStr(lines.front());
        for (size_t i = 1; i < lines.size(); ++i) block += QChar('\n') + QStr(lines[i]);
        Append(block);
    }
    void Clear() override {
        Release();
        edit_->clear();
    }

    // Brings the view up to date with the lines added since it was last
    // shown: the scroll range, the newest line in view and the caret at the
    // end. The window runs it when it next handles its messages, before it
    // paints; anything that changes the lines some other way runs it first.
    void Release() {
        if (!held_) return;
        held_ = false;
        if (!edit_) return;
        QAbstractTextDocumentLayout* layout = edit_->document()->documentLayout();
        layout->blockSignals(false);
        emit layout->documentSizeChanged(layout->documentSize());
        // Turning the view's updates back on repaints it whole.
        if (edit_->isVisible()) {
            QWidget* view = edit_->viewport();
            const bool updates = view->updatesEnabled();
            view->setUpdatesEnabled(false);
            edit_->verticalScrollBar()->setValue(edit_->verticalScrollBar()->maximum());
            view->setUpdatesEnabled(updates);
        }
        MoveCaretToEnd();
        edit_->ensureCursorVisible();
    }

  private:
    // Appends the text as lines after the last one. The pane finds the
    // scroll range and the caret's place by laying out lines, a view's worth
    // or more each time; an action adds lines several times before the
    // window paints again. So while the pane is shown, the view is held from
    // the first line added until the window next handles its messages (or
    // the lines change some other way) and brought up to date once then.
    // The lines themselves are in the pane at once.
    void Append(const QString& text) {
        QTextDocument* doc = edit_->document();
        const bool hold = held_ || edit_->isVisible();
        if (!hold) MoveCaretToEnd();
        if (hold && !held_) {
            held_ = true;
            doc->documentLayout()->blockSignals(true);
            // Dropped with the pane's widget, which the window deletes
            // before its controls.
            owner_->RunAtNextMessages([this] { Release(); });
        }
        QTextCursor cursor(doc);
        cursor.movePosition(QTextCursor::End);
        cursor.beginEditBlock();
        if (!doc->lastBlock().text().isEmpty()) cursor.insertBlock();
        cursor.insertText(text);
        cursor.insertBlock();
        cursor.endEditBlock();
        if (!hold) edit_->ensureCursorVisible();
    }

    // The caret goes to the end of the lines, without a selection. When the
    // view is already at the end, the pane finds the caret's place from the
    // top line in view, a view's worth of lines.
    void MoveCaretToEnd() {
        QTextCursor caret = edit_->textCursor();
        if (caret.hasSelection() || !caret.atEnd()) {
            caret.movePosition(QTextCursor::End);
            edit_->setTextCursor(caret);
        }
    }

    QPointer<QPlainTextEdit> edit_;
    TControl* owner_;
    bool held_ = false;
};

}  // namespace

TRadioGroup::TRadioGroup(const ControlSetup& setup)
    : TControl(setup.With(new RadioGroupWidget(setup.parentWidget, this))),
      items_(std::make_unique<VectorStrings>([this] { RebuildButtons(); })) {
    const ControlDescription& d = *setup.description;
    auto* box = static_cast<RadioGroupWidget*>(Widget());
    box->setTitle(QStr(d.caption));
    columns_ = std::max(d.columns, 1);
    QObject::connect(box->group, &QButtonGroup::idClicked, box,
                     [this](int id) { ButtonClicked(id); });
    for (const std::string& item : d.items) items_->Add(item);
    itemIndex_ = d.itemIndex;
    RebuildButtons();
}

TRadioGroup::~TRadioGroup() = default;

std::string TRadioGroup::Text() const {
    return StdStr(static_cast<QGroupBox*>(Widget())->title());
}
void TRadioGroup::SetText(const std::string& text) {
    static_cast<QGroupBox*>(Widget())->setTitle(QStr(text));
}

// Lays the buttons out as the original does: columns of equal width, rows
// sharing the height inside the frame. The style draws the frame below the
// caption, so the rows start where its contents do.
void TRadioGroup::RebuildButtons() {
    auto* box = static_cast<RadioGroupWidget*>(Widget());
    QList<QAbstractButton*> buttons = box->group->buttons();
    const int count = items_->Count();
    while (buttons.size() > count) {
        QAbstractButton* b = buttons.takeLast();
        box->group->removeButton(b);
        delete b;
    }
    while (buttons.size() < count) {
        auto* b = new QRadioButton(box);
        box->group->addButton(b, static_cast<int>(buttons.size()));
        b->setVisible(true);
        buttons.append(b);
    }
    itemIndex_ = std::min(itemIndex_, count - 1);
    const int perColumn = (count + columns_ - 1) / std::max(columns_, 1);
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect inside = box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                      QStyle::SC_GroupBoxContents, box);
    const int columnWidth = (box->width() - 10) / columns_;
    const int space = inside.height() - 2;
    const int rowHeight = perColumn > 0 ? space / perColumn : 0;
    const int topMargin = inside.top() + 1 + (perColumn > 0 ? space % perColumn : 0) / 2;
    const QSignalBlocker blocker(box->group);
    box->group->setExclusive(false);
    for (int i = 0; i < count; ++i) {
        QAbstractButton* b = buttons[i];
        const QSignalBlocker buttonBlocker(b);
        b->setText(QStr(items_->Strings(i)));
        b->setGeometry((i / perColumn) * columnWidth + 8, (i % perColumn) * rowHeight + topMargin,
                       columnWidth, rowHeight);
        b->setChecked(i == itemIndex_);
    }
    box->group->setExclusive(true);
}

void TRadioGroup::SetItemIndex(int index) {
    index = std::clamp(index, -1, items_->Count() - 1);
    if (index == itemIndex_) return;
    itemIndex_ = index;
    RebuildButtons();
    CodeEvent(OnClick);
}

void TRadioGroup::ButtonClicked(int index) {
    // A click on the selected item changes nothing and runs nothing.
    if (index == itemIndex_) return;
    itemIndex_ = index;
    UserEvent(OnClick);
}

TComboBox::TComboBox(const ControlSetup& setup)
    : TControl(setup.With(new ComboWidget(setup.parentWidget))) {
    const ControlDescription& d = *setup.description;
    auto* combo = static_cast<ComboWidget*>(Widget());
    items_ = std::make_unique<ComboStrings>(combo, this);
    combo->setEditable(d.editable);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(8);
    if (d.editable) combo->setCompleter(nullptr);
    for (const std::string& item : d.items) items_->Add(item);
    SetItemIndex(d.itemIndex);
    if (d.itemIndex < 0 && !d.caption.empty()) SetText(d.caption);
    QObject::connect(combo, &QComboBox::activated, combo, [this, combo](int index) {
        if (combo->finishingEdit) return;
        ShowTextStart(combo);
        UserPicked(index);
    });
    if (d.editable)
        QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo, [this] { UserTyped(); });
}

TComboBox::~TComboBox() = default;

std::string TComboBox::Text() const {
    auto* combo = static_cast<QComboBox*>(Widget());
    if (combo->isEditable()) return StdStr(combo->lineEdit()->text());
    return itemIndex_ >= 0 ? StdStr(combo->itemText(itemIndex_)) : std::string();
}

void TComboBox::SetText(const std::string& text) {
    auto* combo = static_cast<QComboBox*>(Widget());
    const QSignalBlocker blocker(combo);
    const QString value = QStr(text);
    if (!combo->isEditable()) {
        // A drop-down list can only show one of its items.
        itemIndex_ = combo->findText(value, Qt::MatchExactly);
        combo->setCurrentIndex(itemIndex_);
        return;
    }
    if (itemIndex_ >= 0 && combo->itemText(itemIndex_) == value) return;
    itemIndex_ = -1;
    combo->setCurrentIndex(-1);
    combo->setEditText(value);
    ShowTextStart(combo);
}

void TComboBox::SetItemIndex(int index) {
    auto* combo = static_cast<QComboBox*>(Widget());
    index = std::clamp(index, -1, combo->count() - 1);
    const QSignalBlocker blocker(combo);
    itemIndex_ = index;
    combo->setCurrentIndex(index);
    if (index < 0 && combo->isEditable()) combo->setEditText(QString());
    ShowTextStart(combo);
}

void TComboBox::UserPicked(int index) {
    itemIndex_ = index;
    UserEvent(OnChange);
}

void TComboBox::UserTyped() {
    itemIndex_ = -1;
    UserEvent(OnChange);
}

void TComboBox::ItemsChanged() {
    itemIndex_ = -1;
}

TMemo::TMemo(const ControlSetup& setup)
    : TControl(setup.With(new QPlainTextEdit(setup.parentWidget))) {
    auto* edit = static_cast<QPlainTextEdit*>(Widget());
    lines_ = std::make_unique<MemoStrings>(edit, this);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setReadOnly(setup.description->readOnly);
    for (const std::string& line : setup.description->items) lines_->Add(line);
    edit->moveCursor(QTextCursor::Start);
}

TMemo::~TMemo() = default;

std::string TMemo::Text() const {
    return StdStr(static_cast<QPlainTextEdit*>(Widget())->toPlainText());
}
void TMemo::SetText(const std::string& text) {
    static_cast<MemoStrings&>(*lines_).Release();
    static_cast<QPlainTextEdit*>(Widget())->setPlainText(QStr(text));
}
bool TMemo::ReadOnly() const {
    return static_cast<QPlainTextEdit*>(Widget())->isReadOnly();
}
void TMemo::SetReadOnly(bool readOnly) {
    static_cast<QPlainTextEdit*>(Widget())->setReadOnly(readOnly);
}

TPageControl::TPageControl(const ControlSetup& setup)
    : TControl(setup.With(new QTabWidget(setup.parentWidget))) {
    auto* tabs = static_cast<QTabWidget*>(Widget());
    auto* tabStyle = new CompactTabStyle;
    tabStyle->setParent(tabs);
    tabs->tabBar()->setStyle(tabStyle);
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [this] { UserEvent(OnChange); });
}

int TPageControl::PageCount() const {
    return static_cast<int>(pages_.size());
}
TTabSheet* TPageControl::Pages(int index) const {
    return index >= 0 && index < PageCount() ? pages_[index] : nullptr;
}
int TPageControl::ActivePageIndex() const {
    return static_cast<QTabWidget*>(Widget())->currentIndex();
}

void TPageControl::SetActivePageIndex(int index) {
    auto* tabs = static_cast<QTabWidget*>(Widget());
    const QSignalBlocker blocker(tabs);
    tabs->setCurrentIndex(index);
}

void TPageControl::AddPage(TTabSheet* page) {
    auto* tabs = static_cast<QTabWidget*>(Widget());
    const QSignalBlocker blocker(tabs);
    pages_.push_back(page);
    tabs->addTab(page->Widget(), QString());
}

TTabSheet::TTabSheet(const ControlSetup& setup)
    : TControl(setup.With(new QWidget())), pageControl_(static_cast<TPageControl*>(setup.parent)) {
    pageControl_->AddPage(this);
    SetText(setup.description->caption);
}

int TTabSheet::PageIndex() const {
    return static_cast<QTabWidget*>(pageControl_->Widget())->indexOf(Widget());
}
std::string TTabSheet::Text() const {
    return StdStr(static_cast<QTabWidget*>(pageControl_->Widget())->tabText(PageIndex()));
}
void TTabSheet::SetText(const std::string& text) {
    static_cast<QTabWidget*>(pageControl_->Widget())->setTabText(PageIndex(), QStr(text));
}

TGridCell::operator std::string() const {
    return grid_->Cell(col_, row_);
}

TGridCell& TGridCell::operator=(const std::string& text) {
    grid_->SetCell(col_, row_, text);
    return *this;
}

TStringGrid::TStringGrid(const ControlSetup& setup)
    : TControl(setup.With(new QTableWidget(setup.parentWidget))) {
    const ControlDescription& d = *setup.description;
    auto* table = static_cast<QTableWidget*>(Widget());
    // Header rows and columns are ordinary cells here, as in the original grid.
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->verticalHeader()->setMinimumSectionSize(1);
    table->horizontalHeader()->setMinimumSectionSize(1);
    table->verticalHeader()->setDefaultSectionSize(d.defaultRowHeight);
    table->setEditTriggers(d.gridEditing ? QAbstractItemView::AllEditTriggers
                                         : QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    fixedCols_ = d.fixedCols;
    fixedRows_ = d.fixedRows;
    table->setColumnCount(d.colCount);
    table->setRowCount(d.rowCount);
    for (int c = 0; c < static_cast<int>(d.colWidths.size()) && c < d.colCount; ++c)
        table->setColumnWidth(c, d.colWidths[c]);
    StyleFixedCells();
    table->viewport()->setMouseTracking(true);
    InstallMouseEvents(this, table->viewport());
}

std::string TStringGrid::Cell(int col, int row) const {
    const QTableWidgetItem* item = static_cast<QTableWidget*>(Widget())->item(row, col);
    return item ? StdStr(item->text()) : std::string();
}

void TStringGrid::SetCell(int col, int row, const std::string& text) {
    auto* table = static_cast<QTableWidget*>(Widget());
    if (col < 0 || row < 0 || col >= table->columnCount() || row >= table->rowCount()) return;
    QTableWidgetItem* item = table->item(row, col);
    if (!item) {
        item = new QTableWidgetItem();
        table->setItem(row, col, item);
    }
    item->setText(QStr(text));
}

int TStringGrid::RowCount() const {
    return static_cast<QTableWidget*>(Widget())->rowCount();
}

void TStringGrid::SetRowCount(int rows) {
    static_cast<QTableWidget*>(Widget())->setRowCount(std::max(rows, 0));
    StyleFixedCells();
}

int TStringGrid::ColCount() const {
    return static_cast<QTableWidget*>(Widget())->columnCount();
}

void TStringGrid::SetColCount(int cols) {
    static_cast<QTableWidget*>(Widget())->setColumnCount(std::max(cols, 0));
    StyleFixedCells();
}

int TStringGrid::ColWidths(int col) const {
    return static_cast<QTableWidget*>(Widget())->columnWidth(col);
}

void TStringGrid::SetColWidths(int col, int width) {
    static_cast<QTableWidget*>(Widget())->setColumnWidth(col, width);
}

bool TStringGrid::MouseToCell(int x, int y, int& col, int& row) const {
    const QModelIndex index = static_cast<QTableWidget*>(Widget())->indexAt(QPoint(x, y));
    col = index.isValid() ? index.column() : -1;
    row = index.isValid() ? index.row() : -1;
    return index.isValid();
}

// Header cells are grey and cannot be edited or selected.
void TStringGrid::StyleFixedCells() {
    auto* table = static_cast<QTableWidget*>(Widget());
    const QBrush face(ToQColor(clBtnFace));
    for (int r = 0; r < table->rowCount(); ++r) {
        for (int c = 0; c < table->columnCount(); ++c) {
            if (r >= fixedRows_ && c >= fixedCols_) continue;
            QTableWidgetItem* item = table->item(r, c);
            if (!item) {
                item = new QTableWidgetItem();
                table->setItem(r, c, item);
            }
            item->setFlags(Qt::ItemIsEnabled);
            item->setBackground(face);
        }
    }
}
