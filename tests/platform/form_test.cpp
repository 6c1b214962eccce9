// Windows built from descriptions: controls found by name, the mechanical
// checks, layout behaviour and window events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBackingStore>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <optional>

#include "forms/zakladni_form.h"
#include "platform/base.h"
#include "platform/testing/scripted_services.h"
#include "tests/platform/test_form.h"

namespace {

FormDescription SmallForm() {
    return {
        .name = "small",
        .caption = "Small",
        .clientWidth = 300,
        .clientHeight = 200,
        .border = BorderStyle::Sizeable,
        .onCreate = "FormCreate",
        .onResize = "FormResize",
        .controls =
            {
                {.name = "Bevel1",
                 .kind = Kind::Bevel,
                 .width = 300,
                 .height = 2,
                 .shape = bsTopLine},
                {.name = "Graf1",
                 .kind = Kind::Image,
                 .left = 10,
                 .top = 10,
                 .width = 200,
                 .height = 150,
                 .anchors = akLeft | akTop | akRight | akBottom,
                 .onMouseDown = "Graf1MouseDown"},
                {.name = "Panel1",
                 .kind = Kind::Panel,
                 .left = 220,
                 .top = 10,
                 .width = 70,
                 .height = 100},
                {.name = "Button1",
                 .kind = Kind::Button,
                 .parent = "Panel1",
                 .left = 5,
                 .top = 5,
                 .width = 60,
                 .height = 25,
                 .caption = "Go",
                 .isDefault = true,
                 .onClick = "Button1Click"},
                {.name = "Label1",
                 .kind = Kind::Label,
                 .left = 10,
                 .top = 170,
                 .width = 100,
                 .height = 16,
                 .caption = "X:",
                 .alignment = taRightJustify},
                {.name = "Button2",
                 .kind = Kind::Button,
                 .left = 220,
                 .top = 165,
                 .width = 70,
                 .height = 25,
                 .caption = "Close",
                 .anchors = akRight | akBottom},
                {.name = "PageControl1",
                 .kind = Kind::PageControl,
                 .left = 10,
                 .top = 300,
                 .width = 100,
                 .height = 60},
                {.name = "TabSheet1",
                 .kind = Kind::TabSheet,
                 .parent = "PageControl1",
                 .caption = "Parameters"},
                {.name = "TabSheet2",
                 .kind = Kind::TabSheet,
                 .parent = "PageControl1",
                 .caption = "Drag"},
                {.name = "Edit1",
                 .kind = Kind::Edit,
                 .parent = "TabSheet2",
                 .width = 50,
                 .height = 21,
                 .caption = "0,5",
                 .tabStop = false},
                {.name = "SaveDialog1",
                 .kind = Kind::SaveDialog,
                 .filter = "Picture  (*.bmp)|*.bmp",
                 .defaultExt = "bmp",
                 .fileName = "Vantorra.bmp",
                 .overwritePrompt = true},
            },
    };
}

TestForm::Binder BindSmall(int* created = nullptr, int* resized = nullptr) {
    return [created, resized](TestForm& f) {
        f.Bind("FormCreate", [created](TObject*) {
            if (created) ++*created;
        });
        f.Bind("FormResize", [resized](TObject*) {
            if (resized) ++*resized;
        });
        f.Bind("Graf1MouseDown", [](TObject*, TMouseButton, TShiftState, int, int) {});
        f.Bind("Button1Click", [](TObject*) {});
    };
}

TEST(FormBuild, ControlsComeFromTheDescription) {
    int created = 0;
    TestForm form(SmallForm(), BindSmall(&created));
    EXPECT_EQ(created, 1);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Window()));
    EXPECT_EQ(form.Caption(), "Small");
    EXPECT_EQ(form.ClientWidth(), 300);
    EXPECT_EQ(form.ClientHeight(), 200);

    TButton* button = form.Find<TButton>("Button1");
    EXPECT_EQ(button->Caption(), "Go");
    EXPECT_TRUE(button->Default());
    EXPECT_EQ(button->Parent(), form.Find<TPanel>("Panel1"));
    EXPECT_EQ(button->Widget()->parentWidget(), form.Find<TPanel>("Panel1")->Widget());
    EXPECT_EQ(button->Left(), 5);
    EXPECT_TRUE(button->Widget()->isVisible());

    auto* label = static_cast<QLabel*>(form.Find<TLabel>("Label1")->Widget());
    EXPECT_TRUE(label->alignment() & Qt::AlignRight);

    auto* tabs = static_cast<QTabWidget*>(form.Find<TPageControl>("PageControl1")->Widget());
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1), "Drag");
    EXPECT_EQ(form.Find<TEdit>("Edit1")->Parent(), form.Find<TTabSheet>("TabSheet2"));
    EXPECT_EQ(form.Find<TEdit>("Edit1")->Widget()->focusPolicy(), Qt::ClickFocus);

    TSaveDialog* dialog = form.Find<TSaveDialog>("SaveDialog1");
    EXPECT_EQ(dialog->FileName, "Vantorra.bmp");
    EXPECT_TRUE(dialog->OverwritePrompt);
}

// The plot component finds its image by the index among the form's own children.
TEST(FormBuild, DirectChildrenKeepDescriptionOrder) {
    TestForm form(SmallForm(), BindSmall());
    ASSERT_EQ(form.ControlCount(), 6);  // Button1, tab sheets, Edit1 and the dialog lie elsewhere
    EXPECT_EQ(form.Controls(0)->Name(), "Bevel1");
    EXPECT_EQ(form.ControlIndex(form.Find<TImage>("Graf1")), 1);
    EXPECT_EQ(form.ControlIndex(form.Find<TButton>("Button1")), -1);
}

TEST(FormBuild, AnchorsFollowTheWindowSize) {
    int resized = 0;
    TestForm form(SmallForm(), BindSmall(nullptr, &resized));
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Window()));
    const int resizedBefore = resized;
    form.Window()->resize(form.Window()->width() + 40, form.Window()->height() + 30);
    QApplication::processEvents();
    ASSERT_EQ(form.ClientWidth(), 340);
    TImage* graph = form.Find<TImage>("Graf1");
    EXPECT_EQ(graph->Left(), 10);
    EXPECT_EQ(graph->Width(), 240);
    EXPECT_EQ(graph->Height(), 180);
    TButton* close = form.Find<TButton>("Button2");
    EXPECT_EQ(close->Left(), 260);
    EXPECT_EQ(close->Top(), 195);
    EXPECT_EQ(close->Width(), 70);
    EXPECT_GT(resized, resizedBefore);
}

TEST(FormBuild, StartWindowDescription) {
    TestForm form(ZakladniForm(), [](TestForm& f) {
        f.Bind("Button1Click", [](TObject*) {});
        f.Bind("Button2Click", [](TObject*) {});
    });
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Window()));
    EXPECT_EQ(form.Caption(), "Vantorra - Melvask 2018");
    EXPECT_EQ(form.ClientWidth(), 481);
    EXPECT_EQ(form.ClientHeight(), 177);
    EXPECT_EQ(form.Find<TLabel>("Label1")->Caption(), "Vantorra");
    const TFont title = form.Find<TLabel>("Label1")->Font();
    EXPECT_EQ(title.Height, 19);
    EXPECT_TRUE(title.Bold);
    EXPECT_EQ(form.Find<TLabel>("Label3")->Caption(), "Version 2.6");
    EXPECT_EQ(form.Find<TButton>("Button1")->Caption(), "Start");
    EXPECT_EQ(form.Find<TButton>("Button2")->Width(), 181);
}

// Each row breaks the description or the class in one way.
struct BrokenCase {
    const char* name;
    std::function<void(FormDescription&)> breakDescription;
    TestForm::Binder bind;
    const char* expected;  // part of the message
};

TEST(FormChecks, MismatchesFailLoudly) {
    const BrokenCase cases[] = {
        {"duplicate name",
         [](FormDescription& d) { d.controls.push_back({.name = "Panel1", .kind = Kind::Panel}); },
         BindSmall(), "duplicate name 'Panel1'"},
        {"unknown parent", [](FormDescription& d) { d.controls[3].parent = "Panel9"; }, BindSmall(),
         "unknown parent 'Panel9'"},
        {"parent declared later", [](FormDescription& d) { d.controls[0].parent = "Panel1"; },
         BindSmall(), "unknown parent 'Panel1'"},
        {"unbound handler", [](FormDescription&) {},
         [](TestForm& f) {
             f.Bind("FormCreate", [](TObject*) {});
             f.Bind("FormResize", [](TObject*) {});
             f.Bind("Graf1MouseDown", [](TObject*, TMouseButton, TShiftState, int, int) {});
         },
         "'Button1Click', which the window class did not bind"},
        {"handler of the wrong signature", [](FormDescription&) {},
         [](TestForm& f) {
             f.Bind("FormCreate", [](TObject*) {});
             f.Bind("FormResize", [](TObject*) {});
             f.Bind("Graf1MouseDown", [](TObject*) {});
             f.Bind("Button1Click", [](TObject*) {});
         },
         "'Graf1MouseDown', which the window class did not bind"},
        {"binding no event names", [](FormDescription&) {},
         [](TestForm& f) {
             BindSmall()(f);
             f.Bind("Button9Click", [](TObject*) {});
         },
         "'Button9Click' is bound but named by no event"},
        {"property the kind lacks", [](FormDescription& d) { d.controls[2].items = {"x"}; },
         BindSmall(), "Panel1 (Panel) has no property items"},
        {"event the kind lacks", [](FormDescription& d) { d.controls[1].onChange = "X"; },
         BindSmall(), "Graf1 (Image) has no property onChange"},
        {"control inside a button",
         [](FormDescription& d) {
             d.controls.push_back({.name = "Label9", .kind = Kind::Label, .parent = "Button1"});
         },
         BindSmall(), "cannot lie in Button1"},
        {"tab sheet outside a page control",
         [](FormDescription& d) { d.controls[7].parent = "Panel1"; }, BindSmall(),
         "must lie in a page control"},
    };
    for (const BrokenCase& c : cases) {
        FormDescription d = SmallForm();
        c.breakDescription(d);
        try {
            TestForm form(d, c.bind);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const FormDescriptionError& e) {
            EXPECT_NE(std::string(e.what()).find(c.expected), std::string::npos)
                << c.name << ": " << e.what();
        }
    }
    EXPECT_EQ(MainForm(), nullptr);  // a failed build leaves no main form behind
}

TEST(FormChecks, LookupOfMissingNameOrOtherKindFails) {
    TestForm form(SmallForm(), BindSmall());
    EXPECT_THROW(form.Find<TEdit>("Edit9"), FormDescriptionError);
    EXPECT_THROW(form.Find<TEdit>("Button1"), FormDescriptionError);
    EXPECT_NO_THROW(form.Find<TButton>("Button1"));
    EXPECT_NO_THROW(form.Find<TControl>("Button1"));
}

TEST(FormEvents, AbortInFormCreateEndsOnlyTheHandler) {
    ScriptedServices scripted;
    bool after = false;
    TestForm form(SmallForm(), [&](TestForm& f) {
        f.Bind("FormCreate", [&](TObject*) {
            ShowMessage("Wrong data format.");
            Abort();
            after = true;
        });
        f.Bind("FormResize", [](TObject*) {});
        f.Bind("Graf1MouseDown", [](TObject*, TMouseButton, TShiftState, int, int) {});
        f.Bind("Button1Click", [](TObject*) {});
    });
    EXPECT_FALSE(after);
    EXPECT_EQ(scripted.messages, std::vector<std::string>{"Wrong data format."});
    EXPECT_NO_THROW(form.Find<TButton>("Button1"));
}

TEST(FormEvents, ActivateRunsWhenAnotherOfOurWindowsWasActive) {
    const auto make = [](const char* name, int* count) {
        FormDescription d = {.name = name, .onActivate = "FormActivate"};
        return std::make_unique<TestForm>(
            d, [count](TestForm& f) { f.Bind("FormActivate", [count](TObject*) { ++*count; }); });
    };
    int first = 0, second = 0;
    auto a = make("a", &first);
    auto b = make("b", &second);
    for (TForm* f : {static_cast<TForm*>(a.get()), static_cast<TForm*>(b.get())}) {
        f->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f->Window()));
    }
    QApplication::setActiveWindow(a->Window());
    QApplication::setActiveWindow(b->Window());
    QApplication::setActiveWindow(a->Window());
    const int firstBefore = first;
    // Coming back to the same window (as from another application) is no new activation.
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(a->Window());
    EXPECT_EQ(first, firstBefore);
    EXPECT_GE(first, 2);
    EXPECT_GE(second, 1);
}

TEST(FormEvents, ShowModalGoesThroughTheServices) {
    ScriptedServices scripted;
    TestForm form(SmallForm(), BindSmall());
    scripted.onShowModal = [](TForm& f) { f.Find<TEdit>("Edit1")->SetText("7"); };
    form.ShowModal();
    ASSERT_EQ(scripted.modalForms.size(), 1u);
    EXPECT_EQ(scripted.modalForms[0], &form);
    EXPECT_EQ(form.Find<TEdit>("Edit1")->Text(), "7");
}

TEST(FormEvents, FormCanvasDrawsOverControlsUntilRepaint) {
    TestForm form(SmallForm(), BindSmall());
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Window()));
    TCanvas* canvas = form.Canvas();
    canvas->Pen.Color = clRed;
    canvas->MoveTo(20, 50);
    canvas->LineTo(100, 50);
    const QImage drawn = form.Window()->grab().toImage();
    const int menu = form.Window()->height() - form.ClientHeight();
    EXPECT_EQ(QColor(drawn.pixel(60, 50 + menu)), QColor(Qt::red));
    form.Repaint();
    const QImage cleared = form.Window()->grab().toImage();
    EXPECT_NE(QColor(cleared.pixel(60, 50 + menu)), QColor(Qt::red));
}

}  // namespace

// A label put on the screen by itself in the middle of an action must look as
// the toolkit's own paint of it would, and must leave the rest of the window
// as it was on the screen: a pending repaint elsewhere stays pending.
TEST(FormPaint, LabelPaintedAloneLooksAsTheToolkitPaintsIt) {
    struct Row {
        const char* name;
        TAlignment alignment;
        std::optional<TColor> color;
        FontSpec font;
    };
    const Row rows[] = {
        {"centred, coloured, bold", taCenter, clYellow, {.height = 16, .bold = true}},
        {"right, coloured", taRightJustify, clAqua, {}},
        {"left, coloured, large", taLeftJustify, clWhite, {.height = 20}}};
    for (const Row& r : rows) {
        FormDescription d{
            .name = "paint", .caption = "Paint", .clientWidth = 300, .clientHeight = 120};
        d.controls.push_back({.name = "Label1",
                              .kind = Kind::Label,
                              .left = 20,
                              .top = 30,
                              .width = 250,
                              .height = 24,
                              .caption = "  Processing  ",
                              .font = r.font,
                              .alignment = r.alignment,
                              .color = r.color});
        d.controls.push_back({.name = "Label2",
                              .kind = Kind::Label,
                              .left = 20,
                              .top = 80,
                              .width = 100,
                              .height = 16,
                              .caption = "Other"});
        TestForm form(d);
        form.Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Window()));
        QApplication::processEvents();
        TLabel* label = form.Find<TLabel>("Label1");
        QWidget* window = label->Widget()->window();
        auto* screen = dynamic_cast<QImage*>(window->backingStore()->paintDevice());
        ASSERT_NE(screen, nullptr) << r.name;
        const QRect labelArea(label->Widget()->mapTo(window, QPoint()), label->Widget()->size());
        const QImage toolkit = screen->copy(labelArea);

        screen->fill(Qt::magenta);
        form.Find<TLabel>("Label2")->SetText("Changed");
        ASSERT_TRUE(label->PaintNow()) << r.name;
        EXPECT_EQ(screen->copy(labelArea), toolkit) << r.name;
        EXPECT_EQ(screen->pixelColor(0, 0), QColor(Qt::magenta)) << r.name;
        EXPECT_EQ(screen->pixelColor(25, 85), QColor(Qt::magenta)) << r.name;
        form.Hide();
    }
}
