// The up/downhill table and the MRD/GEE search: rows and apex search from
// stand-ins, then both buttons with the real integrator.
#include <cmath>

#include "calculator_fixture.h"
#include "compute/MrdSearch.h"
#include "compute/RangeTable.h"
#include "engine/numeric.h"
#include "platform/sysutils.h"

namespace {

double firstApex;

class DerivedTables : public CalculatorHandlers {
  protected:
    // Searches an apex of 1 m over stand-in runs whose apex follows the angle.
    std::string Search(double (*apex)(double)) {
        angles.clear();
        return Run([&] {
            ApexDepartureAngle(1, [&] {
                EngineState& e = Engine();
                // Every run starts afresh, without the distance of an earlier run.
                EXPECT_EQ(e.Mrd.ApexHeight, -200);
                EXPECT_EQ(e.Mrd.GeeDistance, 0);
                angles.push_back(e.Input.DepartureAngle);
                e.Mrd.ApexHeight = apex(e.Input.DepartureAngle);
                e.Mrd.GeeDistance = 1000 * e.Input.DepartureAngle;
            });
        });
    }
    std::vector<double> angles;
};

// Rows every 25 m over points every `spacing` m: heights 10 cm per metre from
// 4 cm below the sight, windage 0.5 cm per metre.
std::vector<RangeTableRow> SlopeRows(double spacing, int lastPoint, const SlopeShot& target) {
    auto t = std::make_unique<TrajectoryArrays>();
    for (int k = 0; k <= lastPoint; ++k) {
        t->TrajRange[k] = k * spacing;
        t->TrajHeight[k] = 10 * k * spacing - 4;
        t->TrajWindage[k] = 0.5 * k * spacing;
    }
    t->LastPointIndex = lastPoint;
    return SelectSlopeTableRows(*t, RangeTableSettings{}, target, 1);
}

}  // namespace

TEST(SlopeTableRows, EndRowHeightsAndClicks) {
    // Beyond the target; on a step; at the target; 1 m beyond it or the last row.
    const double cases[][4] = {{3, 35, 103.5, 105},
                               {5, 20, 98, 100},
                               {3, 35, 105, 100},
                               {3, 35, 104, 100},
                               {1, 101, 100.5, 100}};
    for (const auto& [spacing, last, target, lastX] : cases) {
        SCOPED_TRACE(target);
        const auto rows = SlopeRows(spacing, static_cast<int>(last), {10, target});
        EXPECT_EQ(rows.back().X, lastX);
        EXPECT_EQ(rows[rows.size() - 2].X, lastX == 100 ? 75 : 100);
    }
    // A target 20 m up at 200 m: the path stays 4 cm under the line to it.
    const RangeTableRow r = SlopeRows(3, 70, {20, 200})[1];
    const double delta = std::atan(0.1) * 57.2957795;
    const double slant = 25 / std::cos(delta * 0.0174532925239284);
    EXPECT_NEAR(r.Y, -4, 1e-9);
    EXPECT_NEAR(r.HeightClicks, -(std::atan(2.46 / 25) * 57.29577 - delta) * 240, 1e-9);
    // The windage of the point at 27 m, over the distance along the line.
    EXPECT_NEAR(r.WindageClicks, -std::atan(0.135 / slant) * 57.29577 * 240, 1e-9);
    // -0.04 cm from the line prints as 0.0 with 0.0 clicks, never -0.0.
    EXPECT_EQ(FormatRangeTableRow(SlopeRows(3, 70, {19.6832, 200})[1]).substr(0, 28),
              "  25         0.0         0.0");
}

TEST_F(DerivedTables, ApexSearch) {
    // Inside the window around the target; otherwise a trial divides the angle
    // by the signed ratio, held to 10 and kept 5 % from 1.
    const double cases[][3] = {{1.004, 1, 0},      {0.995, 3, 0.1 / 0.95}, {1.005, 3, 0.1 / 1.05},
                               {0.5, 3, 0.2},      {20, 3, 0.01},          {0, 3, 0.1 / 0.95},
                               {-1, 3, 0.1 / 1.05}};
    for (const auto& [apex, runs, trial] : cases) {
        SCOPED_TRACE(apex);
        firstApex = apex;
        EXPECT_EQ(Search([](double a) { return a == 0.1 ? firstApex : 1.0; }), "");
        ASSERT_EQ(angles.size(), runs);
        EXPECT_DOUBLE_EQ(runs > 1 ? angles[1] : 0, trial);
    }
    // A flat apex above the target: every secant points below 0, so the
    // search goes on from 0.001 degrees until the 13th run.
    EXPECT_EQ(Search([](double) { return 2.0; }), "");
    EXPECT_EQ(angles.size(), 13u);
    EXPECT_EQ(angles.back(), 0.001);
    // A secant to 50 degrees, and a trial at 50 degrees, which is not flown.
    const std::string steep = "Angle of Departure greater than 45 deg.";
    EXPECT_EQ(Search([](double a) { return (a - 0.1) / 49.9 * 1.5 - 0.5; }), steep);
    EXPECT_NEAR(Engine().Input.DepartureAngle, 50, 1e-9);
    EXPECT_EQ(Search([](double) { return 0.002; }), steep);
    EXPECT_EQ(angles.size(), 1u);
}

TEST_F(DerivedTables, SlopeMessagesAndTheSlantTable) {
    const char* const cases[][4] = {
        {"slant", "100", "-89.01", "Angle less than -89 deg."},
        {"slant", "100", "89.01", "Angle greater than 89 deg."},
        {"slant", "0", "10", "Distance less than or equal to zero."},
        {"horizontal", "-5", "1", "Distance less than or equal to zero."},
        {"slant", "100", "89", "Angle greater than 89 deg"},  // 89.1 with the 0.1 of Edit6
        {"slant", "100", "60", ""},
    };
    for (const auto& [form, distance, angle, message] : cases) {
        SCOPED_TRACE(message);
        (form[0] == 's' ? W().RadioButton2 : W().RadioButton1)->SetChecked(true);
        W().Edit7->SetText(distance);
        W().Edit14->SetText(angle);
        W().Button5->SetEnabled(true);
        const int first = MemoLines();
        EXPECT_EQ(Handle(&Tvstup::Button11Click), message);
        // Only a completed table enables "Save" and the "Auto" step again.
        EXPECT_EQ(W().Button5->Enabled(), !*message);
        EXPECT_EQ(W().CheckBox8->Checked(), !*message);
        EXPECT_EQ(LinesFrom(first).size(), *message ? 0u : 11u);
    }
    // 25 m along the 60 degree line are 12.5 m apart: rows at 25 to 100 m
    // along it, the last one at the target.
    const std::vector<std::string> lines = Tail(11);
    EXPECT_EQ(lines[3].substr(0, 9), " S.D.[m] ");
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(lines[5 + n].substr(0, 4), FormatLine("%4d", 25 * n));
    EXPECT_NEAR(Engine().Slope.SlopeTargetDistance, 50, 1e-4);
    EXPECT_NEAR(Engine().Input.DepartureAngle, 60.1, 1e-4);
}

TEST_F(DerivedTables, LevelTargetGivesTheRangeTable) {
    W().RadioGroup3->SetItemIndex(0);  // "Angle of Departure"
    W().CheckBox4->SetChecked(true);
    W().Edit15->SetText("100");
    const int first = MemoLines();
    ASSERT_EQ(Handle(&Tvstup::Button3Click), "");
    const int middle = MemoLines();
    W().RadioButton1->SetChecked(true);
    W().Edit7->SetText("100");
    W().Edit14->SetText("0");
    ASSERT_EQ(Handle(&Tvstup::Button11Click), "");
    std::vector<std::string> level = LinesFrom(first);
    level.resize(middle - first);
    EXPECT_EQ(LinesFrom(middle), level);
}

TEST_F(DerivedTables, MrdRefusalsThenTheStartUpInputs) {
    const int lines = MemoLines();
    for (const char* height : {"0", "-1"}) {
        W().Edit41->SetText(height);
        EXPECT_EQ(Handle(&Tvstup::Button10Click), "Max. Traj. Height less than or equal to zero.");
        EXPECT_EQ(W().Edit6->Text() + W().Edit19->Text() + W().Edit16->Text(), "0.11000");
        EXPECT_EQ(MemoLines(), lines);
    }
    W().Edit41->SetText("4");
    W().Button5->SetEnabled(true);
    ASSERT_EQ(Handle(&Tvstup::Button10Click), "");
    const double gee = Engine().Mrd.GeeDistance;
    EXPECT_EQ(W().Edit16->Text(), "-0.04");
    EXPECT_EQ(W().Edit19->Text(), FloatToStr(RoundToDecimals(gee, 0)));
    EXPECT_EQ(W().RadioGroup3->ItemIndex(), 1);
    EXPECT_FALSE(W().CheckBox10->Checked() || W().CheckBox3->Checked() || W().Button5->Enabled());
    const std::vector<std::string> results = Tail(3);
    EXPECT_EQ(results[0],
              "  Maximum Trajectory Height:                                        4.0  cm");
    EXPECT_EQ(results[1], FormatLine("  MRD (=The Most Recommended Distance), GEE: %6.0f  m", gee));

    // The same search again, watching every run: the last apex lies within
    // half a percent of 99 % of 4 cm.
    W().PrepareComputation();
    Engine().Settings.ComputationMode = 3;
    double apex = 0;
    ApexDepartureAngle(0.0396, [&] {
        W().RunIntegration();
        apex = Engine().Mrd.ApexHeight;
    });
    EXPECT_LT(std::fabs(apex / 0.0396 - 1), 0.005);
    EXPECT_EQ(Engine().Mrd.GeeDistance, gee);
}
