// The calculator window driven with extreme values, as a user would type and
// click them: no field or result line may ever show an infinity or a
// not-a-number, and values whose derived quantities overflow are refused.
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QRadioButton>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>

#include "calculator_fixture.h"
#include "engine/setup.h"
#include "platform/sysutils.h"

namespace fs = std::filesystem;

namespace {

const char* const Failed = "Trajectory computation failed: check the inputs.";

bool ShowsNoNumber(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.find("inf") == std::string::npos && text.find("nan") == std::string::npos;
}

class ExtremeInputs : public CalculatorHandlers {
  protected:
    // A user's click: the button's own signal, so a failing handler ends
    // only its event and leaves its message with the services.
    void Press(TControl* button) { static_cast<QAbstractButton*>(button->Widget())->click(); }
    void Choose(TRadioGroup* group, int item) {
        group->Widget()->findChildren<QRadioButton*>().at(item)->click();
    }
    // Every edit field and every line of the result pane, by name.
    void ExpectNothingShowsInfinity() {
        for (int n = 1; n <= 64; ++n) {
            auto* edit = dynamic_cast<TEdit*>(W().FindComponent("Edit" + std::to_string(n)));
            if (edit) {
                EXPECT_TRUE(ShowsNoNumber(edit->Text())) << edit->Name() << edit->Text();
            }
        }
        const TStrings& lines = W().Memo1->Lines();
        for (int i = 0; i < lines.Count(); ++i) EXPECT_TRUE(ShowsNoNumber(lines[i])) << lines[i];
    }
};

TEST_F(ExtremeInputs, HugeUphillTargetConvertsWithoutOverflow) {
    W().Edit7->SetText("1e308");
    W().Edit14->SetText("45");
    Press(W().RadioButton1);
    EXPECT_TRUE(W().RadioButton1->Checked());
    EXPECT_NEAR(StrToFloat(W().Edit7->Text()), 7.0710678e307, 1e301);
    EXPECT_NEAR(StrToFloat(W().Edit14->Text()), 7.0710678e307, 1e301);
    ExpectNothingShowsInfinity();

    // A target almost straight up, far beyond any distance: the angle shows
    // 90 and the slant distance is the target's distance itself.
    W().Edit7->SetText("1e300");
    W().Edit14->SetText("1e308");
    Press(W().RadioButton2);
    EXPECT_EQ(W().Edit14->Text(), "90");
    EXPECT_EQ(StrToFloat(W().Edit7->Text()), 1e308);
    ExpectNothingShowsInfinity();
}

TEST_F(ExtremeInputs, ClickOnAHugeAngleKeepsItFinite) {
    Choose(W().RadioGroup3, ModeAngleOfDeparture);
    W().Edit6->SetText("1e308");
    W().UpDown1->ArrowPressed(btNext);
    EXPECT_EQ(StrToFloat(W().Edit6->Text()), 1e308);
    ExpectNothingShowsInfinity();
}

TEST_F(ExtremeInputs, ZeroingFromAHugeNegativeAngleShowsNoInfinity) {
    Choose(W().RadioGroup3, ModeAngleOfDeparture);
    W().Edit6->SetText("-1e303");
    Choose(W().RadioGroup3, 1);  // "Zero Range"
    Press(W().Button3);
    ExpectNothingShowsInfinity();
}

TEST_F(ExtremeInputs, AirTemperatureLimitsThemselvesPass) {
    const struct {
        const char* celsius;
        bool passes;
    } rows[] = {{"-21", true}, {"40", true}, {"-21.01", false}, {"40.01", false}};
    for (const auto& row : rows) {
        W().Edit13->SetText(row.celsius);
        services_.messages.clear();
        Press(W().Button3);
        const bool refused = !services_.messages.empty() &&
                             services_.messages.back().starts_with("Air Temperature too");
        EXPECT_EQ(refused, !row.passes) << row.celsius;
    }
}

TEST_F(ExtremeInputs, FiguresThatOverflowAreRefused) {
    const struct {
        bool drift;
        int coefficientMode;
        const char* field;
        const char* value;
    } rows[] = {{false, CoefficientFormFactor, "Edit1", "1e-310"},
                {false, CoefficientBallistic, "Edit2", "6e305"},  // energy
                {true, CoefficientBallistic, "Edit3", "1e300"},
                {true, CoefficientBallistic, "Edit3", "1e-300"},
                {true, CoefficientBallistic, "Edit2", "1.7e308"},
                {true, CoefficientBallistic, "Edit57", "1e300"},
                {true, CoefficientBallistic, "Edit12", "1e-300"}};
    for (const auto& row : rows) {
        TearDown();
        SetUp();
        if (row.drift) Press(W().CheckBox3);
        Choose(W().RadioGroup5, row.coefficientMode);
        W().Find<TEdit>(row.field)->SetText(row.value);
        services_.messages.clear();
        Press(W().Button3);
        EXPECT_EQ(services_.messages, std::vector<std::string>{Failed}) << row.field << row.value;
        ExpectNothingShowsInfinity();
    }
}

TEST_F(ExtremeInputs, DragFilesThatCannotServeChangeNothing) {
    const fs::path dir =
        fs::temp_directory_path() / ("vstup_extremes_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    ASSERT_EQ(::mkfifo((dir / "pipe.drg").c_str(), 0600), 0);
    std::ofstream(dir / "tiny.drg") << "DRG, x,1e-300,1e300\n0.3 0.5\n0.4 1.0\n0 0\n";
    const struct {
        const char* file;
        const char* message;
    } rows[] = {{"pipe.drg", "DRG function not found."}, {"tiny.drg", "Wrong data format."}};
    for (const auto& row : rows) {
        services_.AnswerFileDialog((dir / row.file).string());
        services_.messages.clear();
        Press(W().Button4);
        EXPECT_EQ(services_.messages, std::vector<std::string>{row.message}) << row.file;
        EXPECT_EQ(W().ComboBox6->ItemIndex(), 1) << row.file;
        EXPECT_EQ(W().RadioGroup5->ItemIndex(), CoefficientBallistic) << row.file;
        EXPECT_EQ(W().Edit33->Text(), "308 Sierra MatchKing 168gr.") << row.file;
        EXPECT_EQ(Engine().DragFileName, "") << row.file;
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
    ASSERT_EQ(services_.messages,
              std::vector<std::string>{"Bullet Diameter less than or equal to zero."});

    constexpr double MuzzleEnergy = 0.5 * 0.01089 * 800 * 800;  // J, the shot that was run
    Choose(W().RadioGroup1, 2);                                 // "Energy"
    EXPECT_NEAR(MainGraphState.GraphPoints[2][0][1][0], MuzzleEnergy, 1e-6);
    Choose(W().RadioGroup1, 0);  // "Traj. Height"
    Press(W().CheckBox2);        // "Line of Depart."
    ASSERT_TRUE(W().CheckBox2->Checked());
    EXPECT_EQ(MainGraphState.GraphPoints[2][2][1][0], -4);  // cm: the 40 mm sight of the run
}

}  // namespace
