// The calculator window's input set-up and integration runs: what the set-up
// reads from the controls and writes back, "Save" on every computing action,
// and the window's touches during a run.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>
#include <QWidget>
#include <memory>
#include <string>

#include "engine/state.h"
#include "platform/base.h"
#include "platform/testing/scripted_services.h"
#include "ui/Vstup1.h"

namespace {

constexpr double NoLimit = 1000000;
constexpr double SiConversion = 1e-9;

class WindowSetup : public ::testing::Test {
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
    // Runs the set-up as a computing action does; the message it ended
    // with, "" when it passed.
    std::string Prepare() {
        services_.messages.clear();
        try {
            W().PrepareComputation();
        } catch (const EAbort&) {
            return services_.messages.empty() ? "(silent abort)" : services_.messages.back();
        }
        return "";
    }
    void TableRun(double rangeX) {
        Engine().Settings.ComputationMode = 1;
        Engine().Settings.ComputationRangeX = rangeX;
        Engine().Settings.ComputationRangeY = NoLimit;
        W().RunIntegration();
    }

    ScriptedServices services_;
    std::unique_ptr<Tvstup> window_;
};

}  // namespace

TEST_F(WindowSetup, StartUpFieldsPassInSi) {
    EXPECT_EQ(Prepare(), "");
    const InputParameters& in = Engine().Input;
    EXPECT_NEAR(in.BulletMass, 0.01089, SiConversion);
    EXPECT_NEAR(in.AirPressure, 97790, SiConversion);
    EXPECT_NEAR(in.Gravity, 9.81, SiConversion);
    EXPECT_NEAR(in.BallisticCoefficient, 0.462, SiConversion);
    EXPECT_EQ(W().Edit19->Text(), "100");
}

TEST_F(WindowSetup, EveryActionDisablesSaveEvenWhenItFails) {
    W().Button5->SetEnabled(true);
    EXPECT_EQ(Prepare(), "");
    EXPECT_FALSE(W().Button5->Enabled());

    W().Button5->SetEnabled(true);
    W().Edit4->SetText("0");
    EXPECT_EQ(Prepare(), "Velocity less than or equal to zero.");
    EXPECT_FALSE(W().Button5->Enabled());

    W().Button5->SetEnabled(true);
    W().Edit4->SetText("fast");
    EXPECT_THROW(W().PrepareComputation(), EConvertError);
    EXPECT_FALSE(W().Button5->Enabled());
}

TEST_F(WindowSetup, DerivedValuesAreWrittenBackInTheUsersNotation) {
    window_.reset();
    QLocale::setDefault(QLocale(QLocale::German));
    window_ = std::make_unique<Tvstup>();
    W().RadioGroup6->SetItemIndex(1);  // "From Altitude"
    W().Edit8->SetText("1,5");
    W().Edit29->SetText("300");
    W().Edit13->SetText("15");
    W().CheckBox11->SetChecked(true);  // "G acc. to Latitude"
    W().Edit56->SetText("45");
    W().Edit19->SetText("300,7");
    EXPECT_EQ(Prepare(), "");
    EXPECT_EQ(W().Edit8->Text(), "977,9");
    EXPECT_EQ(W().Edit58->Text(), "9,807");
    EXPECT_EQ(W().Edit19->Text(), "300");
    EXPECT_NEAR(Engine().Input.AirPressure, 97790, SiConversion);
}

TEST_F(WindowSetup, AFailedCheckLeavesTheWrittenFieldsChanged) {
    W().RadioGroup6->SetItemIndex(1);
    W().Edit8->SetText("1000");
    W().Edit29->SetText("300");
    W().Edit13->SetText("15");
    W().Edit9->SetText("101");
    EXPECT_EQ(Prepare(), "Air Humidity greater than 100%.");
    EXPECT_EQ(W().Edit8->Text(), "977.9");
}

TEST_F(WindowSetup, VariableWindSequenceFollowsTheWindowsChoices) {
    W().ComboBox3->SetItemIndex(1);  // three sites
    W().Edit44->SetText("0");
    W().Edit45->SetText("100");
    W().Edit46->SetText("100");
    EXPECT_EQ(Prepare(), "");
    W().RadioGroup4->SetItemIndex(1);  // "Variable"
    EXPECT_EQ(Prepare(), "Wrong Sequence of Positions (for Variable Cross Wind).");
}

TEST_F(WindowSetup, DriftWritesItsLinesIntoTheResultPane) {
    W().CheckBox3->SetChecked(true);
    const int before = W().Memo1->Lines().Count();
    EXPECT_EQ(Prepare(), "");
    EXPECT_EQ(W().Memo1->Lines().Count(), before + 10);
}

TEST_F(WindowSetup, RunShowsTheAutoStepAndHidesTheProcessingLabel) {
    ASSERT_TRUE(W().CheckBox8->Checked());  // "Auto"
    W().Edit6->SetText("0.1");
    ASSERT_EQ(Prepare(), "");
    TableRun(300);
    EXPECT_EQ(W().ScrollBar1->Position(), 15);
    EXPECT_EQ(W().Label50->Caption(), "1.5");
    EXPECT_DOUBLE_EQ(Engine().Settings.IntegrationStep, 0.0015);
    // The label stays up until the window handles its messages, so that the
    // runs of one action do not hide and show it again one after another.
    EXPECT_TRUE(W().Label49->Visible());
    TableRun(300);
    QCoreApplication::processEvents();
    EXPECT_FALSE(W().Label49->Visible());
    EXPECT_GE(Engine().Traj.TrajRange[Engine().Traj.LastPointIndex], 300);
}

// The label is hidden when the window next handles its messages, before the
// window paints again: no paint after the action shows it.
TEST_F(WindowSetup, TheProcessingLabelIsGoneBeforeTheWindowPaints) {
    class PaintCount : public QObject {
      public:
        bool eventFilter(QObject*, QEvent* event) override {
            count += event->type() == QEvent::Paint;
            return false;
        }
        int count = 0;
    } labelPaints;
    W().Show();
    QCoreApplication::processEvents();
    W().Label49->Widget()->installEventFilter(&labelPaints);
    W().Button3->Click();  // "Compute!": the zeroing runs, then the table run
    ASSERT_TRUE(services_.messages.empty());
    QCoreApplication::processEvents();
    EXPECT_FALSE(W().Label49->Visible());
    EXPECT_EQ(labelPaints.count, 0);
    W().Label49->Widget()->removeEventFilter(&labelPaints);
}

TEST_F(WindowSetup, RunReadsDriftFromTheWindow) {
    W().CheckBox3->SetChecked(true);
    ASSERT_EQ(Prepare(), "");
    TableRun(100);
    const TStrings& lines = W().Memo1->Lines();
    EXPECT_EQ(lines[lines.Count() - 1].rfind("  Final Number of Revolutions:", 0), 0u);
}

TEST_F(WindowSetup, AnAbortedRunHidesTheProcessingLabelToo) {
    W().CheckBox8->SetChecked(false);
    ASSERT_EQ(Prepare(), "");
    Engine().Settings.IntegrationStep = 0.0001;
    // No range limit and a height limit far below: the step limit comes first.
    Engine().Settings.ComputationMode = 1;
    Engine().Settings.ComputationRangeX = NoLimit;
    Engine().Settings.ComputationRangeY = -NoLimit;
    EXPECT_THROW(W().RunIntegration(), EAbort);
    EXPECT_EQ(services_.messages.back(), "Maximum Number of Steps was reached. Increase the Step.");
    QCoreApplication::processEvents();
    EXPECT_FALSE(W().Label49->Visible());
}
