// What a user meets in any window: the message box stands over the window
// whose button raised it, Enter presses the focused button or else only the
// default one, labels and open lists show their whole text.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "forms/form_rows.h"
#include "platform/base.h"
#include "platform/qtservices.h"
#include "tests/platform/test_form.h"

namespace {

// An edit, a plain button first and the default button second (in the
// calculator only), a right-aligned 50 px figure and a narrow drop-down list.
FormDescription MannersForm(const std::string& name) {
    using namespace form_rows;
    Row compute = Button("Button2", "", 180, 8, 75, 25, "Compute!").OnClick("Button2Click");
    if (name == "calculator") compute.Default();
    return {.name = name,
            .controls = {
                Edit("Edit1", "", 8, 8, 80, "1"),
                Button("Button1", "", 100, 8, 75, 25, "Convert").OnClick("Button1Click"), compute,
                Make(Kind::Label, "Label1", "", 100, 50, 50, 14, "0").Align(taRightJustify),
                Combo("ComboBox1", "", 8, 80, 60, "", {"MilDot", "Vortex EBR-1 MRAD (1/2Mil)"})}};
}

class WindowManners : public ::testing::Test {
  protected:
    std::unique_ptr<TestForm> Make(const std::string& name) {
        auto form = std::make_unique<TestForm>(MannersForm(name), [this, name](TestForm& f) {
            f.Bind("Button1Click",
                   [this, name](TObject*) { pressed.push_back(name + ".Button1"); });
            f.Bind("Button2Click", [this, name](TObject*) {
                pressed.push_back(name + ".Button2");
                if (raise) ShowMessage("Result too large.");
            });
        });
        form->Show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form->Window()));
        return form;
    }
    QPushButton* Button(TestForm& f, const char* name) {
        return static_cast<QPushButton*>(f.Find<TButton>(name)->Widget());
    }

    std::vector<std::string> pressed;
    bool raise = false;
};

TEST_F(WindowManners, MessageStandsOverTheWindowWhoseButtonRaisedIt) {
    auto calculator = Make("calculator");
    auto tool = Make("tool");
    // The calculator is the modal window, as it is in the program; the tool
    // window beside it raises the message.
    calculator->Window()->setWindowModality(Qt::ApplicationModal);
    calculator->Window()->hide();
    calculator->Window()->show();
    ASSERT_EQ(QApplication::activeModalWidget(), calculator->Window());
    QtServices qt;
    Services* previous = setServices(&qt);
    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible()) continue;
            owner = box->parentWidget();
            box->accept();
        }
    });
    raise = true;
    Button(*tool, "Button2")->click();
    setServices(previous);
    EXPECT_EQ(owner, tool->Window());
    calculator->Window()->setWindowModality(Qt::NonModal);
}

TEST_F(WindowManners, EnterPressesTheFocusedButtonElseOnlyTheDefaultOne) {
    auto calculator = Make("calculator");
    auto tool = Make("tool");
    // Where the focus is, and what Enter then presses in each window: the
    // tool window has no default button, so Enter in its edit presses nothing.
    struct Row {
        const char* focus;
        std::vector<std::string> pressed;
    };
    const Row rows[] = {
        {"Edit1", {"calculator.Button2"}},
        {"Button1", {"tool.Button1", "calculator.Button1"}},
        {"Button2", {"tool.Button2", "calculator.Button2"}},
        // Back from a button to the edit.
        {"Edit1", {"calculator.Button2"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.focus);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            pressed.clear();
            for (TestForm* form : {tool.get(), calculator.get()}) {
                form->Window()->activateWindow();
                QWidget* focus = static_cast<TControl*>(form->FindComponent(row.focus))->Widget();
                focus->setFocus();
                QTest::keyClick(focus, key);
            }
            EXPECT_EQ(pressed, row.pressed);
        }
    }
    // Tab from the edit to the first button, then Enter.
    pressed.clear();
    QWidget* edit = tool->Find<TEdit>("Edit1")->Widget();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab);
    ASSERT_EQ(tool->Window()->focusWidget(), Button(*tool, "Button1"));
    QTest::keyClick(tool->Window()->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(pressed, std::vector<std::string>{"tool.Button1"});
}

TEST_F(WindowManners, WholeTextShows) {
    auto tool = Make("tool");
    // A figure wider than its label grows to the left, its right edge staying
    // by its unit, and goes back once a short figure fits again.
    TLabel* figure = tool->Find<TLabel>("Label1");
    auto* label = static_cast<QLabel*>(figure->Widget());
    figure->SetText("1591550775.2");
    EXPECT_GE(label->width(), label->sizeHint().width());
    EXPECT_EQ(label->x() + label->width(), 150);
    figure->SetText("12");
    EXPECT_EQ(label->geometry(), QRect(100, 50, 50, 14));

    // The open list of a narrow drop-down is as wide as its longest item.
    auto* combo = static_cast<QComboBox*>(tool->Find<TComboBox>("ComboBox1")->Widget());
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    EXPECT_GT(list->width(), list->fontMetrics().horizontalAdvance(combo->itemText(1)));
    combo->hidePopup();
}

}  // namespace
