// "Compute" of "Reticle Calculation": the table, its listing and the wind.
#include <algorithm>

#include "calculator_fixture.h"
#include "engine/numeric.h"
#include "engine/setup.h"
#include "platform/sysutils.h"

namespace {

class ReticleWindow : public CalculatorHandlers {
  protected:
    std::string Press() { return Handle(&Tvstup::Button19Click); }
    bool Listed(const std::string& line) { return W().Memo1->Lines().IndexOf(line) >= 0; }
    const double* V() { return Engine().MilDot.MilDotVertical; }
    const double* H() { return Engine().MilDot.MilDotHorizontal; }
};

}  // namespace

TEST_F(ReticleWindow, MilDotZeroRangesAndNoHoldsWithoutWind) {
    W().RadioGroup8->SetItemIndex(0);  // "Distance"
    ASSERT_EQ(Press(), "");
    // The centre mark (6) lies within a step of the 100 m zero; the marks
    // above it are never reached, those below lie further out.
    EXPECT_NEAR(V()[6], 100, 1);
    for (int i = 7; i <= 11; ++i) EXPECT_GT(V()[i], V()[i - 1]) << i;
    EXPECT_EQ(V()[5] + V()[1] + V()[0] + V()[12], 0);
    EXPECT_TRUE(Listed("  Dot      5:       Bullet Traj. under Line of Sight"));
    EXPECT_TRUE(Listed(FormatLine("  Dot      0:    %6.0f  m", V()[6])));
    EXPECT_TRUE(std::all_of(H(), H() + MilDotEntries, [](double v) { return v == 0; }));
    EXPECT_LT(W().Memo1->Lines().IndexOf("  Zero Ranges at Cross Wind:    0 m/s"), 0);
    EXPECT_TRUE(W().Button20->Enabled() && W().Button5->Enabled());
}

TEST_F(ReticleWindow, WindHoldsAtTheShootingDistance) {
    W().Edit64->SetText("300");
    ASSERT_EQ(Press(), "");
    // Drift grows with the wind: j marks need j times the wind.
    ASSERT_GT(H()[1], 0);
    for (int j = 2; j <= 5; ++j) EXPECT_NEAR(H()[j], j * H()[1], j * 0.1) << j;
    // From 10 m/s on a hold is kept in whole m/s.
    for (int j = 1; j <= 5; ++j) EXPECT_TRUE(H()[j] < 10 || H()[j] == std::round(H()[j])) << j;
    EXPECT_TRUE(Listed(FormatLine("  Dot      1:     %6.1f  m/s", H()[1])));

    // At the muzzle there is no drift yet: out of range, not a division by 0.
    W().Edit64->SetText("0");
    ASSERT_EQ(Press(), "");
    EXPECT_TRUE(Listed("  Dot      1:        Wind Speed over 100 m/s"));
    EXPECT_EQ(H()[1], 0);

    W().Edit64->SetText("5000");
    ASSERT_EQ(Press(), "");
    EXPECT_EQ(W().Edit64->Text(), FloatToStr(V()[11]));
    EXPECT_TRUE(Listed("  Shooting Distance changed"));
}

TEST_F(ReticleWindow, OneMoaMarksWithoutListingAndRefusals) {
    // Two 1-MOA marks span one 2-MOA mark of the same layout, to within a
    // metre (the runs' frames differ slightly); neither is listed.
    W().ComboBox7->SetItemIndex(1);
    ASSERT_EQ(Press(), "");
    const double twoMoa = V()[7];
    W().ComboBox7->SetItemIndex(5);
    ASSERT_EQ(Press(), "");
    EXPECT_NEAR(V()[8], twoMoa, 1);
    EXPECT_LT(V()[7], twoMoa);
    EXPECT_LT(W().Memo1->Lines().IndexOf("  Zero Ranges with MilDot Reticle:"), 0);

    const int lines = W().Memo1->Lines().Count();
    W().CheckBox4->SetChecked(true);
    W().ComboBox7->SetText("my reticle");
    EXPECT_EQ(Press(), "Reticle is not chosen.");
    EXPECT_EQ(W().Memo1->Lines().Count(), lines);
    EXPECT_TRUE(W().CheckBox4->Checked());
}

TEST_F(ReticleWindow, SpeedAndAngleWindSurvivesSuccessAndFailure) {
    // 5 m/s from 30 degrees: 2.5 m/s across, up to the set-up's degree rounding.
    constexpr double WindTolerance = 1e-6;  // m/s
    W().RadioGroup7->SetItemIndex(WindSpeedAndAngle);
    W().Edit10->SetText("5");
    W().Edit11->SetText("30");
    ASSERT_EQ(Press(), "");
    EXPECT_NEAR(Engine().Input.CrossWind, 2.5, WindTolerance);

    // Marks of 17 degrees: the 20 m/s hold run climbs at 85 degrees, too long
    // a flight for a fixed 0.5 ms step.
    W().CheckBox8->SetChecked(false);
    W().Edit42->SetText("7128");
    EXPECT_EQ(Press(), "Maximum Number of Steps was reached. Increase the Step.");
    EXPECT_NEAR(Engine().Input.CrossWind, 2.5, WindTolerance);
    EXPECT_FALSE(W().Button5->Enabled());

    W().Edit42->SetText("100000");
    EXPECT_EQ(Press(), "Angle of Departure greater than 90 deg.");
}
