// Extreme values typed and clicked as a user would: no field or result line
// ever shows an infinity or a not-a-number; overflowing figures are refused.
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QRadioButton>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "calculator_fixture.h"
#include "engine/setup.h"
#include "platform/sysutils.h"

namespace fs = std::filesystem;

namespace {

bool ShowsNoNumber(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.find("inf") == std::string::npos && text.find("nan") == std::string::npos;
}

class ExtremeInputs : public CalculatorHandlers {
  protected:
    // A user's click: a failing handler ends only its event.
    void Press(TControl* button) { static_cast<QAbstractButton*>(button->Widget())->click(); }
    void Choose(TRadioGroup* group, int item) {
        group->Widget()->findChildren<QRadioButton*>().at(item)->click();
    }
    // Every edit field and every line of the result pane.
    void ExpectNothingShowsInfinity() {
        for (int n = 1; n <= 64; ++n) {
            auto* edit = dynamic_cast<TEdit*>(W().FindComponent("Edit" + std::to_string(n)));
            if (edit) {
                EXPECT_TRUE(ShowsNoNumber(edit->Text())) << edit->Name() << edit->Text();
            }
        }
        for (const std::string& line : LinesFrom(0)) EXPECT_TRUE(ShowsNoNumber(line)) << line;
    }
    void ExpectOnly(const std::string& message) {
        EXPECT_EQ(services_.messages, std::vector<std::string>{message});
    }
};

TEST_F(ExtremeInputs, HugeTargetsAndAnglesStayFinite) {
    W().Edit7->SetText("1e308");
    W().Edit14->SetText("45");
    Press(W().RadioButton1);
    EXPECT_NEAR(StrToFloat(W().Edit7->Text()), 7.0710678e307, 1e301);
    EXPECT_NEAR(StrToFloat(W().Edit14->Text()), 7.0710678e307, 1e301);
    ExpectNothingShowsInfinity();

    // A target almost straight up: 90 degrees, the slant distance its height.
    W().Edit7->SetText("1e300");
    W().Edit14->SetText("1e308");
    Press(W().RadioButton2);
    EXPECT_EQ(W().Edit14->Text(), "90");
    EXPECT_EQ(StrToFloat(W().Edit7->Text()), 1e308);
    ExpectNothingShowsInfinity();

    Choose(W().RadioGroup3, ModeAngleOfDeparture);
    W().Edit6->SetText("1e308");
    W().UpDown1->ArrowPressed(btNext);
    EXPECT_EQ(StrToFloat(W().Edit6->Text()), 1e308);
    ExpectNothingShowsInfinity();
    W().Edit6->SetText("-1e303");
    Choose(W().RadioGroup3, 1);  // "Zero Range"
    Press(W().Button3);
    ExpectNothingShowsInfinity();
}

TEST_F(ExtremeInputs, AirTemperatureLimitsThemselvesPass) {
    for (const auto& [celsius, passes] :
         {std::pair{"-21", true}, {"40", true}, {"-21.01", false}, {"40.01", false}}) {
        W().Edit13->SetText(celsius);
        services_.messages.clear();
        Press(W().Button3);
        const bool refused = !services_.messages.empty() &&
                             services_.messages.back().starts_with("Air Temperature too");
        EXPECT_EQ(refused, !passes) << celsius;
    }
}

TEST_F(ExtremeInputs, FiguresThatOverflowAreRefused) {
    // Edit2 at 6e305 overflows the energy.
    const std::tuple<bool, int, const char*, const char*> rows[] = {
        {false, CoefficientFormFactor, "Edit1", "1e-310"},
        {false, CoefficientBallistic, "Edit2", "6e305"},
        {true, CoefficientBallistic, "Edit3", "1e300"},
        {true, CoefficientBallistic, "Edit3", "1e-300"},
        {true, CoefficientBallistic, "Edit2", "1.7e308"},
        {true, CoefficientBallistic, "Edit57", "1e300"},
        {true, CoefficientBallistic, "Edit12", "1e-300"}};
    for (const auto& [drift, coefficientMode, field, value] : rows) {
        SCOPED_TRACE(std::string(field) + value);
        TearDown();
        SetUp();
        if (drift) Press(W().CheckBox3);
        Choose(W().RadioGroup5, coefficientMode);
        W().Find<TEdit>(field)->SetText(value);
        services_.messages.clear();
        Press(W().Button3);
        ExpectOnly("Trajectory computation failed: check the inputs.");
        ExpectNothingShowsInfinity();
    }
}

TEST_F(ExtremeInputs, DragFilesThatCannotServeChangeNothing) {
    const fs::path dir =
        fs::temp_directory_path() / ("vstup_extremes_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    ASSERT_EQ(::mkfifo((dir / "pipe.drg").c_str(), 0600), 0);
    std::ofstream(dir / "tiny.drg") << "DRG, x,1e-300,1e300\n0.3 0.5\n0.4 1.0\n0 0\n";
    for (const auto& [file, message] :
         {std::pair{"pipe.drg", "DRG function not found."}, {"tiny.drg", "Wrong data format."}}) {
        SCOPED_TRACE(file);
        services_.AnswerFileDialog((dir / file).string());
        services_.messages.clear();
        Press(W().Button4);
        ExpectOnly(message);
        EXPECT_EQ(W().ComboBox6->ItemIndex(), 1);
        EXPECT_EQ(W().RadioGroup5->ItemIndex(), CoefficientBallistic);
        EXPECT_EQ(W().Edit33->Text(), "308 Sierra MatchKing 168gr.");
        EXPECT_EQ(Engine().DragFileName, "");
    }
    fs::remove_all(dir);
}

TEST_F(ExtremeInputs, FailedComputeLeavesTheGraphOfTheLastRun) {
    Press(W().Button3);
    ASSERT_TRUE(services_.messages.empty());
    // Refused only after the weight, the diameter and the sight height were read.
    W().Edit2->SetText("20");
    W().Edit3->SetText("0");
    W().Edit5->SetText("100");
    Press(W().Button3);
    ExpectOnly("Bullet Diameter less than or equal to zero.");

    constexpr double MuzzleEnergy = 0.5 * 0.01089 * 800 * 800;  // J, the shot that was run
    Choose(W().RadioGroup1, 2);                                 // "Energy"
    EXPECT_NEAR(MainGraphState.GraphPoints[2][0][1][0], MuzzleEnergy, 1e-6);
    Choose(W().RadioGroup1, 0);                             // "Traj. Height"
    Press(W().CheckBox2);                                   // "Line of Depart."
    EXPECT_EQ(MainGraphState.GraphPoints[2][2][1][0], -4);  // cm: the 40 mm sight of the run
}

}  // namespace
