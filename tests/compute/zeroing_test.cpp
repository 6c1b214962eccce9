// The zeroing search with stand-in runs: a straight bore line and a fixed
// drop, so the height at the zero range follows the angle exactly.
#include "compute/Zeroing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/state.h"
#include "platform/base.h"
#include "platform/services.h"

namespace {

// The secant search is exact on a straight line up to the settling window.
constexpr double SettledAngle = 0.0003;  // degrees

class RecordedMessages final : public Services {
  public:
    RecordedMessages() : previous_(setServices(this)) {}
    ~RecordedMessages() override { setServices(previous_); }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowModal(TForm&) override {}
    bool ExecuteFileDialog(const FileDialogRequest&, std::string&) override { return false; }
    void PrintImage(const QImage&) override {}
    std::vector<std::string> messages;

  private:
    Services* previous_;
};

// A zeroing run that ends just past the zero range: heights in cm of a bore
// line at the current angle, 4 cm below the line of sight, minus `dropCm`
// at every point but the muzzle. Records the angle of every run.
struct StandInRun {
    double zeroRange = 100;
    double dropCm = 0;
    std::vector<double> angles;

    void operator()() {
        EngineState& e = Engine();
        const double a = e.Input.DepartureAngle;
        angles.push_back(a);
        const double ranges[] = {0, zeroRange - 3, zeroRange + 1};
        for (int k = 0; k < 3; ++k) {
            e.Traj.TrajRange[k] = ranges[k];
            e.Traj.TrajHeight[k] =
                100 * ranges[k] * std::tan(a / 57.29577) - 4 - (k > 0 ? dropCm : 0);
        }
        e.Traj.LastPointIndex = 2;
    }
};

int Zero(StandInRun& run, double startAngle, const ZeroingTarget& target) {
    ResetEngineState();
    Engine().Input.DepartureAngle = startAngle;
    return ZeroDepartureAngle(target, [&run] { run(); });
}

double HeightAtZero(StandInRun& run, double angle) {
    return 100 * run.zeroRange * std::tan(angle / 57.29577) - 4 - run.dropCm;
}

}  // namespace

TEST(Zeroing, SettlesOnTheZeroPoint) {
    StandInRun run{.zeroRange = 100, .dropCm = 6, .angles = {}};
    const int runs = Zero(run, 0.1, {.ZeroRange = 100});
    EXPECT_LE(runs, 6);
    const double angle = Engine().Input.DepartureAngle;
    // 10 cm over 100 m; the line is exact, so only the last change is left.
    EXPECT_NEAR(angle, std::atan(0.1 / 100) * 57.29577, SettledAngle);
    EXPECT_NEAR(HeightAtZero(run, angle), 0, 100 * 100 * SettledAngle / 57.29577);
    // The secant of the last run stays in the interpolation record.
    EXPECT_NEAR(Engine().InterpolationSlope, 100 * std::tan(run.angles.back() / 57.29577), 1e-9);
}

TEST(Zeroing, WantedHeightAtTheZeroRange) {
    StandInRun run{.zeroRange = 200, .dropCm = 30, .angles = {}};
    Zero(run, 0.2,
         {.ZeroRange = 200, .OffsetDegrees = ZeroingOffset(0.1, 200), .LimitAngles = false});
    EXPECT_NEAR(HeightAtZero(run, Engine().Input.DepartureAngle), 10, 0.5);
}

TEST(Zeroing, StartAngles) {
    struct Case {
        const char* name;
        double zeroRange;
        double start;
        double firstRun;
    };
    const Case cases[] = {
        {"far zero range starts at 3 degrees", 2000, 0.5, 3},
        {"far zero range keeps a higher start", 2000, 4, 4},
        {"1500 m is not far", 1500, 0.5, 0.5},
        {"start above 89 degrees", 100, 95, 89},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StandInRun run{.zeroRange = c.zeroRange, .dropCm = 0, .angles = {}};
        Zero(run, c.start, {.ZeroRange = c.zeroRange, .LimitAngles = false});
        EXPECT_DOUBLE_EQ(run.angles.front(), c.firstRun);
    }
}

TEST(Zeroing, StopsAfterSixRunsWithoutSettling) {
    // A run that always ends 10 m high: every correction is as large as the first.
    ResetEngineState();
    int runs = 0;
    auto high = [&runs] {
        ++runs;
        EngineState& e = Engine();
        e.Traj.TrajRange[1] = 99;
        e.Traj.TrajRange[2] = 101;
        e.Traj.TrajHeight[1] = 1000;
        e.Traj.TrajHeight[2] = 1000;
        e.Traj.LastPointIndex = 2;
    };
    Engine().Input.DepartureAngle = 30;
    EXPECT_EQ(ZeroDepartureAngle({.ZeroRange = 100, .LimitAngles = false}, high), 6);
    EXPECT_EQ(runs, 6);
    EXPECT_NEAR(Engine().Input.DepartureAngle, 30 - 6 * std::atan(0.1) * 57.29577, 1e-9);
}

TEST(Zeroing, AngleRulesOfZeroRangeMode) {
    // A path that rises 50 cm without help wants a barrel below the
    // horizontal: the first correction from 5 degrees goes below 0.
    StandInRun high{.zeroRange = 100, .dropCm = -50, .angles = {}};
    Zero(high, 5, {.ZeroRange = 100});
    ASSERT_GE(high.angles.size(), 2u);
    EXPECT_DOUBLE_EQ(high.angles[1], 0.05);

    // Without the rules the search follows the correction below 0.
    StandInRun free{.zeroRange = 100, .dropCm = -50, .angles = {}};
    Zero(free, 5, {.ZeroRange = 100, .LimitAngles = false});
    EXPECT_LT(free.angles[1], 0);
}

TEST(Zeroing, CorrectionToFortyFiveDegreesEndsTheAction) {
    RecordedMessages recorded;
    StandInRun low{.zeroRange = 100, .dropCm = 20000, .angles = {}};  // 200 m of drop at 100 m
    EXPECT_THROW(Zero(low, 0.1, {.ZeroRange = 100}), EAbort);
    EXPECT_EQ(recorded.messages,
              std::vector<std::string>{"Angle of Departure greater than 45 deg."});
    EXPECT_EQ(low.angles.size(), 1u);

    // "Zero Range X,Y" goes on.
    StandInRun freeLow{.zeroRange = 100, .dropCm = 20000, .angles = {}};
    EXPECT_NO_THROW(Zero(freeLow, 0.1, {.ZeroRange = 100, .LimitAngles = false}));
    EXPECT_TRUE(recorded.messages.size() == 1);
}
