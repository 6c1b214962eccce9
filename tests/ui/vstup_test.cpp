// The calculator window: its start-up defaults in both notations, the states
// the description must keep, the drag-function choice, resizing and drawing,
// and its tab strips and radio groups as a user sees them at the design size.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLocale>
#include <QPixmap>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QWidget>
#include <memory>
#include <set>
#include <string>

#include "engine/dragtables.h"
#include "engine/state.h"
#include "platform/sysutils.h"
#include "platform/testing/scripted_services.h"
#include "ui/Vstup1.h"

namespace {

// "G1" and "G7" at 1700 m/s, the top entry of the active table.
constexpr double G1At1700 = 0.4988;
// Table entries are copied, not recomputed, between the checks.
constexpr double SameEntry = 1e-12;
// 15 °C and 977.9 hPa in SI, as the set-up converts them.
constexpr double StartAirTemperature = 288.15;  // K
constexpr double StartAirPressure = 97790.0;    // Pa
constexpr double SiConversion = 1e-9;
constexpr int GraphSlot = 2;

class CalculatorWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        ResetEngineState();
        window_ = std::make_unique<Tvstup>();
    }
    void TearDown() override {
        window_.reset();
        QLocale::setDefault(QLocale::c());
    }
    Tvstup& W() { return *window_; }
    void Choose(int item) {
        W().ComboBox6->SetItemIndex(item);
        W().ComboBox6Change(W().ComboBox6);
    }
    // The user's pick runs the handler the description binds.
    void Pick(int item) { W().ComboBox6->UserPicked(item); }

    ScriptedServices services_;
    std::unique_ptr<Tvstup> window_;
};

TEST_F(CalculatorWindow, StartsWithTheDefaultsOfStartUp) {
    EXPECT_EQ(W().Edit1->Text(), "0.462");
    EXPECT_EQ(W().Edit3->Text(), "7.85");
    EXPECT_EQ(W().Edit8->Text(), "977.9");
    EXPECT_EQ(W().Edit12->Text(), "30.5");
    EXPECT_EQ(W().Edit40->Text(), "0");
    EXPECT_EQ(W().ComboBox6->ItemIndex(), 1);
    EXPECT_EQ(W().ComboBox6->Text(), "G1");
    EXPECT_NEAR(Engine().ActiveDragTable[MaxDragSpeed], G1At1700, SameEntry);
    EXPECT_TRUE(W().Button7->Enabled());
    EXPECT_DOUBLE_EQ(Engine().Settings.IntegrationStep, 0.0005);
    EXPECT_EQ(W().ScrollBar1->Position(), 10);
    EXPECT_EQ(W().Label50->Caption(), "1");
    EXPECT_TRUE(W().CheckBox8->Checked());
    EXPECT_TRUE(services_.messages.empty());
}

TEST_F(CalculatorWindow, StartsWithTheAirOfItsFields) {
    EXPECT_NEAR(Engine().Input.AirTemperature, StartAirTemperature, SiConversion);
    EXPECT_NEAR(Engine().Input.AirPressure, StartAirPressure, SiConversion);
}

TEST_F(CalculatorWindow, CommaLocaleWritesTheDefaultsWithCommas) {
    window_.reset();
    QLocale::setDefault(QLocale(QLocale::German));
    window_ = std::make_unique<Tvstup>();
    EXPECT_EQ(W().Edit1->Text(), "0,462");
    EXPECT_EQ(W().Edit3->Text(), "7,85");
    EXPECT_EQ(W().Edit8->Text(), "977,9");
    EXPECT_EQ(W().Edit58->Text(), "9,81");
    EXPECT_NEAR(Engine().Input.AirPressure, StartAirPressure, SiConversion);
}

TEST_F(CalculatorWindow, DialogsStartInTheProgramFolder) {
    const std::string folder = ExtractFilePath(ExeName());
    ASSERT_FALSE(folder.empty());
    for (TOpenDialog* dialog : {W().OpenDialog1, W().OpenDialog2}) {
        EXPECT_EQ(dialog->InitialDir, folder) << dialog->Name();
    }
    for (TSaveDialog* dialog : {W().SaveDialog1, W().SaveDialog2, W().SaveDialog3}) {
        EXPECT_EQ(dialog->InitialDir, folder) << dialog->Name();
        EXPECT_TRUE(dialog->OverwritePrompt) << dialog->Name();
    }
    EXPECT_EQ(W().SaveDialog2->FileName, "Vantorra.bmp");
    EXPECT_EQ(W().OpenDialog2->Filter, "Drag Function  (*.drg)|*.drg");
}

TEST_F(CalculatorWindow, HiddenControlsStayHiddenWhenShown) {
    W().Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(W().Window()));
    const std::initializer_list<TControl*> hidden = {W().CheckBox12, W().Button17, W().Button18,
                                                     W().Label49,    W().Edit6,    W().Edit63,
                                                     W().Label1,     W().Image1,   W().Image2};
    for (TControl* control : hidden) {
        EXPECT_FALSE(control->Visible()) << control->Name();
        EXPECT_FALSE(control->Widget()->isVisible()) << control->Name();
    }
    EXPECT_FALSE(W().Button17->Enabled());
    EXPECT_FALSE(W().Button18->Enabled());
    W().Hide();
}

// States that a change of the description or the form library could lose
// without any build error: texts with significant blanks, lists showing a
// text with no item selected, and what Compute! enables later.
TEST_F(CalculatorWindow, KeepsTheStatesOfItsDescription) {
    EXPECT_EQ(W().ControlIndex(W().Graf0), GraphSlot);
    EXPECT_EQ(W().RadioGroup5->Items()[0], "Form Factor ");
    EXPECT_EQ(W().ComboBox1->Items()[2], "   10  ");
    EXPECT_EQ(W().Pevodykoeficient1->Caption(), "Drag Function Conversion ");
    EXPECT_EQ(W().Label49->Caption(), std::string(23, ' ') + "Processing" + std::string(23, ' '));
    EXPECT_EQ(W().Memo1->Lines().Count(), 1);
    EXPECT_EQ(W().Memo1->Lines()[0], " Computing Result:");

    struct TextOnly {
        TComboBox* box;
        const char* text;
    };
    for (const TextOnly& row :
         {TextOnly{W().ComboBox1, "  25"}, TextOnly{W().ComboBox4, "Method Selection"}}) {
        EXPECT_EQ(row.box->ItemIndex(), -1) << row.box->Name();
        EXPECT_EQ(row.box->Text(), row.text) << row.box->Name();
    }
    EXPECT_EQ(W().ComboBox5->ItemIndex(), 0);
    EXPECT_EQ(W().ComboBox2->ItemIndex(), 2);
    EXPECT_EQ(W().RadioGroup3->ItemIndex(), 1);
    EXPECT_EQ(W().RadioGroup2->ItemIndex(), 1);

    const std::initializer_list<TControl*> disabled = {
        W().RadioGroup1, W().CheckBox1, W().CheckBox2, W().BitBtn1, W().BitBtn2,
        W().Button5,     W().Button20,  W().Edit8,     W().Edit15};
    for (TControl* control : disabled) {
        EXPECT_FALSE(control->Enabled()) << control->Name();
    }
    EXPECT_TRUE(W().Button3->Default());
    EXPECT_FALSE(W().Button1->Default());
}

TEST_F(CalculatorWindow, DragChoiceFollowsTheItem) {
    Pick(5);  // "G7"
    const double g7 = Engine().ActiveDragTable[MaxDragSpeed];
    EXPECT_NE(g7, G1At1700);
    EXPECT_TRUE(W().Button7->Enabled());

    Choose(FileFunctionItem);
    EXPECT_FALSE(W().Button7->Enabled());
    EXPECT_EQ(Engine().ActiveDragTable[MaxDragSpeed], g7);
    EXPECT_TRUE(services_.messages.empty());
}

TEST_F(CalculatorWindow, GlChoiceGoesBackToTheFunctionInUse) {
    Pick(5);
    const double g7 = Engine().ActiveDragTable[MaxDragSpeed];
    Pick(GlItem);
    ASSERT_EQ(services_.messages.size(), 1u);
    EXPECT_EQ(services_.messages[0], GlUnavailableMessage);
    EXPECT_EQ(W().ComboBox6->ItemIndex(), 5);
    EXPECT_EQ(W().ComboBox6->Text(), "G7");
    EXPECT_EQ(Engine().ActiveDragTable[MaxDragSpeed], g7);

    // After a file function "Add to List" stays disabled.
    Choose(FileFunctionItem);
    Choose(GlItem);
    EXPECT_EQ(W().ComboBox6->ItemIndex(), FileFunctionItem);
    EXPECT_FALSE(W().Button7->Enabled());
}

TEST_F(CalculatorWindow, TypedTextChangesNothing) {
    W().ComboBox6->SetText("G9");
    W().ComboBox6Change(W().ComboBox6);
    EXPECT_EQ(W().ComboBox6->ItemIndex(), -1);
    EXPECT_NEAR(Engine().ActiveDragTable[MaxDragSpeed], G1At1700, SameEntry);
    EXPECT_TRUE(W().Button7->Enabled());
    EXPECT_TRUE(services_.messages.empty());
    // A refused choice after it returns to the last function in use.
    Choose(GlItem);
    EXPECT_EQ(W().ComboBox6->ItemIndex(), 1);
}

TEST_F(CalculatorWindow, GrowsButNeverShrinksBelowItsDesign) {
    W().Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(W().Window()));
    QWidget* window = W().Window();
    window->resize(window->width() - 200, window->height() - 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(W().ClientWidth(), 777);
    EXPECT_EQ(W().ClientHeight(), 509);

    constexpr int Wider = 100, Taller = 60;
    window->resize(window->width() + Wider, window->height() + Taller);
    QCoreApplication::processEvents();
    EXPECT_EQ(W().Graf0->Width(), 337 + Wider);
    EXPECT_EQ(W().Graf0->Height(), 269 + Taller);
    EXPECT_EQ(W().Memo1->Width(), 417);
    EXPECT_EQ(W().Memo1->Height(), 270 + Taller);
    EXPECT_EQ(W().Button2->Top(), 470 + Taller);
    EXPECT_EQ(W().Button9->Left(), 685 + Wider);
    EXPECT_EQ(W().Button9->Top(), 237);
    EXPECT_EQ(W().Edit33->Width(), 413);
    W().Hide();
}

TEST_F(CalculatorWindow, ScreenshotIsNotBlank) {
    W().Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(W().Window()));
    const QImage shot = W().Window()->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    std::set<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 3)
        for (int x = 0; x < shot.width(); x += 3) colours.insert(shot.pixel(x, y));
    // Text, frames, the white graph and the window face give many more.
    EXPECT_GE(colours.size(), 8u);
    W().Hide();
}

TEST(WindowFonts, WindowsNamesMapToAnInstalledSansFont) {
    for (const char* name : {"MS Sans Serif", "Arial"}) {
        QFont font(name);
        font.setPixelSize(11);
        // Metric-compatible with Arial: the copy the program carries.
        EXPECT_EQ(QFontInfo(font).family().toStdString(), "Liberation Sans") << name;
        const QFontMetrics metrics(font);
        // A missing font draws every letter as the same box.
        EXPECT_LT(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("WWWW")) << name;
    }
}

// The rectangle of a tab in the coordinates of the window's client area.
QRect TabInWindow(TPageControl* pages, int index, QWidget* client) {
    const QTabBar* bar = static_cast<QTabWidget*>(pages->Widget())->tabBar();
    const QRect tab = bar->tabRect(index);
    return QRect(bar->mapTo(client, tab.topLeft()), tab.size());
}

bool ScrollArrowsShown(TPageControl* pages) {
    const QTabBar* bar = static_cast<QTabWidget*>(pages->Widget())->tabBar();
    for (const QToolButton* arrow : bar->findChildren<QToolButton*>())
        if (arrow->isVisible()) return true;
    return false;
}

TEST_F(CalculatorWindow, EveryTabShowsAtTheDesignSize) {
    W().Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(W().Window()));
    QWidget* client = W().Edit33->Widget()->parentWidget();
    // The input tabs end left of the ammunition-name field across the top.
    const QRect extras = TabInWindow(W().PageControl1, 4, client);
    EXPECT_LT(extras.right(), W().Edit33->Left());
    EXPECT_FALSE(ScrollArrowsShown(W().PageControl1));
    // The graph tabs fit their page control without scroll arrows.
    const QRect clone = TabInWindow(W().PageControl2, 2, client);
    EXPECT_LE(clone.right(), W().PageControl2->Left() + W().PageControl2->Width());
    EXPECT_FALSE(ScrollArrowsShown(W().PageControl2));
}

TEST_F(CalculatorWindow, RadioButtonsLieInsideTheFrameBelowTheCaption) {
    W().Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(W().Window()));
    for (TRadioGroup* group :
         {W().RadioGroup1, W().RadioGroup2, W().RadioGroup3, W().RadioGroup4, W().RadioGroup5,
          W().RadioGroup6, W().RadioGroup7, W().RadioGroup8}) {
        auto* box = static_cast<QGroupBox*>(group->Widget());
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect caption =
            box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel);
        const QRect frame =
            box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame);
        for (const QRadioButton* button : box->findChildren<QRadioButton*>()) {
            const std::string name = group->Name() + " " + button->text().toStdString();
            EXPECT_GT(button->geometry().top(), caption.bottom()) << name;
            EXPECT_GT(button->geometry().top(), frame.top()) << name;
            EXPECT_LT(button->geometry().bottom(), frame.bottom()) << name;
        }
    }
}

}  // namespace
