// The MRD/GEE apex search with stand-in apex runs: which angles it tries,
// when it stops, and the angle rules.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/state.h"
#include "platform/base.h"
#include "platform/services.h"
#include "ui/MrdSearch.h"

namespace {

constexpr double Target = 1;  // m: the apex ratio is the apex itself
const char* const TooSteep = "Angle of Departure greater than 45 deg.";

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

// An apex run whose apex (m) is the given function of the angle; records the
// angle of every run and what each run found in the search records.
struct StandInRun {
    explicit StandInRun(std::function<double(double)> f) : apex(std::move(f)) {}
    std::function<double(double)> apex;
    std::vector<double> angles;
    std::vector<double> startApex, startGee;

    void operator()() {
        EngineState& e = Engine();
        startApex.push_back(e.Mrd.ApexHeight);
        startGee.push_back(e.Mrd.GeeDistance);
        angles.push_back(e.Input.DepartureAngle);
        e.Mrd.ApexHeight = apex(e.Input.DepartureAngle);
        e.Mrd.GeeDistance = 1000 * e.Input.DepartureAngle;
    }
};

int Search(StandInRun& run) {
    ResetEngineState();
    Engine().Mrd.GeeDistance = 123;
    return ApexDepartureAngle(Target, [&run] { run(); });
}

}  // namespace

TEST(MrdSearch, ApexInTheWindowAtOnce) {
    StandInRun run([](double) { return 1.004; });
    EXPECT_EQ(Search(run), 1);
    EXPECT_EQ(Engine().Input.DepartureAngle, 0.1);
    EXPECT_EQ(Engine().Mrd.GeeDistance, 100);
}

// The first trial divides the angle by the ratio, held to at most 10 and
// kept 5 % away from 1; the window around 1 is open.
TEST(MrdSearch, FirstTrialAngle) {
    struct Case {
        const char* name;
        double apex;
        double trial;
    };
    const Case cases[] = {
        {"ratio 0.995 is outside", 0.995, 0.1 / 0.95},
        {"ratio 1.005 is outside", 1.005, 0.1 / 1.05},
        {"ratio 0.97", 0.97, 0.1 / 0.95},
        {"ratio 1.02", 1.02, 0.1 / 1.05},
        {"ratio 0.5", 0.5, 0.2},
        {"ratio 20", 20, 0.01},
        {"apex on the line of sight", 0, 0.1 / 0.95},
        {"apex as far below", -1, 0.1 / 1.05},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StandInRun run([&c](double a) { return a == 0.1 ? c.apex : 1.0; });
        EXPECT_GT(Search(run), 2);
        ASSERT_GE(run.angles.size(), 2u);
        EXPECT_DOUBLE_EQ(run.angles[1], c.trial);
    }
}

TEST(MrdSearch, SecantFindsALinearApex) {
    StandInRun run([](double a) { return 2 * a - 0.3; });
    EXPECT_EQ(Search(run), 3);
    EXPECT_NEAR(Engine().Input.DepartureAngle, 0.65, 1e-12);
    EXPECT_NEAR(Engine().InterpolationSlope, 2, 1e-12);
    // Every run starts afresh: no apex and no distance of an earlier run.
    for (size_t i = 0; i < run.angles.size(); ++i) {
        EXPECT_EQ(run.startApex[i], -200);
        EXPECT_EQ(run.startGee[i], 0);
    }
}

// A flat apex above the target: the secant points below 0 every time.
TEST(MrdSearch, StopsAfterThirteenRuns) {
    StandInRun run([](double) { return 2.0; });
    EXPECT_EQ(Search(run), 13);
    EXPECT_EQ(run.angles[2], 0.001);
    EXPECT_EQ(Engine().Input.DepartureAngle, 0.001);
}

TEST(MrdSearch, SecantAtZeroGoesOnFromAThousandthDegree) {
    // 0.5 at 0.1 and 0 at 0.2 degrees: the secant meets the target at 0.
    StandInRun run([](double a) { return a == 0.1 ? 0.5 : a == 0.2 ? 0.0 : 1.0; });
    Search(run);
    ASSERT_GE(run.angles.size(), 3u);
    EXPECT_EQ(run.angles[2], 0.001);
}

TEST(MrdSearch, AnglesOfFortyFiveDegreesEndTheAction) {
    RecordedMessages recorded;
    // A secant that points at 50 degrees.
    StandInRun steep([](double a) { return (a - 0.1) / 49.9 * 1.5 - 0.5; });
    EXPECT_THROW(Search(steep), EAbort);
    EXPECT_EQ(steep.angles.size(), 2u);
    EXPECT_NEAR(Engine().Input.DepartureAngle, 50, 1e-9);

    // A trial angle of 50 degrees is refused before it is flown.
    StandInRun flat([](double) { return 0.002; });
    EXPECT_THROW(Search(flat), EAbort);
    EXPECT_EQ(flat.angles.size(), 1u);
    EXPECT_EQ(recorded.messages, (std::vector<std::string>{TooSteep, TooSteep}));
}
