// The coefficient searches over stand-in runs whose speed and heights follow
// the coefficient and the angle along simple smooth curves.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/state.h"
#include "platform/base.h"
#include "platform/testing/scripted_services.h"
#include "ui/CoefficientSearch.h"

namespace {

// Speed (m/s) at the distance for a coefficient: rises with it towards 800.
double StandInSpeed(double bc) {
    return 800 * bc / (bc + 0.2);
}

// Height (m) at x m: the bore line at the angle, 4 cm under the sight, less a
// drop that shrinks with the coefficient.
double StandInHeight(double x, double angle, double bc) {
    return x * angle / 57.29577 - 0.0004 * x * x / bc * 0.01 - 0.04;
}

struct SearchRun {
    explicit SearchRun(double fixed = -1) : fixedSpeed(fixed) {}
    double fixedSpeed;                 // a speed that ignores the coefficient, if >= 0
    std::vector<double> coefficients;  // of every run
    std::vector<bool> lowest;          // what each run was told
    void operator()(bool atLowest) {
        const double bc = Engine().Input.BallisticCoefficient;
        coefficients.push_back(bc);
        lowest.push_back(atLowest);
        Engine().CurrentSpeed = fixedSpeed >= 0 ? fixedSpeed : StandInSpeed(bc);
    }
};

// A mode-5 stand-in that consumes the first distance as the integrator does.
// With `moving`, the measured heights swap between two targets on every
// base run, so the fit never settles.
struct FitRun {
    bool moving = false;
    double heightFactor = 1;  // 0 gives a height of exactly 0 at both points
    std::vector<double> firstDistances, coefficients;
    void operator()() {
        EngineState& e = Engine();
        TrajectoryFit& f = e.Fit;
        if (moving && coefficients.size() % 3 == 0)
            f.FitMeasuredHeight1 = coefficients.size() / 3 % 2 ? 0.30 : 0.40;
        firstDistances.push_back(f.FitDistance1);
        coefficients.push_back(e.Input.BallisticCoefficient);
        const double a = e.Input.DepartureAngle, bc = e.Input.BallisticCoefficient;
        f.FitComputedHeight1 = heightFactor * StandInHeight(f.FitDistance1, a, bc);
        f.FitComputedHeight2 = heightFactor * StandInHeight(f.FitDistance2, a, bc);
        f.FitDistance1 = 1000000;
    }
};

class Searches : public ::testing::Test {
  protected:
    void SetUp() override { ResetEngineState(); }
    // The message the search ended with, "" when it returned.
    std::string Ended(const std::function<void()>& search) {
        try {
            search();
        } catch (const EAbort&) {
            return services_.messages.back();
        }
        return "";
    }
    std::string Velocity(SearchRun& run, double startBc, double measured) {
        Engine().Input.BallisticCoefficient = startBc;
        return Ended([&] { runs_ = SearchCoefficientForVelocity(measured, std::ref(run)); });
    }
    // Fits measured heights (m) at 100 and 300 m from 0.1 degrees.
    std::string FitTo(FitRun& run, double height1, double height2, double startBc = 0.462) {
        Engine().Fit = {.FitDistance1 = 100,
                        .FitDistance2 = 300,
                        .FitMeasuredHeight1 = height1,
                        .FitMeasuredHeight2 = height2};
        Engine().Input.DepartureAngle = 0.1;
        Engine().Input.BallisticCoefficient = startBc;
        return Ended([&] { runs_ = FitAngleAndCoefficient(std::ref(run)); });
    }
    // Fits the stand-in's own heights of an angle and coefficient.
    std::string Fit(FitRun& run, double angle, double bc, double startBc = 0.462) {
        return FitTo(run, StandInHeight(100, angle, bc), StandInHeight(300, angle, bc), startBc);
    }
    ScriptedServices services_;
    int runs_ = 0;
};

}  // namespace

TEST_F(Searches, StartAngleGrowsBeyond300And600Metres) {
    EXPECT_EQ(SearchStartAngle(300), 0.1);
    EXPECT_EQ(SearchStartAngle(300.01), 0.4);
    EXPECT_EQ(SearchStartAngle(600), 0.4);
    EXPECT_EQ(SearchStartAngle(600.01), 0.6);
}

TEST_F(Searches, VelocityFindsTheCoefficientWithinTheWindow) {
    SearchRun run;
    EXPECT_EQ(Velocity(run, 0.462, StandInSpeed(0.25)), "");
    const double bc = Engine().Input.BallisticCoefficient;
    EXPECT_NEAR(StandInSpeed(bc) / StandInSpeed(0.25), 1, 0.001);
    EXPECT_EQ(runs_, static_cast<int>(run.coefficients.size()));
    EXPECT_EQ(run.coefficients.back(), bc);  // the found value is one that was run
}

TEST_F(Searches, VelocityClampsAndLimits) {
    // Faster than measured whatever the coefficient: the secant goes below
    // 0.001, the next run is told it is at the lowest value, and the search
    // ends on the coefficient check.
    SearchRun fast(500);
    EXPECT_EQ(Velocity(fast, 0.462, 400), "Ballistic Coefficient less than 0.001.");
    EXPECT_FALSE(fast.lowest[0]);
    EXPECT_TRUE(fast.lowest[2]);
    EXPECT_EQ(fast.coefficients[2], 0.001);
    // Slower whatever the coefficient: every secant value of 20 or more
    // continues at 10, and the search gives up after 21 iterations.
    SearchRun slow(300);
    EXPECT_EQ(Velocity(slow, 0.462, 400), "Ballistic Coefficient search did not converge.");
    EXPECT_EQ(slow.coefficients.size(), 42u);
    EXPECT_EQ(slow.coefficients[2], 10);
    // A start value above 20 is reported only when it meets the window at once.
    SearchRun met(400);
    EXPECT_EQ(Velocity(met, 25, 400), "Ballistic Coefficient greater than 20.");
    EXPECT_EQ(met.coefficients.size(), 1u);
}

TEST_F(Searches, FitRecoversAngleAndCoefficient) {
    FitRun run;
    EXPECT_EQ(Fit(run, 0.15, 0.4), "");
    EXPECT_EQ(runs_ % 3, 1);  // three runs per iteration, one to confirm
    const TrajectoryFit& f = Engine().Fit;
    EXPECT_NEAR(f.FitComputedHeight1 / f.FitMeasuredHeight1, 1, 0.002);
    EXPECT_NEAR(f.FitComputedHeight2 / f.FitMeasuredHeight2, 1, 0.002);
    // Every run started from the first distance, although each consumed it.
    for (double x : run.firstDistances) EXPECT_EQ(x, 100);
}

TEST_F(Searches, FitMovesTheCoefficientByAtMostHalfPerIteration) {
    FitRun run;
    EXPECT_EQ(Fit(run, 0.1, 2.0, 0.4), "");
    for (size_t k = 3; k < run.coefficients.size(); k += 3)
        EXPECT_LE(run.coefficients[k], 1.5 * run.coefficients[k - 3] * (1 + 1e-12));
    EXPECT_DOUBLE_EQ(run.coefficients[3], 0.6);
}

TEST_F(Searches, FitMeetsAMeasuredHeightOfZeroWithinHalfAMillimetre) {
    FitRun run;
    EXPECT_EQ(FitTo(run, 0.2, 0), "");
    EXPECT_LE(std::fabs(Engine().Fit.FitComputedHeight2), 0.0005);
}

TEST_F(Searches, FitFailures) {
    FitRun moving{true, 1, {}, {}};
    EXPECT_EQ(Fit(moving, 0.1, 0.4), "Ballistic Coefficient search did not converge.");
    EXPECT_EQ(moving.coefficients.size(), 63u);
    FitRun flat{false, 0, {}, {}};
    EXPECT_EQ(Fit(flat, 0.1, 0.4), "Trajectory computation failed: check the inputs.");
    FitRun steep;
    EXPECT_EQ(Fit(steep, 8, 0.462), "Angle of Departure greater than 5 deg.");
    FitRun low;
    EXPECT_EQ(Fit(low, -0.2, 0.462), "Angle of Departure less than zero.");
    EXPECT_EQ(services_.messages.size(), 4u);  // one message per failure
}
