// "Compute!" on the calculator window: the zeroing, the table run, the range
// table appended to the result pane and the controls it leaves behind.
#include <gtest/gtest.h>

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/numeric.h"
#include "engine/state.h"
#include "platform/base.h"
#include "platform/sysutils.h"
#include "platform/testing/scripted_services.h"
#include "tests/engine/run_arrays.h"
#include "ui/Vstup1.h"

namespace {

// What the integrator and the printed rows make of the reference shot (G1
// 0.462, 10.89 g, 800 m/s, 0.1 degrees) at 1000 m: about -1368 cm and 328 m/s.
constexpr double ReferenceDropCm = -1368;
constexpr double ReferenceDropTolerance = 10;  // cm, air of the form's 300 m altitude
constexpr double ReferenceSpeed = 328;
constexpr double ReferenceSpeedTolerance = 3;  // m/s

const char* const StepIncreased = "  Computation Step was increased.";

// The columns of a table row, split at blanks.
std::vector<double> Columns(const std::string& row) {
    std::istringstream in(row);
    std::vector<double> values;
    double v;
    while (in >> v) values.push_back(v);
    return values;
}

class Compute : public ::testing::Test {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        ResetEngineState();
        window_ = std::make_unique<Tvstup>();
        firstNewLine_ = W().Memo1->Lines().Count();
    }
    void TearDown() override { window_.reset(); }
    Tvstup& W() { return *window_; }

    // Presses "Compute!"; false when the action ended with an abort.
    bool Press() {
        try {
            W().Button3Click(W().Button3);
        } catch (const EAbort&) {
            return false;
        }
        return true;
    }
    // Range limit X in m, no height limit.
    void RangeLimit(const char* metres) {
        W().CheckBox4->SetChecked(true);
        W().Edit15->SetText(metres);
        W().CheckBox5->SetChecked(false);
    }
    // The lines this test added to the result pane.
    std::vector<std::string> NewLines() {
        std::vector<std::string> lines;
        for (int i = firstNewLine_; i < W().Memo1->Lines().Count(); ++i)
            lines.push_back(W().Memo1->Lines()[i]);
        return lines;
    }
    // The row lines of the last table: after the rule, before the closing "  ".
    std::vector<std::string> TableRows() {
        const std::vector<std::string> lines = NewLines();
        size_t rule = lines.size();
        while (rule > 0 && lines[rule - 1] != std::string(120, '-')) --rule;
        std::vector<std::string> rows(lines.begin() + rule, lines.end());
        if (!rows.empty() && rows.back() == "  ") rows.pop_back();
        return rows;
    }
    std::vector<double> Distances() {
        std::vector<double> x;
        for (const std::string& row : TableRows()) x.push_back(Columns(row).at(0));
        return x;
    }
    std::string RowAt(double x) {
        for (const std::string& row : TableRows())
            if (Columns(row).at(0) == x) return row;
        return "";
    }

    ScriptedServices services_;
    std::unique_ptr<Tvstup> window_;
    int firstNewLine_ = 0;
};

using Xs = std::vector<double>;

}  // namespace

TEST_F(Compute, NeedsARangeBox) {
    W().CheckBox4->SetChecked(false);
    W().CheckBox5->SetChecked(false);
    EXPECT_FALSE(Press());
    EXPECT_EQ(services_.messages, std::vector<std::string>{"Unspecified Computation Range."});
    EXPECT_TRUE(NewLines().empty());
    EXPECT_FALSE(W().Button5->Enabled());
    // An ended action leaves its mode behind; only a completed one resets it.
    EXPECT_EQ(Engine().Settings.ComputationMode, 2);
}

TEST_F(Compute, ZeroRange100WithTheDefaults) {
    RangeLimit("1000");
    ASSERT_TRUE(Press()) << services_.messages.back();
    EXPECT_TRUE(services_.messages.empty());
    // The found angle at most six decimals, and the 100 m row on the line of sight.
    const std::string angle = W().Edit6->Text();
    ASSERT_NE(angle.find('.'), std::string::npos);
    EXPECT_LE(angle.size() - angle.find('.') - 1, 6u);
    EXPECT_DOUBLE_EQ(StrToFloat(angle), RoundToDecimals(Engine().Input.DepartureAngle, 6));
    // "0.0" height and "0.0" clicks, never "-0.0".
    EXPECT_EQ(RowAt(100).substr(0, 28), " 100         0.0         0.0");
    EXPECT_EQ(Engine().Settings.ComputationMode, 0);
    EXPECT_TRUE(W().Button5->Enabled());
    EXPECT_TRUE(W().BitBtn1->Enabled());
    EXPECT_TRUE(W().CheckBox1->Checked());
}

// The whole block of the form defaults, zeroed at 100 m, to a 1000 m range
// limit, as checked by hand: 0.0 at 100 m, a 0.6 cm apex near 75 m, and
// -1378 cm at 336 m/s at 1000 m in the thinner air of 300 m altitude.
TEST_F(Compute, GoldenTableOfTheDefaults) {
    RangeLimit("1000");
    ASSERT_TRUE(Press());
    std::ifstream golden(GOLDEN_TABLE);
    ASSERT_TRUE(golden.good()) << GOLDEN_TABLE;
    std::vector<std::string> expected;
    for (std::string line; std::getline(golden, line);) expected.push_back(line);
    const std::vector<std::string> lines = NewLines();
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i;
}

TEST_F(Compute, ReferenceShotAt1000Metres) {
    W().RadioGroup3->SetItemIndex(0);  // "Angle of Departure"
    W().Edit6->SetText("0.1");
    W().RadioGroup6->SetItemIndex(0);  // "Direct Value"
    W().Edit8->SetText("1013.25");
    RangeLimit("1000");
    ASSERT_TRUE(Press());
    EXPECT_EQ(W().Edit6->Text(), "0.1");
    const std::vector<double> row = Columns(RowAt(1000));
    ASSERT_EQ(row.size(), 8u);
    EXPECT_NEAR(row[1], ReferenceDropCm, ReferenceDropTolerance);
    EXPECT_NEAR(row[3], ReferenceSpeed, ReferenceSpeedTolerance);
}

// Every row of the defaults' table against values worked out here from the
// arrays the run left, each within half a unit of its printed last digit.
TEST_F(Compute, RowsMatchTheArrays) {
    RangeLimit("1000");
    ASSERT_TRUE(Press());
    const EngineState& e = Engine();
    const TrajectoryArrays& t = e.Traj;
    const double click = 1 / 240.0;
    auto speed = [&t](int k) { return std::hypot(t.TrajVelocityX[k], t.TrajVelocityY[k]); };
    const std::vector<std::string> rows = TableRows();
    ASSERT_EQ(rows.size(), 41u);  // the muzzle and 25 m to 1000 m
    for (size_t r = 1; r < rows.size(); ++r) {
        const double x = 25.0 * r;
        int k = 1;
        while (t.TrajRange[k] < x) ++k;
        const double f = (x - t.TrajRange[k - 1]) / (t.TrajRange[k] - t.TrajRange[k - 1]);
        const double y = t.TrajHeight[k - 1] + f * (t.TrajHeight[k] - t.TrajHeight[k - 1]);
        const double v = speed(k - 1) + f * (speed(k) - speed(k - 1));
        const double clicks = std::fabs(y) < 0.05 ? 0 : -std::atan(0.01 * y / x) * 57.29577 / click;
        const std::vector<double> c = Columns(rows[r]);
        SCOPED_TRACE(rows[r]);
        ASSERT_EQ(c.size(), 8u);
        EXPECT_EQ(c[0], x);
        EXPECT_NEAR(c[1], std::fabs(y) < 0.05 ? 0 : y, 0.05 + 1e-9);
        EXPECT_NEAR(c[2], clicks, 0.05 + 1e-9);
        EXPECT_NEAR(c[3], v, 0.5 + 1e-9);
        EXPECT_NEAR(c[4], 0.5 * e.Input.BulletMass * v * v, 0.5 + 1e-9);
        EXPECT_NEAR(c[5], t.TrajTime[k] * 1000, 0.5 + 1e-9);
        EXPECT_EQ(c[6], 0);
        EXPECT_EQ(c[7], 0);
    }
}

TEST_F(Compute, RowDistances) {
    struct Case {
        const char* name;
        const char* zeroRange;
        const char* rangeLimit;
        Xs expected;
    };
    const Case cases[] = {
        {"zero range between steps", "110", "150", {0, 25, 50, 75, 100, 110, 125, 150}},
        {"zero range on a step", "100", "150", {0, 25, 50, 75, 100, 125, 150}},
        {"range limit on a step",
         "100",
         "300",
         {0, 25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 275, 300}},
        {"range limit between steps",
         "100",
         "310",
         {0, 25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 275, 300, 310}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        W().Edit19->SetText(c.zeroRange);
        RangeLimit(c.rangeLimit);
        ASSERT_TRUE(Press());
        EXPECT_EQ(Distances(), c.expected);
    }
}

TEST_F(Compute, ZeroPointWithAWantedHeight) {
    W().CheckBox8->SetChecked(false);
    W().RadioGroup3->SetItemIndex(2);  // "Zero Range X,Y"
    W().Edit63->SetText("0.1");
    RangeLimit("300");
    ASSERT_TRUE(Press());
    const std::vector<double> row = Columns(RowAt(100));
    ASSERT_EQ(row.size(), 8u);
    EXPECT_NEAR(row[1], 10, 0.1);
    EXPECT_TRUE(W().CheckBox8->Checked());
}

TEST_F(Compute, FarZeroRange) {
    W().Edit6->SetText("0.5");
    W().Edit19->SetText("2000");
    RangeLimit("2100");
    ASSERT_TRUE(Press());
    EXPECT_GT(StrToFloat(W().Edit6->Text()), 1);
    EXPECT_EQ(Columns(RowAt(2000)).at(1), 0);
}

// The zeroing runs fly to the zero range; a table that ends short of it must
// leave nothing of them past its last point, where "Save" and the step raise
// read.
TEST_F(Compute, ShortTableAfterAFarZeroingLeavesNoZeroingPoints) {
    W().RadioGroup3->SetItemIndex(1);  // "Zero Range"
    W().Edit19->SetText("1000");
    RangeLimit("100");
    ASSERT_TRUE(Press());
    const TrajectoryArrays& t = Engine().Traj;
    ASSERT_LT(t.LastPointIndex, 200);
    const auto arrays = RunArraysOf(t);
    for (int k = 0; k < static_cast<int>(arrays.size()); ++k)
        EXPECT_EQ(NonZeroPointsFrom(arrays[k], t.LastPointIndex + 1), 0) << "array " << k;
}

TEST_F(Compute, TableStepRaise) {
    // 30 ms steps at 1000 m/s put the first points about 30 m apart.
    W().CheckBox8->SetChecked(false);
    W().ScrollBar1->SetPosition(300);
    W().Edit4->SetText("1000");
    RangeLimit("500");

    ASSERT_TRUE(Press());  // no "Step" item selected yet: 1, 5, 10, 25, 50 m
    std::vector<std::string> lines = NewLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), StepIncreased), 5);
    EXPECT_EQ(W().ComboBox1->ItemIndex(), 4);
    EXPECT_EQ(Distances(), (Xs{0, 50, 100, 150, 200, 250, 300, 350, 400, 450, 500}));

    firstNewLine_ = W().Memo1->Lines().Count();
    W().ComboBox1->SetItemIndex(3);  // "   25"
    W().ComboBox1Change(W().ComboBox1);
    ASSERT_TRUE(Press());
    lines = NewLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), StepIncreased), 1);
    EXPECT_DOUBLE_EQ(Engine().Settings.RangeStep, 50);
}

TEST_F(Compute, StepRaiseStopsAtTheLastItem) {
    W().CheckBox8->SetChecked(false);
    W().ScrollBar1->SetPosition(300);
    W().Edit4->SetText("1000");
    RangeLimit("500");
    W().ComboBox1->SetItemIndex(7);  // "1000"
    W().ComboBox1Change(W().ComboBox1);
    Engine().Settings.RangeStep = 1;  // as if the list and the step disagreed
    ASSERT_TRUE(Press());
    const std::vector<std::string> lines = NewLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), StepIncreased), 0);
    EXPECT_EQ(W().ComboBox1->ItemIndex(), 7);
}

// Points about 21 m apart: one of them spans both 110 m and 125 m.
TEST_F(Compute, CoarsePointsStillGiveAscendingRows) {
    W().CheckBox8->SetChecked(false);
    W().ScrollBar1->SetPosition(300);
    W().Edit4->SetText("700");
    W().Edit19->SetText("110");
    RangeLimit("200");
    ASSERT_TRUE(Press());
    const Xs x = Distances();
    EXPECT_TRUE(std::is_sorted(x.begin(), x.end()));
    EXPECT_EQ(std::count(x.begin(), x.end(), 110.0), 1);
    EXPECT_EQ(std::count(x.begin(), x.end(), 125.0), 1);
}

TEST_F(Compute, DragFunctionFromAFile) {
    W().ComboBox6->SetItemIndex(0);  // "Function Selection": the loaded function
    Engine().DragFileName = "/home/shooter/drag functions/match.drg";
    RangeLimit("300");
    ASSERT_TRUE(Press());
    const std::vector<std::string> lines = NewLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], "  Drag Function: match.drg");
    EXPECT_EQ(lines[2].rfind("  Number of Computation Steps:", 0), 0u);
}

TEST_F(Compute, ResultPaneIsAppendedTo) {
    RangeLimit("300");
    ASSERT_TRUE(Press());
    const std::vector<std::string> first = NewLines();
    ASSERT_TRUE(Press());
    const std::vector<std::string> both = NewLines();
    ASSERT_EQ(both.size(), 2 * first.size());
    EXPECT_TRUE(std::equal(first.begin(), first.end(), both.begin()));
    EXPECT_EQ(W().Memo1->Lines()[0], " Computing Result:");
}

TEST_F(Compute, FailedComputeAfterAGoodOneLeavesSaveDisabled) {
    RangeLimit("300");
    ASSERT_TRUE(Press());
    EXPECT_TRUE(W().Button5->Enabled());
    const int lines = W().Memo1->Lines().Count();

    W().Edit4->SetText("speed");
    EXPECT_THROW(W().Button3Click(W().Button3), EConvertError);
    EXPECT_FALSE(W().Button5->Enabled());

    W().Edit4->SetText("800");
    W().CheckBox4->SetChecked(false);
    EXPECT_FALSE(Press());
    EXPECT_FALSE(W().Button5->Enabled());
    EXPECT_EQ(W().Memo1->Lines().Count(), lines);
}

TEST_F(Compute, LineOfSightOnlyOverRange) {
    W().RadioGroup2->SetItemIndex(0);  // "Time"
    RangeLimit("300");
    ASSERT_TRUE(Press());
    EXPECT_TRUE(W().RadioGroup1->Enabled());
    EXPECT_FALSE(W().CheckBox1->Checked());
    EXPECT_FALSE(W().BitBtn1->Enabled());
    EXPECT_TRUE(W().Button5->Enabled());

    W().RadioGroup2->SetItemIndex(1);  // "Range"
    ASSERT_TRUE(Press());
    EXPECT_TRUE(W().CheckBox1->Checked());
    EXPECT_TRUE(W().BitBtn1->Enabled());
    EXPECT_TRUE(W().BitBtn2->Enabled());
}
