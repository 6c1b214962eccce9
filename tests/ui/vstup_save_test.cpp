// "Save" on the calculator window after a computation: the file written, its
// table step, and what a failed action or a failed write leaves behind.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/safefile.h"
#include "platform/sysutils.h"
#include "tests/ui/calculator_fixture.h"
#include "ui/tools/Nastaveniuloz1.h"

namespace {

class Save : public CalculatorHandlers {
  protected:
    void SetUp() override {
        CalculatorHandlers::SetUp();
        folder_ = std::filesystem::current_path();
        nastaveniuloz = &options_;
        // "Continue" unless a test closes the window instead.
        services_.onShowModal = [this](TForm&) {
            if (pressContinue_) options_.Button1->Click();
        };
        W().CheckBox4->SetChecked(true);
        W().Edit15->SetText("300");
        W().CheckBox5->SetChecked(false);
        ASSERT_NO_THROW(W().Button3Click(W().Button3));
    }
    void TearDown() override {
        nastaveniuloz = nullptr;
        CalculatorHandlers::TearDown();
        std::filesystem::current_path(folder_);
    }

    // Presses "Save" with the file kind and answers the file dialog; returns the file.
    std::string SaveAs(int kind, const std::string& name) {
        options_.RadioGroup1->SetItemIndex(kind);
        services_.AnswerFileDialog(InitFileFolder() + name);
        W().Button5->Click();
        std::ostringstream text;
        text << std::ifstream(InitFileFolder() + name, std::ios::binary).rdbuf();
        return text.str();
    }
    static bool Has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }

    Tnastaveniuloz options_;
    std::filesystem::path folder_;
    bool pressContinue_ = true;
};

}  // namespace

TEST_F(Save, TextAndCsvFilesOfTheDefaultComputation) {
    const std::string file = SaveAs(0, "shot.txt");
    EXPECT_EQ(services_.fileRequests.at(0).fileName, "Vantorra.txt");
    EXPECT_EQ(file.rfind("\n            *** Vantorra *** \n", 0), 0u);
    EXPECT_TRUE(Has(file, "\n Ammo: 308 Sierra MatchKing 168gr.\n\n Drag Function: G1 \n BC"));
    EXPECT_TRUE(Has(file, "\n 1 Click:                       1/4 MOA\n Air"));
    EXPECT_TRUE(Has(file, "\n\n\n  X [m]    Y [Clicks]     T [ms]   Wind [Clicks]\n -"));
    EXPECT_TRUE(Has(file, "\n    0         0.0         0          0.0\n   25 "));
    // Rows every 25 m to the 300 m limit, the last without a line end.
    EXPECT_EQ(file.substr(file.rfind('\n') + 1, 6), "  300 ");
    EXPECT_TRUE(services_.messages.empty());
    EXPECT_EQ(std::filesystem::current_path() / "", InitFileFolder());

    const std::string csv = SaveAs(2, "shot.csv");
    EXPECT_EQ(services_.fileRequests.back().fileName, "Vantorra.csv");
    EXPECT_TRUE(Has(csv, "\n X [m] , Y [Clicks] , T [ms] , Wind [Clicks]  ,\n    0 ,     0.0 ,"));
}

TEST_F(Save, NothingWrittenAfterAClosedOptionsWindowOrAFailedAction) {
    pressContinue_ = false;
    const int lines = W().Memo1->Lines().Count();
    EXPECT_EQ(SaveAs(0, "shot.txt"), "");
    EXPECT_TRUE(services_.fileRequests.empty());
    EXPECT_EQ(W().Memo1->Lines().Count(), lines);

    services_.modalForms.clear();
    W().CheckBox4->SetChecked(false);
    EXPECT_THROW(W().Button3Click(W().Button3), EAbort);
    W().Button5Click(W().Button5);
    EXPECT_TRUE(services_.modalForms.empty());
}

TEST_F(Save, FailedWriteIsReported) {
    std::ofstream(InitFileFolder() + "plain") << "x";
    SaveAs(0, "plain/shot.txt");
    EXPECT_EQ(services_.messages, std::vector<std::string>{FileWriteFailedMessage});
}

TEST_F(Save, HeaderFollowsTheComputationsCoefficientMode) {
    W().RadioGroup5->SetItemIndex(2);  // "Variable Ball. Coeff." after the computation
    const std::string file = SaveAs(0, "shot.txt");
    EXPECT_TRUE(Has(file, "\n BC [lb/in2]:                   0.4620  "));
    EXPECT_FALSE(Has(file, "For Velocity"));
}

TEST_F(Save, StepRaisedOnPointsNineAndTen) {
    W().ComboBox1->SetItemIndex(1);  // 5 m
    W().ComboBox1Change(W().ComboBox1);
    TrajectoryArrays& t = Engine().Traj;
    t.TrajRange[10] = t.TrajRange[9] + 7;
    const std::string file = SaveAs(0, "shot.txt");
    EXPECT_EQ(W().Memo1->Lines()[W().Memo1->Lines().Count() - 1],
              " Computation Step in saved file was increased.");
    EXPECT_EQ(W().ComboBox1->ItemIndex(), 2);
    EXPECT_EQ(Engine().Settings.RangeStep, 10);
    EXPECT_TRUE(Has(file, "\n    0 ") && Has(file, "\n   10 ") && !Has(file, "\n    5 "));
}

TEST_F(Save, SlantFormKeepsTheListStep) {
    W().ComboBox1->SetItemIndex(3);  // 25 m
    W().ComboBox1Change(W().ComboBox1);
    // A target 110 m away along a line 20 degrees up.
    ASSERT_TRUE(W().RadioButton2->Checked());
    W().Edit7->SetText("110");
    W().Edit14->SetText("20");
    ASSERT_EQ(Handle(&Tvstup::Button11Click), "");
    const std::string file = SaveAs(0, "shot.txt");
    EXPECT_TRUE(Has(file, "\n Shooting Up/Downhill  \n \n S.D.[m]    Y [Clicks]"));
    // Rows along the line to the target, 25 × cos 20° m apart horizontally.
    EXPECT_TRUE(Has(file, "\n   25 ") && Has(file, "\n   50 ") && Has(file, "\n  100 "));
    EXPECT_EQ(Engine().Settings.RangeStep, 25);
}
