// Which handlers run on code-side changes and on user actions, and how an
// abort or an error ends the running event.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QFont>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <map>

#include "platform/base.h"
#include "platform/sysutils.h"
#include "platform/testing/scripted_services.h"
#include "tests/platform/test_form.h"

namespace {

FormDescription ProbeForm() {
    return {
        .name = "probe",
        .caption = "Probe",
        .clientWidth = 420,
        .clientHeight = 300,
        .controls =
            {
                {.name = "CheckBox1",
                 .kind = Kind::CheckBox,
                 .left = 8,
                 .top = 8,
                 .width = 120,
                 .height = 20,
                 .caption = "Drift",
                 .onClick = "CheckBox1Click"},
                {.name = "RadioGroup1",
                 .kind = Kind::RadioGroup,
                 .left = 8,
                 .top = 40,
                 .width = 150,
                 .height = 90,
                 .caption = "Modes",
                 .items = {"A", "B", "C"},
                 .itemIndex = 1,
                 .onClick = "RadioGroup1Click"},
                {.name = "ComboBox1",
                 .kind = Kind::ComboBox,
                 .left = 170,
                 .top = 8,
                 .width = 100,
                 .height = 21,
                 .caption = "G1",
                 .items = {"G1", "G2", "G5"},
                 .onChange = "ComboBox1Change"},
                {.name = "ComboBox2",
                 .kind = Kind::ComboBox,
                 .left = 170,
                 .top = 100,
                 .width = 100,
                 .height = 21,
                 .items = {"Right", "Left"},
                 .itemIndex = 0,
                 .editable = false,
                 .onChange = "ComboBox2Change"},
                {.name = "ScrollBar1",
                 .kind = Kind::ScrollBar,
                 .left = 170,
                 .top = 40,
                 .width = 120,
                 .height = 17,
                 .min = 1,
                 .max = 300,
                 .position = 10,
                 .onChange = "ScrollBar1Change"},
                {.name = "UpDown1",
                 .kind = Kind::UpDown,
                 .left = 300,
                 .top = 40,
                 .width = 17,
                 .height = 25,
                 .min = -500,
                 .max = 500,
                 .onClick = "UpDown1Click"},
                {.name = "Edit1",
                 .kind = Kind::Edit,
                 .left = 170,
                 .top = 70,
                 .width = 100,
                 .height = 21,
                 .caption = "0,462",
                 .onChange = "Edit1Change"},
                {.name = "Button1",
                 .kind = Kind::Button,
                 .left = 8,
                 .top = 150,
                 .width = 75,
                 .height = 25,
                 .caption = "Compute!",
                 .onClick = "Button1Click"},
                {.name = "Button2",
                 .kind = Kind::Button,
                 .left = 90,
                 .top = 150,
                 .width = 75,
                 .height = 25,
                 .caption = "Other",
                 .onClick = "Button2Click"},
            },
    };
}

class ControlsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<TestForm>(ProbeForm(), [this](TestForm& f) {
            for (const char* name :
                 {"CheckBox1Click", "RadioGroup1Click", "ComboBox1Change", "ComboBox2Change",
                  "ScrollBar1Change", "Edit1Change", "Button1Click", "Button2Click"}) {
                f.Bind(name, [this, name](TObject*) {
                    ++runs[name];
                    if (actions[name]) actions[name]();
                });
            }
            f.Bind("UpDown1Click", [this](TObject*, TUDBtnType b) {
                ++runs["UpDown1Click"];
                lastArrow = b;
            });
        });
        form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Window()));
    }

    template <class T>
    T* Get(const char* name) {
        return form->Find<T>(name);
    }

    ScriptedServices scripted;
    std::unique_ptr<TestForm> form;
    std::map<std::string, int> runs;
    std::map<std::string, std::function<void()>> actions;
    TUDBtnType lastArrow = btPrev;
};

TEST_F(ControlsTest, CheckBoxFromCodeRunsClickOnceAndOnlyOnChange) {
    TCheckBox* box = Get<TCheckBox>("CheckBox1");
    box->SetChecked(true);
    EXPECT_EQ(runs["CheckBox1Click"], 1);
    box->SetChecked(true);
    EXPECT_EQ(runs["CheckBox1Click"], 1);
    box->SetChecked(false);
    EXPECT_EQ(runs["CheckBox1Click"], 2);
    EXPECT_FALSE(box->Checked());
}

TEST_F(ControlsTest, CheckBoxUserClickRunsClickOnce) {
    TCheckBox* box = Get<TCheckBox>("CheckBox1");
    QTest::mouseClick(box->Widget(), Qt::LeftButton, {}, QPoint(6, 10));
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(runs["CheckBox1Click"], 1);
}

TEST_F(ControlsTest, RadioGroupFromCodeRunsClickOnceAndOnlyOnChange) {
    TRadioGroup* group = Get<TRadioGroup>("RadioGroup1");
    EXPECT_EQ(group->ItemIndex(), 1);
    group->SetItemIndex(2);
    EXPECT_EQ(runs["RadioGroup1Click"], 1);
    group->SetItemIndex(2);
    EXPECT_EQ(runs["RadioGroup1Click"], 1);
    group->SetItemIndex(-1);
    EXPECT_EQ(runs["RadioGroup1Click"], 2);
    for (QRadioButton* b : group->Widget()->findChildren<QRadioButton*>())
        EXPECT_FALSE(b->isChecked());
}

TEST_F(ControlsTest, RadioGroupUserClickRunsClickOnlyOnChange) {
    TRadioGroup* group = Get<TRadioGroup>("RadioGroup1");
    const auto buttons = group->Widget()->findChildren<QRadioButton*>();
    ASSERT_EQ(buttons.size(), 3);
    QTest::mouseClick(buttons[0], Qt::LeftButton, {}, QPoint(6, buttons[0]->height() / 2));
    EXPECT_EQ(group->ItemIndex(), 0);
    EXPECT_EQ(runs["RadioGroup1Click"], 1);
    QTest::mouseClick(buttons[0], Qt::LeftButton, {}, QPoint(6, buttons[0]->height() / 2));
    EXPECT_EQ(runs["RadioGroup1Click"], 1);
    EXPECT_TRUE(buttons[0]->isChecked());
}

TEST_F(ControlsTest, ComboBoxFromCodeRunsNothing) {
    TComboBox* combo = Get<TComboBox>("ComboBox1");
    EXPECT_EQ(combo->ItemIndex(), -1);  // the description's text selects nothing
    EXPECT_EQ(combo->Text(), "G1");
    combo->SetItemIndex(2);
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), "G5");
    combo->SetText("custom");
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->Items().Clear();
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Items().Count(), 0);
    EXPECT_EQ(runs["ComboBox1Change"], 0);
}

TEST_F(ControlsTest, EditableComboBoxNeverInsertsTypedText) {
    TComboBox* combo = Get<TComboBox>("ComboBox1");
    QWidget* box = combo->Widget();
    box->setFocus();
    combo->SetText("");
    QTest::keyClicks(box, "G7");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(combo->Text(), "G7");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Items().Count(), 3);
    EXPECT_EQ(runs["ComboBox1Change"], 2);  // one per typed character
    // Typing an item's exact text selects nothing until the user picks it.
    combo->SetText("");
    QTest::keyClicks(box, "G5");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "G5");
}

TEST_F(ControlsTest, EditableComboBoxShowsTheStartOfALongText) {
    TComboBox* combo = Get<TComboBox>("ComboBox1");
    auto* box = static_cast<QComboBox*>(combo->Widget());
    QLineEdit* line = box->lineEdit();
    const std::string longText = "Function Selection of a very long name";
    combo->Items().Add(longText);
    combo->SetItemIndex(3);
    EXPECT_EQ(line->cursorPosition(), 0);
    combo->SetText(longText + " typed");
    EXPECT_EQ(line->cursorPosition(), 0);
    // A pick from the list: Qt selects the item, then reports it.
    combo->SetItemIndex(0);
    box->setCurrentIndex(3);
    emit box->activated(3);
    EXPECT_EQ(combo->ItemIndex(), 3);
    EXPECT_EQ(line->cursorPosition(), 0);
}

TEST_F(ControlsTest, ComboBoxUserPickSelectsAndRunsChange) {
    TComboBox* combo = Get<TComboBox>("ComboBox2");
    QTest::keyClick(combo->Widget(), Qt::Key_Down);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "Left");
    EXPECT_EQ(runs["ComboBox2Change"], 1);
}

TEST_F(ControlsTest, DropDownListTextSelectsTheMatchingItem) {
    TComboBox* combo = Get<TComboBox>("ComboBox2");
    combo->SetText("Left");
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->SetText("Up");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    EXPECT_EQ(runs["ComboBox2Change"], 0);
}

TEST_F(ControlsTest, ScrollBarPositionRunsChange) {
    TScrollBar* bar = Get<TScrollBar>("ScrollBar1");
    bar->SetPosition(20);
    EXPECT_EQ(runs["ScrollBar1Change"], 1);
    bar->SetPosition(20);
    EXPECT_EQ(runs["ScrollBar1Change"], 1);
    bar->SetPosition(1000);  // clamped to the range
    EXPECT_EQ(bar->Position(), 300);
    EXPECT_EQ(runs["ScrollBar1Change"], 2);
    static_cast<QScrollBar*>(bar->Widget())->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(bar->Position(), 299);
    EXPECT_EQ(runs["ScrollBar1Change"], 3);
}

TEST_F(ControlsTest, UpDownRunsClickOnArrowsOnly) {
    TUpDown* upDown = Get<TUpDown>("UpDown1");
    upDown->SetPosition(499);
    EXPECT_EQ(runs["UpDown1Click"], 0);
    auto* up = upDown->Widget()->findChild<QToolButton*>("up");
    auto* down = upDown->Widget()->findChild<QToolButton*>("down");
    ASSERT_TRUE(up && down);
    up->click();
    EXPECT_EQ(upDown->Position(), 500);
    EXPECT_EQ(lastArrow, btNext);
    up->click();  // stays at the limit
    EXPECT_EQ(upDown->Position(), 500);
    down->click();
    EXPECT_EQ(upDown->Position(), 499);
    EXPECT_EQ(lastArrow, btPrev);
    EXPECT_EQ(runs["UpDown1Click"], 3);
}

TEST_F(ControlsTest, EditChangeRunsOnEveryTextChange) {
    TEdit* edit = Get<TEdit>("Edit1");
    edit->SetText("1,5");
    EXPECT_EQ(runs["Edit1Change"], 1);
    edit->SetText("1,5");
    EXPECT_EQ(runs["Edit1Change"], 1);
    QTest::keyClicks(edit->Widget(), "7");
    EXPECT_EQ(runs["Edit1Change"], 2);
}

// An abort inside a handler called from another handler ends both; the next
// event runs normally.
TEST_F(ControlsTest, AbortInNestedHandlerEndsTheWholeEvent) {
    bool after = false;
    actions["CheckBox1Click"] = [] { Abort(); };
    actions["Button1Click"] = [&] {
        Get<TCheckBox>("CheckBox1")->SetChecked(true);
        after = true;
    };
    QTimer::singleShot(
        0, [&] { QTest::mouseClick(Get<TButton>("Button1")->Widget(), Qt::LeftButton); });
    QTimer::singleShot(
        0, [&] { QTest::mouseClick(Get<TButton>("Button2")->Widget(), Qt::LeftButton); });
    QEventLoop loop;
    QTimer::singleShot(50, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(runs["CheckBox1Click"], 1);
    EXPECT_FALSE(after);
    EXPECT_EQ(runs["Button2Click"], 1);
    EXPECT_TRUE(scripted.messages.empty());
}

TEST_F(ControlsTest, ConversionErrorShowsItsMessageAndEndsTheEvent) {
    bool after = false;
    actions["Button1Click"] = [&] {
        StrToFloat(Get<TEdit>("Edit1")->Text() + "x");
        after = true;
    };
    QTest::mouseClick(Get<TButton>("Button1")->Widget(), Qt::LeftButton);
    EXPECT_FALSE(after);
    ASSERT_EQ(scripted.messages.size(), 1u);
    EXPECT_EQ(scripted.messages[0], "'0,462x' is not a valid floating point value");
}

TEST_F(ControlsTest, OtherErrorsShowTheirTextAndEndTheEvent) {
    actions["Button1Click"] = [] { throw std::runtime_error("Disk full"); };
    QTest::mouseClick(Get<TButton>("Button1")->Widget(), Qt::LeftButton);
    ASSERT_EQ(scripted.messages.size(), 1u);
    EXPECT_EQ(scripted.messages[0], "Disk full");
}

TEST_F(ControlsTest, MemoLinesFollowTheOriginalCounting) {
    FormDescription d = {.name = "memo",
                         .controls = {{.name = "Memo1",
                                       .kind = Kind::Memo,
                                       .width = 200,
                                       .height = 100,
                                       .items = {" Computing Result:"}}}};
    TestForm memoForm(d);
    TStrings& lines = memoForm.Find<TMemo>("Memo1")->Lines();
    EXPECT_EQ(lines.Count(), 1);
    lines.Add("  ");
    lines.Add("");
    lines.Add("row");
    EXPECT_EQ(lines.Count(), 4);
    EXPECT_EQ(lines[1], "  ");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "row");
    lines.Clear();
    EXPECT_EQ(lines.Count(), 0);
    lines.Add("");
    EXPECT_EQ(lines.Count(), 1);

    // A block of lines lands exactly as the same lines added one by one.
    TestForm other(d);
    TStrings& single = other.Find<TMemo>("Memo1")->Lines();
    const std::vector<std::string> block = {"  ", "", "a row", "  "};
    for (const std::string& line : block) single.Add(line);
    lines.Clear();
    lines.Add(" Computing Result:");
    lines.AddLines(block);
    ASSERT_EQ(lines.Count(), single.Count());
    for (int i = 0; i < lines.Count(); ++i) EXPECT_EQ(lines[i], single[i]) << i;
}

// Calls a function whenever a widget is about to paint.
class PaintWatch : public QObject {
  public:
    PaintWatch(QWidget* widget, std::function<void()> onPaint) : onPaint_(std::move(onPaint)) {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) onPaint_();
        return false;
    }

  private:
    std::function<void()> onPaint_;
};

// Lines added to a shown pane are in it at once; once the window has handled
// its messages, the caret is at the end and the newest line in view, wherever
// the caret was, and only the lines in view are laid out, however many were
// added.
TEST_F(ControlsTest, MemoShowsTheNewestLineAndLaysOutOnlyWhatShows) {
    FormDescription d = {.name = "memo",
                         .clientWidth = 300,
                         .clientHeight = 200,
                         .controls = {{.name = "Memo1",
                                       .kind = Kind::Memo,
                                       .width = 280,
                                       .height = 150,
                                       .items = {" Computing Result:"},
                                       .readOnly = true}}};
    TestForm memoForm(d);
    memoForm.Show();
    TMemo* memo = memoForm.Find<TMemo>("Memo1");
    auto* edit = static_cast<QPlainTextEdit*>(memo->Widget());
    auto newestInView = [edit] {
        const QRect caret = edit->cursorRect();
        return edit->textCursor().atEnd() && edit->viewport()->rect().contains(caret) &&
               edit->verticalScrollBar()->value() == edit->verticalScrollBar()->maximum();
    };
    std::vector<std::string> table;
    for (int i = 0; i < 2000; ++i)
        table.push_back("  " + std::to_string(i) + "   -4.0   0.0   800");
    struct Step {
        const char* name;
        std::function<void()> add;
        int count;
    };
    const Step steps[] = {
        {"a block", [&] { memo->Lines().AddLines(table); }, 2001},
        {"a line after the caret was put at the start",
         [&] {
             edit->moveCursor(QTextCursor::Start);
             memo->Lines().Add("last");
         },
         2002},
        {"a block after a selection",
         [&] {
             edit->selectAll();
             memo->Lines().AddLines(table);
         },
         4002},
        {"lines added, cleared and added again in one go",
         [&] {
             memo->Lines().AddLines(table);
             memo->Lines().Clear();
             memo->Lines().AddLines(table);
             memo->Lines().Add("last");
         },
         2001},
        {"lines added, then the whole text set",
         [&] {
             memo->Lines().AddLines(table);
             memo->SetText("one\ntwo");
             memo->Lines().AddLines(table);
         },
         2002},
    };
    // The view catches up before the window paints: no paint shows the
    // lines from an old place.
    int paints = 0;
    int stalePaints = 0;
    PaintWatch watch(edit->viewport(), [&] {
        ++paints;
        stalePaints += edit->verticalScrollBar()->value() != edit->verticalScrollBar()->maximum();
    });
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.add();
        EXPECT_EQ(memo->Lines().Count(), step.count);
        QCoreApplication::processEvents();
        EXPECT_TRUE(newestInView());
        EXPECT_FALSE(edit->textCursor().hasSelection());
        int laidOut = 0;
        for (QTextBlock b = edit->document()->begin(); b.isValid(); b = b.next())
            laidOut += b.layout()->lineCount() > 0;
        EXPECT_LT(laidOut, 100);
    }
    EXPECT_EQ(memo->Lines()[memo->Lines().Count() - 1], table.back());
    EXPECT_GT(paints, 0);
    EXPECT_EQ(stalePaints, 0);
    // The pane, as every control, sets its text glyph by glyph, without
    // kerning: the same letters in another order take the same width.
    QFont font = edit->font();
    font.setPixelSize(32);
    const QFontMetrics metrics(font);
    EXPECT_EQ(metrics.horizontalAdvance("AVAVAVAVTaTaTa"),
              metrics.horizontalAdvance("AAAATTTVVVVaaa"));
}

TEST_F(ControlsTest, StringGridCellsAndMouseToCell) {
    FormDescription d = {.name = "grid",
                         .controls = {{.name = "StringGrid1",
                                       .kind = Kind::StringGrid,
                                       .width = 300,
                                       .height = 150,
                                       .colCount = 4,
                                       .rowCount = 5,
                                       .defaultRowHeight = 18,
                                       .colWidths = {40, 69, 38, 46}}}};
    TestForm gridForm(d);
    TStringGrid* grid = gridForm.Find<TStringGrid>("StringGrid1");
    grid->Cells[3][2] = "vari.";
    EXPECT_TRUE(grid->Cells[3][2] == "vari.");
    EXPECT_EQ(grid->Cell(3, 2), "vari.");
    EXPECT_EQ(grid->Cell(1, 1), "");
    grid->SetRowCount(8);
    EXPECT_EQ(grid->RowCount(), 8);
    EXPECT_EQ(grid->Cell(3, 2), "vari.");
    int col = 0, row = 0;
    EXPECT_TRUE(grid->MouseToCell(40 + 69 + 5, 18 * 2 + 5, col, row));
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 2);
    EXPECT_FALSE(grid->MouseToCell(290, 140, col, row));
    EXPECT_EQ(col, -1);
}

// The plot component's zoom relies on this order around a double click.
TEST(ImageMouse, DoubleClickReportsDoubleThenPressAsTheOriginal) {
    FormDescription d = {.name = "graph",
                         .controls = {{.name = "Graf0",
                                       .kind = Kind::Image,
                                       .width = 200,
                                       .height = 150,
                                       .onDblClick = "Graf0DblClick",
                                       .onMouseDown = "Graf0MouseDown",
                                       .onMouseMove = "Graf0MouseMove",
                                       .onMouseUp = "Graf0MouseUp"}}};
    std::vector<std::string> log;
    TestForm form(d, [&](TestForm& f) {
        f.Bind("Graf0DblClick", [&](TObject*) { log.push_back("double"); });
        f.Bind("Graf0MouseDown", [&](TObject*, TMouseButton b, TShiftState s, int x, int y) {
            log.push_back("down " + std::to_string(b) + (s & ssDouble ? " double" : "") + " " +
                          std::to_string(x) + "," + std::to_string(y));
        });
        f.Bind("Graf0MouseMove", [&](TObject*, TShiftState, int x, int y) {
            log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
        });
        f.Bind("Graf0MouseUp",
               [&](TObject*, TMouseButton, TShiftState, int, int) { log.push_back("up"); });
    });
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Window()));
    QWidget* image = form.Find<TImage>("Graf0")->Widget();
    QTest::mouseMove(image, QPoint(30, 40));
    log.clear();
    // Qt's own sequence: press, release, double click in place of the second press, release.
    const QPoint at(30, 40);
    QTest::mousePress(image, Qt::RightButton, {}, at);
    QTest::mouseRelease(image, Qt::RightButton, {}, at);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, image->mapToGlobal(at), Qt::RightButton,
                    Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(image, &dbl);
    QTest::mouseRelease(image, Qt::RightButton, {}, at);
    const std::vector<std::string> expected = {"down 1 30,40", "up", "double",
                                               "down 1 double 30,40", "up"};
    EXPECT_EQ(log, expected);
}

TEST(RadioButton, CheckingFromCodeRunsClickOnlyForTheCheckedOne) {
    FormDescription d = {.name = "radios",
                         .controls = {{.name = "RadioButton1",
                                       .kind = Kind::RadioButton,
                                       .width = 100,
                                       .height = 20,
                                       .caption = "Horizontal",
                                       .onClick = "RadioButton1Click"},
                                      {.name = "RadioButton2",
                                       .kind = Kind::RadioButton,
                                       .top = 30,
                                       .width = 100,
                                       .height = 20,
                                       .caption = "Slant",
                                       .checked = true,
                                       .onClick = "RadioButton2Click"}}};
    int first = 0, second = 0;
    TestForm form(d, [&](TestForm& f) {
        f.Bind("RadioButton1Click", [&](TObject*) { ++first; });
        f.Bind("RadioButton2Click", [&](TObject*) { ++second; });
    });
    TRadioButton* one = form.Find<TRadioButton>("RadioButton1");
    TRadioButton* two = form.Find<TRadioButton>("RadioButton2");
    one->SetChecked(true);
    EXPECT_TRUE(one->Checked());
    EXPECT_FALSE(two->Checked());
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);
    one->SetChecked(true);
    one->SetChecked(false);
    EXPECT_EQ(first, 1);
    EXPECT_FALSE(one->Checked());
    static_cast<QAbstractButton*>(two->Widget())->click();
    EXPECT_EQ(second, 1);
}

// A label that sizes itself takes the width the room check measures for its
// text, whatever the text ends or starts with, so a figure found to fit is
// drawn in exactly that width.
TEST(LabelWidth, ASelfSizingLabelTakesTheWidthItsTextIsMeasuredAt) {
    FormDescription d{.name = "widths"};
    d.controls.push_back({.name = "Label1", .left = 10, .top = 10, .caption = "x"});
    d.controls.push_back({.name = "Label2",
                          .left = 10,
                          .top = 40,
                          .caption = "x",
                          .font = FontSpec{.height = 19, .bold = true}});
    TestForm form(d);
    for (const char* name : {"Label1", "Label2"}) {
        TLabel* label = form.Find<TLabel>(name);
        for (const char* text :
             {"0", "-500", "12.5  ", "  7", "fj", "Ballistic Coefficient:", "a\tb", "Step:\n1 m"}) {
            const TLabel::Span span = label->SpanFor(text);
            label->SetText(text);
            EXPECT_EQ(label->Left(), span.left) << name << " \"" << text << "\"";
            EXPECT_EQ(label->Width(), span.width) << name << " \"" << text << "\"";
            EXPECT_GE(label->Height(), QFontMetrics(label->Widget()->font()).height()) << name;
        }
    }
}

}  // namespace
