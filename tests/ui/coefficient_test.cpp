// Both "GO!" buttons of the drag tab through the engine: a velocity and two
// heights made with a known coefficient and angle are inverted back to them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/numeric.h"
#include "platform/sysutils.h"
#include "tests/ui/calculator_fixture.h"

namespace {

// The velocity window is 0.1 %; the coefficient follows within 0.5 %.
constexpr double CoefficientTolerance = 0.005;
// Heights within 0.2 % leave the angle and the coefficient within about 1 %.
constexpr double FitTolerance = 0.01;

class Coefficient : public CalculatorHandlers {
  protected:
    // One run of the window in a search mode with the coefficient in Edit1,
    // to 300 m, in mode 5 through 100 m.
    void Fly(int mode, const char* bc, double angle) {
        W().Edit1->SetText(bc);
        W().PrepareComputation();
        Engine().Settings.ComputationMode = mode;
        Engine().Input.ZeroRange = 300;
        Engine().Fit.FitDistance1 = 100;
        Engine().Fit.FitDistance2 = 300;
        Engine().Input.DepartureAngle = angle;
        W().RunIntegration();
    }
    std::string Velocity() {
        return Run([&] { W().Button12Click(W().Button12); });
    }
    std::string TwoPoints() {
        return Run([&] { W().Button14Click(W().Button14); });
    }
    // An ended search leaves the fields and the pane as they were.
    void ExpectNothingWritten(int lines) {
        EXPECT_EQ(W().Edit1->Text(), "0.3");
        EXPECT_EQ(W().Memo1->Lines().Count(), lines);
    }
};

}  // namespace

TEST_F(Coefficient, VelocityAt300MetresGivesBackItsCoefficient) {
    Fly(4, "0.462", 0.1);
    W().Edit21->SetText(FloatToStr(Engine().CurrentSpeed));
    W().Edit1->SetText("0.3");
    W().CheckBox10->SetChecked(true);
    ASSERT_EQ(Velocity(), "");
    EXPECT_NEAR(StrToFloat(W().Edit1->Text()), 0.462, 0.462 * CoefficientTolerance);
    const int n = W().Memo1->Lines().Count();
    EXPECT_EQ(W().Memo1->Lines()[n - 3], "  G1 Drag Function");
    EXPECT_EQ(W().Memo1->Lines()[n - 1], FormatLine("  Ballistic Coefficient:            %6.4f  ",
                                                    StrToFloat(W().Edit1->Text())));
    EXPECT_FALSE(W().CheckBox10->Checked());
    EXPECT_FALSE(W().Button5->Enabled());
    EXPECT_FALSE(W().RadioGroup1->Enabled());
    EXPECT_EQ(Engine().Settings.ComputationMode, 0);
}

TEST_F(Coefficient, VelocityChecksInOrderBeforeAnyRun) {
    struct Case {
        const char *distance, *velocity, *message;
    };
    const Case cases[] = {
        {"24.99", "415", "Distance less than 5 m."},
        {"25", "0", "Velocity less than or equal to zero."},  // exactly 5 m passes
        {"300", "-1", "Velocity less than or equal to zero."},
        {"300", "5000", "Velocity greater than Muzzle Velocity."},
    };
    W().Edit22->SetText("20");
    W().Edit1->SetText("0.3");
    const int lines = W().Memo1->Lines().Count();
    for (const Case& c : cases) {
        W().Edit20->SetText(c.distance);
        W().Edit21->SetText(c.velocity);
        EXPECT_EQ(Velocity(), c.message) << c.distance << " " << c.velocity;
        EXPECT_EQ(Engine().CurrentSpeed, 0);
        ExpectNothingWritten(lines);
    }
}

TEST_F(Coefficient, VelocityTooLowEndsOnTheLowestCoefficient) {
    // The secant falls below 0.001, and the bullet then stops short of
    // 300 m: the coefficient is the cause, not the integration step.
    W().Edit1->SetText("0.3");
    W().Edit21->SetText("100");
    const int lines = W().Memo1->Lines().Count();
    EXPECT_EQ(Velocity(), "Ballistic Coefficient less than 0.001.");
    EXPECT_EQ(services_.messages.size(), 1u);
    ExpectNothingWritten(lines);
}

TEST_F(Coefficient, TwoHeightsGiveBackAngleAndCoefficient) {
    Fly(5, "0.462", 0.12);
    const TrajectoryFit fit = Engine().Fit;
    W().Edit26->SetText(FloatToStr(fit.FitComputedHeight1 * 100));
    W().Edit28->SetText(FloatToStr(fit.FitComputedHeight2 * 100));
    W().Edit1->SetText("0.4");
    W().RadioGroup3->SetItemIndex(1);
    ASSERT_EQ(TwoPoints(), "");
    EXPECT_NEAR(StrToFloat(W().Edit6->Text()), 0.12, 0.12 * FitTolerance);
    EXPECT_NEAR(StrToFloat(W().Edit1->Text()), 0.462, 0.462 * FitTolerance);
    EXPECT_EQ(W().RadioGroup3->ItemIndex(), 0);
    EXPECT_TRUE(W().Edit6->Visible());
    EXPECT_EQ(W().Memo1->Lines()[W().Memo1->Lines().Count() - 1],
              FormatLine("  Angle of Departure [deg]:   %6.4f  ", StrToFloat(W().Edit6->Text())));
}

TEST_F(Coefficient, TwoPointDefaultsConvergeOnTheZeroHeight) {
    // The measured height of 0 at 300 m is met within half a millimetre.
    W().RadioGroup5->SetItemIndex(2);
    ASSERT_EQ(TwoPoints(), "");
    EXPECT_EQ(W().RadioGroup5->ItemIndex(), 1);
    EXPECT_LE(std::abs(Engine().Fit.FitComputedHeight2), 0.0005);
    EXPECT_EQ(Engine().Settings.ComputationMode, 0);
}

TEST_F(Coefficient, TwoPointDistancesAreChecked) {
    W().Edit1->SetText("0.3");
    const int lines = W().Memo1->Lines().Count();
    W().Edit25->SetText("0");
    EXPECT_EQ(TwoPoints(), "Distance less than or equal to zero.");
    W().Edit25->SetText("300");
    EXPECT_EQ(TwoPoints(), "Distance X2 must be greater than Distance X1.");
    ExpectNothingWritten(lines);
    EXPECT_EQ(W().Edit6->Text(), "0.1");
    EXPECT_EQ(Engine().Settings.ComputationMode, 5);
}
