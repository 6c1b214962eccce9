#include "engine/numeric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/state.h"
#include "platform/base.h"
#include "platform/services.h"

namespace {

struct RoundCase {
    const char* name;
    double x;
    int n;
    double expected;
};

// Results of rounding may be off the literal by the last bit when the rounding
// goes down (c - 2h); a few ulps is the agreement these rows ask for.
const RoundCase kRoundCases[] = {
    {"HalfRoundsUp", 2.5, 0, 3.0},
    {"NegativeHalfRoundsAwayFromZero", -2.5, 0, -3.0},
    {"JustBelowHalfRoundsDown", 2.4999, 0, 2.0},
    {"TinyBecomesZero", 1e-13, 3, 0.0},
    {"WholeNumberUnchanged", 7.0, 0, 7.0},
    {"NegativeWholeNumberUnchanged", -12.0, 0, -12.0},
    {"AlreadyAtTwoDecimals", 0.25, 2, 0.25},
    {"RoundsUpAtFourDecimals", 0.220963, 4, 0.221},
    {"NegativeRoundsDown", -1.24, 1, -1.2},
    {"BelowCutOffAtFifteenDecimals", 5e-13, 15, 0.0},
    {"AboveCutOffAtFifteenDecimals", 2e-12, 15, 2e-12},
};

TEST(RoundToDecimals, Table) {
    for (const RoundCase& row : kRoundCases) {
        SCOPED_TRACE(row.name);
        EXPECT_DOUBLE_EQ(RoundToDecimals(row.x, row.n), row.expected);
    }
}

// The binary value of 0.35 lies just below 0.35, and the round-down step
// leaves 0.4 - 0.1: the result is deliberately not the nearest double to 0.3.
TEST(RoundToDecimals, KeepsTheBinaryQuirkOf035) {
    EXPECT_EQ(RoundToDecimals(0.35, 1), 0.30000000000000004);
    EXPECT_NE(RoundToDecimals(0.35, 1), 0.3);
}

TEST(RoundToDecimals, ExactResultsForTheListedCases) {
    EXPECT_EQ(RoundToDecimals(2.5, 0), 3.0);
    EXPECT_EQ(RoundToDecimals(-2.5, 0), -3.0);
    EXPECT_EQ(RoundToDecimals(2.4999, 0), 2.0);
    EXPECT_EQ(RoundToDecimals(1e-13, 3), 0.0);
}

TEST(RoundToDecimals, ValuesTooLargeToScaleStayAsTheyAre) {
    EXPECT_EQ(RoundToDecimals(1e308, 1), 1e308);
    EXPECT_EQ(RoundToDecimals(-1e303, 6), -1e303);
}

class InterpolateLinearTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetEngineState(); }
};

TEST_F(InterpolateLinearTest, KeepsTheLineForTheCaller) {
    EXPECT_DOUBLE_EQ(InterpolateLinear(5, 0, 10, 0, 100), 50.0);
    EXPECT_DOUBLE_EQ(Engine().InterpolationSlope, 10.0);
    EXPECT_DOUBLE_EQ(Engine().InterpolationIntercept, 0.0);
}

TEST_F(InterpolateLinearTest, EqualAbscissaeReuseThePreviousSlope) {
    InterpolateLinear(5, 0, 10, 0, 100);
    EXPECT_DOUBLE_EQ(InterpolateLinear(3, 2, 2, 7, 9), 19.0);
    EXPECT_DOUBLE_EQ(Engine().InterpolationSlope, 10.0);
    EXPECT_DOUBLE_EQ(Engine().InterpolationIntercept, -11.0);
}

TEST_F(InterpolateLinearTest, EqualAbscissaeAtStartGiveY2) {
    EXPECT_DOUBLE_EQ(InterpolateLinear(3, 2, 2, 7, 9), 9.0);
    EXPECT_EQ(Engine().InterpolationSlope, 0.0);
}

TEST_F(InterpolateLinearTest, ExtrapolatesBeyondThePoints) {
    // Falling line through (100, 0.5) and (200, 0.3), read outside both ends.
    EXPECT_DOUBLE_EQ(InterpolateLinear(0, 100, 200, 0.5, 0.3), 0.7);
    EXPECT_DOUBLE_EQ(InterpolateLinear(300, 100, 200, 0.5, 0.3), 0.1);
}

// Records every message instead of showing it; dialogs are never used here.
class RecordingServices final : public Services {
  public:
    std::vector<std::string> messages;
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowModal(TForm&) override {}
    bool ExecuteFileDialog(const FileDialogRequest&, std::string&) override { return false; }
    void PrintImage(const QImage&) override {}
};

class ShowErrorAndAbortTest : public ::testing::Test {
  protected:
    void SetUp() override { previous_ = setServices(&recorder_); }
    void TearDown() override { setServices(previous_); }
    RecordingServices recorder_;
    Services* previous_ = nullptr;
};

// A check three calls deep, as an input check inside a handler would be.
void CheckValue(int value) {
    if (value == 3) ShowErrorAndAbort("Value out of range.");
}

TEST_F(ShowErrorAndAbortTest, EndsTheLoopAndTheWholeEvent) {
    int checked = 0;
    bool eventFinished = false;
    auto handler = [&] {
        for (int i = 0; i < 10; ++i) {
            CheckValue(i);
            ++checked;
        }
        eventFinished = true;
    };
    EXPECT_THROW(handler(), EAbort);
    EXPECT_EQ(checked, 3);
    EXPECT_FALSE(eventFinished);
    ASSERT_EQ(recorder_.messages.size(), 1u);
    EXPECT_EQ(recorder_.messages[0], "Value out of range.");
}

TEST(FormatLine, FormatsLikePrintf) {
    EXPECT_EQ(FormatLine("%6.1f %5d  %s", 12.345, 42, "cm"), "  12.3    42  cm");
    EXPECT_EQ(FormatLine("%s", ""), "");
}

// The formats of the range table and the result lines, and a few more, over
// values that round up, down and on exact ties, negative values rounding to
// zero, figures wider than their field and values beyond the field's reach:
// every line is the one printf writes.
TEST(FormatLine, FiguresMatchPrintfExactly) {
    const char* formats[] = {"%4.0f   %9.1f     %7.1f   %9.0f    %9.0f   %7.0f         %7.1f %7.1f",
                             "%9.5f",
                             "%6.4f",
                             "%7.2f",
                             "%.3f",
                             "%f",
                             "%-8.2f|",
                             "%3d|%-4i|%i",
                             "100%% %5.1f%%",
                             "%9.2e",
                             "%6.0i",
                             "%9.0i",
                             "%.1d",
                             "%.2d",
                             "%+7.1f",
                             "% 6.1f",
                             "%07.2f",
                             "%s %5.1f"};
    std::vector<double> values = {0.0,   -0.0,  0.5,   1.5,   2.5,    -0.5,     0.05,
                                  0.15,  0.25,  0.35,  -0.04, -0.4,   1e-7,     9.99995,
                                  99.95, 999.5, 1e15,  -1e15, 1e20,   -3.75e22, 123456789,
                                  0.125, 2.675, 1.005, 1e300, 5e-324, -1e-300,  4503599627370495.5};
    uint64_t seed = 12345;
    for (int i = 0; i < 3000; ++i) {
        seed = seed * 6364136223846793005u + 1442695040888963407u;
        const double scale = std::pow(10.0, static_cast<int>(seed >> 60) - 4);
        values.push_back((static_cast<double>(seed >> 11) / 9007199254740992.0 - 0.3) * scale);
    }
    char expected[2048];
    for (const char* format : formats) {
        for (size_t i = 0; i < values.size(); ++i) {
            const double v = values[i];
            const double w = values[(i * 7 + 3) % values.size()];
            const int k = static_cast<int>(std::fmod(v, 1e6));
            std::string line;
            const std::string f = format;
            if (f.rfind("%3d", 0) == 0) {
                std::snprintf(expected, sizeof expected, format, k, -k, k * 3);
                line = FormatLine(format, k, -k, k * 3);
            } else if (f.back() == 'i' || f.back() == 'd') {
                std::snprintf(expected, sizeof expected, format, k % 3);
                line = FormatLine(format, k % 3);
            } else if (f == "%s %5.1f") {
                std::snprintf(expected, sizeof expected, format, "x", v);
                line = FormatLine(format, "x", v);
            } else if (f.size() > 20) {
                std::snprintf(expected, sizeof expected, format, v, w, v, w, v, w, -v, w);
                line = FormatLine(format, v, w, v, w, v, w, -v, w);
            } else {
                std::snprintf(expected, sizeof expected, format, v);
                line = FormatLine(format, v);
            }
            ASSERT_EQ(line, expected) << format << " " << v;
        }
    }
}

TEST(FormatLine, LinesLongerThanTheOldBufferStayWhole) {
    const std::string path(500, 'x');
    const std::string line = FormatLine("Drag Function: %s", path.c_str());
    EXPECT_EQ(line.size(), 15 + path.size());
    EXPECT_EQ(line.substr(15), path);
    EXPECT_EQ(FormatLine("%.3f", 2e150).size(), 155u);
    // Either side of the length written in one pass.
    for (size_t n : {254u, 255u, 256u, 257u}) {
        const std::string text(n, 'y');
        EXPECT_EQ(FormatLine("%s", text.c_str()), text) << n;
        EXPECT_EQ(FormatLine("%s|", text.c_str()), text + "|") << n;
    }
}

}  // namespace
