// The mode and option controls of the calculator window: settings chosen by
// list, the click spinner, the fields each mode shows, enables and converts,
// and that the window's description agrees with its handlers.
#include <QTest>
#include <cmath>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "calculator_fixture.h"
#include "engine/numeric.h"
#include "platform/sysutils.h"

namespace {

// Settings are assigned from exact constants.
constexpr double Exact = 0;
// A value computed once and read back, or a sixtieth computed two ways.
constexpr double SameValue = 1e-15;

class ModeControls : public CalculatorHandlers {
  protected:
    // Every enabled, visible and text state of the window, by control name.
    std::map<std::string, std::string> States() {
        std::map<std::string, std::string> states;
        const char* const kinds[] = {"Edit",     "Label",       "CheckBox", "RadioGroup",
                                     "ComboBox", "Button",      "BitBtn",   "Image",
                                     "GroupBox", "RadioButton", "UpDown",   "ScrollBar"};
        for (const char* kind : kinds) {
            for (int n = 1; n <= 111; ++n) {
                const std::string name = kind + std::to_string(n);
                auto* control = dynamic_cast<TControl*>(W().FindComponent(name));
                if (!control) continue;
                states[name] = std::string(control->Enabled() ? "E" : "-") +
                               (control->Visible() ? "V" : "-") + control->Text();
            }
        }
        return states;
    }
    std::vector<std::string> Enabled(std::initializer_list<TControl*> controls) {
        std::vector<std::string> names;
        for (TControl* c : controls)
            if (c->Enabled()) names.push_back(c->Name());
        return names;
    }
    void Spin(TUDBtnType direction) { W().UpDown1->ArrowPressed(direction); }
};

TEST_F(ModeControls, TableStepFollowsTheStepList) {
    const double steps[] = {1, 5, 10, 25, 50, 100, 200, 1000};
    for (int item = 0; item < 8; ++item) {
        W().ComboBox1->UserPicked(item);
        EXPECT_EQ(Engine().Settings.RangeStep, steps[item]) << item;
    }
    // Typed text selects no item and keeps the step.
    W().ComboBox1->SetText("  7");
    W().ComboBox1->UserTyped();
    EXPECT_EQ(Engine().Settings.RangeStep, 1000);
}

TEST_F(ModeControls, FixedClickItemsSetTheClickValue) {
    const double clicks[] = {1.0 / 120,   1.0 / 180,   1.0 / 240,  1.0 / 480,
                             0.005729577, 0.004010704, 0.002864788};
    for (int item = 0; item < 7; ++item) {
        W().ComboBox2->UserPicked(item);
        EXPECT_NEAR(Engine().Settings.ClickValue, clicks[item], Exact) << item;
        EXPECT_FALSE(W().Edit24->Enabled()) << item;
    }
}

TEST_F(ModeControls, CustomClickItemsOpenTheFieldWithItsUnit) {
    W().ComboBox2->UserPicked(7);  // "Value in mm"
    EXPECT_TRUE(W().Edit24->Enabled());
    EXPECT_TRUE(W().Label56->Visible());
    EXPECT_FALSE(W().Label48->Visible());
    W().ComboBox2->UserPicked(8);  // "Value in MOA"
    EXPECT_TRUE(W().Label48->Visible());
    EXPECT_FALSE(W().Label56->Visible());
    W().ComboBox2->UserPicked(2);
    EXPECT_FALSE(W().Edit24->Enabled());
}

TEST_F(ModeControls, SpinnerStepsTheAngleByOneClick) {
    W().Edit6->SetText("0.1");
    ASSERT_EQ(W().ComboBox2->ItemIndex(), 2);  // "1/4  MOA"
    Spin(btNext);
    EXPECT_EQ(W().Edit6->Text(), "0.104167");
    EXPECT_EQ(Engine().Input.DepartureAngle, RoundToDecimals(0.1 + 1.0 / 240, 6));
    EXPECT_EQ(W().Label12->Caption(), "1");
    EXPECT_EQ(W().RadioGroup3->ItemIndex(), 0);  // "Angle of Departure"
    EXPECT_TRUE(W().Edit6->Visible());
    EXPECT_TRUE(W().Edit6->Enabled());

    Spin(btPrev);
    EXPECT_EQ(W().Edit6->Text(), "0.1");
    EXPECT_EQ(W().Label12->Caption(), "0");

    // "Zero" resets the counter and leaves the angle.
    Spin(btNext);
    W().Button8->Click();
    EXPECT_EQ(W().Label12->Caption(), "0");
    EXPECT_EQ(W().UpDown1->Position(), 0);
    EXPECT_EQ(W().Edit6->Text(), "0.104167");
}

TEST_F(ModeControls, SpinnerTakesACustomClickFromItsField) {
    W().Edit6->SetText("0.1");
    W().ComboBox2->UserPicked(7);
    W().Edit24->SetText("10");
    Spin(btNext);
    // Not the stored 0.005729577 of the "10mm/100m" item.
    EXPECT_NEAR(Engine().Settings.ClickValue, std::atan(0.0001) * 57.295779, Exact);
    EXPECT_NE(Engine().Settings.ClickValue, 0.005729577);
    EXPECT_EQ(W().Edit6->Text(),
              FloatToStr(RoundToDecimals(0.1 + std::atan(0.0001) * 57.295779, 6)));

    W().ComboBox2->UserPicked(8);
    W().Edit24->SetText("0.5");
    Spin(btNext);
    EXPECT_NEAR(Engine().Settings.ClickValue, 0.5 / 60, SameValue);
}

TEST_F(ModeControls, SpinnerRefusesACustomClickOfZeroOrLess) {
    W().Edit6->SetText("0.1");
    const double before = Engine().Settings.ClickValue;
    for (const auto& [item, text] : {std::pair{7, "0"}, std::pair{8, "-2"}}) {
        W().ComboBox2->UserPicked(item);
        W().Edit24->SetText(text);
        services_.messages.clear();
        Spin(btNext);
        EXPECT_EQ(services_.messages, std::vector<std::string>{"Click less than or equal to zero."})
            << text;
        EXPECT_EQ(Engine().Settings.ClickValue, before) << text;
        EXPECT_EQ(W().Edit6->Text(), "0.1") << text;
        EXPECT_EQ(W().Label12->Caption(), "0") << text;
        EXPECT_EQ(W().UpDown1->Position(), 0) << text;
        EXPECT_EQ(W().RadioGroup3->ItemIndex(), 1) << text;
    }
}

TEST_F(ModeControls, StepScrollBarSetsTheIntegrationStep) {
    W().ScrollBar1->SetPosition(25);
    EXPECT_NEAR(Engine().Settings.IntegrationStep, 0.0025, SameValue);
    EXPECT_EQ(W().Label50->Caption(), "2.5");
}

TEST_F(ModeControls, ClearEmptiesTheResultPane) {
    W().Memo1->Lines().Add("  a line");
    W().Button2->Click();
    EXPECT_EQ(W().Memo1->Lines().Count(), 0);
}

TEST_F(ModeControls, ComputationModesShowTheirFields) {
    W().RadioGroup3->SetItemIndex(2);  // "Zero Range X,Y"
    EXPECT_EQ(W().Edit19->Left(), 88);
    for (TControl* c : {static_cast<TControl*>(W().Edit19), static_cast<TControl*>(W().Edit63),
                        static_cast<TControl*>(W().Label64), static_cast<TControl*>(W().Label72)})
        EXPECT_TRUE(c->Visible()) << c->Name();
    EXPECT_TRUE(W().Edit63->Enabled());
    EXPECT_FALSE(W().Label7->Visible());

    W().RadioGroup3->SetItemIndex(0);
    EXPECT_TRUE(W().Edit6->Visible());
    EXPECT_TRUE(W().Label6->Visible());
    EXPECT_FALSE(W().Edit19->Visible());
    EXPECT_FALSE(W().Edit63->Visible());
    EXPECT_FALSE(W().Edit63->Enabled());

    W().RadioGroup3->SetItemIndex(1);
    EXPECT_EQ(W().Edit19->Left(), 112);
    EXPECT_TRUE(W().Edit19->Visible());
    EXPECT_TRUE(W().Label7->Visible());
    EXPECT_FALSE(W().Edit6->Visible());
    EXPECT_FALSE(W().Edit6->Enabled());
}

TEST_F(ModeControls, CoefficientAndFormFactorConvertBothWays) {
    struct Row {
        const char* diameter;
        const char* formFactor;
    };
    // The start-up diameter, then the one of the window description.
    for (const Row& row : {Row{"7.85", "0.5441"}, Row{"7.62", "0.5774"}}) {
        W().Edit3->SetText(row.diameter);
        W().Edit1->SetText("0.462");
        W().RadioGroup5->SetItemIndex(0);
        EXPECT_EQ(W().Edit1->Text(), row.formFactor) << row.diameter;
        EXPECT_TRUE(W().Label1->Visible());
        EXPECT_FALSE(W().Label75->Visible());
        EXPECT_FALSE(W().Label51->Visible());
        W().RadioGroup5->SetItemIndex(1);
        EXPECT_EQ(W().Edit1->Text(), "0.462") << row.diameter;
        EXPECT_TRUE(W().Label75->Visible());
        EXPECT_TRUE(W().Label51->Visible());
    }
}

TEST_F(ModeControls, VariableCoefficientKeepsWhatEdit1Meant) {
    W().RadioGroup5->SetItemIndex(2);
    EXPECT_FALSE(W().Edit1->Enabled());
    EXPECT_EQ(Enabled({W().Edit30, W().Edit31, W().Edit32, W().Edit34, W().Edit35, W().Edit36,
                       W().Edit37, W().Edit38, W().Edit39, W().Edit40}),
              (std::vector<std::string>{"Edit30", "Edit31", "Edit32", "Edit34", "Edit36", "Edit37",
                                        "Edit38", "Edit39"}));
    W().CheckBox9->SetChecked(true);
    EXPECT_TRUE(W().Edit35->Enabled());
    EXPECT_TRUE(W().Edit40->Enabled());

    // Edit1 still holds a coefficient: "Form Factor " converts it.
    W().RadioGroup5->SetItemIndex(0);
    EXPECT_EQ(W().Edit1->Text(), "0.5441");
    EXPECT_TRUE(W().Edit1->Enabled());
    EXPECT_FALSE(W().Edit35->Enabled());
    EXPECT_FALSE(W().CheckBox9->Enabled());
}

TEST_F(ModeControls, BandBoxesTickedFromCodeOutsideTheVariableModeOpenNothing) {
    W().CheckBox9->SetChecked(true);
    W().CheckBox6->SetChecked(false);
    W().CheckBox6->SetChecked(true);
    EXPECT_FALSE(W().Edit35->Enabled());
    EXPECT_FALSE(W().Edit40->Enabled());
    EXPECT_FALSE(W().Edit32->Enabled());
}

TEST_F(ModeControls, ConversionThatCannotGiveANumberWritesNothing) {
    struct Row {
        const char* name;
        int from, to;
        const char* coefficient;
        const char* weight;
        const char* diameter;
        const char* message;
    };
    const Row rows[] = {
        {"diameter 0", 1, 0, "0.462", "10.89", "0", "Bullet Diameter less than or equal to zero."},
        {"coefficient 0", 1, 0, "0", "10.89", "7.85",
         "Ballistic Coefficient less than or equal to zero."},
        {"form factor 0", 0, 1, "0", "10.89", "7.85", "Form Factor less than or equal to zero."},
        {"diameter squared below the doubles", 1, 0, "0.462", "10.89", "1e-200",
         "Bullet Diameter less than or equal to zero."},
        {"weight beyond the doubles", 0, 1, "1e-5", "1e306", "7.85",
         "Bullet Weight less than or equal to zero."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        W().Edit1->SetText("1");
        W().RadioGroup5->SetItemIndex(row.from);
        W().Edit1->SetText(row.coefficient);
        W().Edit2->SetText(row.weight);
        W().Edit3->SetText(row.diameter);
        const bool formFactorCaption = W().Label1->Visible();
        EXPECT_EQ(Run([&] { W().RadioGroup5->SetItemIndex(row.to); }), row.message);
        EXPECT_EQ(W().Edit1->Text(), row.coefficient);
        // The mode goes back to what Edit1 holds.
        EXPECT_EQ(W().RadioGroup5->ItemIndex(), row.from);
        EXPECT_EQ(W().Label1->Visible(), formFactorCaption);
        W().Edit2->SetText("10.89");
        W().Edit3->SetText("7.85");
    }
}

TEST_F(ModeControls, HorizontalAndSlantFormsConvertTheTarget) {
    ASSERT_TRUE(W().RadioButton2->Checked());
    W().RadioButton1->SetChecked(true);
    EXPECT_EQ(W().Edit7->Text(), "70.7");
    EXPECT_EQ(W().Edit14->Text(), "70.7");
    EXPECT_FALSE(W().RadioButton2->Checked());
    EXPECT_TRUE(W().Label37->Visible());
    EXPECT_TRUE(W().Label40->Visible());
    EXPECT_FALSE(W().Label106->Visible());

    W().RadioButton2->SetChecked(true);
    EXPECT_EQ(W().Edit14->Text(), "45");
    EXPECT_EQ(W().Edit7->Text(), "100");
    EXPECT_TRUE(W().Label104->Visible());
    EXPECT_FALSE(W().Label38->Visible());
}

TEST_F(ModeControls, TargetAtTheMuzzleStaysAtZero) {
    W().Edit7->SetText("0");
    W().Edit14->SetText("0");
    W().RadioButton1->SetChecked(true);
    EXPECT_EQ(W().Edit7->Text(), "0");
    EXPECT_EQ(W().Edit14->Text(), "0");
    W().RadioButton2->SetChecked(true);
    EXPECT_EQ(W().Edit7->Text(), "0");
    EXPECT_EQ(W().Edit14->Text(), "0");
}

TEST_F(ModeControls, CountOfSitesOpensItsFields) {
    W().RadioGroup4->SetItemIndex(1);  // "Variable"
    EXPECT_TRUE(W().ComboBox3->Enabled());
    EXPECT_FALSE(W().Edit10->Enabled());
    struct Row {
        int item;
        std::vector<std::string> enabled;
    };
    const Row rows[] = {
        {0, {"Edit45", "Edit49", "Edit50"}},
        {1, {"Edit45", "Edit46", "Edit49", "Edit50", "Edit51"}},
        {2, {"Edit45", "Edit46", "Edit47", "Edit49", "Edit50", "Edit51", "Edit52"}},
        {3,
         {"Edit45", "Edit46", "Edit47", "Edit48", "Edit49", "Edit50", "Edit51", "Edit52",
          "Edit53"}},
    };
    const std::initializer_list<TControl*> sites = {W().Edit44, W().Edit45, W().Edit46, W().Edit47,
                                                    W().Edit48, W().Edit49, W().Edit50, W().Edit51,
                                                    W().Edit52, W().Edit53};
    for (const Row& row : rows) {
        W().ComboBox3->UserPicked(row.item);
        EXPECT_EQ(Enabled(sites), row.enabled) << row.item;
    }
    // Typed-over text selects no item: the two sites the run then flies.
    W().ComboBox3->SetItemIndex(-1);
    W().ComboBox3Change(W().ComboBox3);
    EXPECT_EQ(Enabled(sites), rows[0].enabled);
    W().RadioGroup4->SetItemIndex(0);
    EXPECT_TRUE(Enabled(sites).empty());
    EXPECT_FALSE(W().ComboBox3->Enabled());
    EXPECT_TRUE(W().Edit10->Enabled());
    // A count chosen from code in the constant mode opens nothing.
    W().ComboBox3Change(W().ComboBox3);
    EXPECT_TRUE(Enabled(sites).empty());
}

TEST_F(ModeControls, SpeedAndAngleIsAConstantWind) {
    W().RadioGroup4->SetItemIndex(1);
    W().Edit10->SetText("3");
    W().RadioGroup7->SetItemIndex(1);  // "Speed and Angle"
    EXPECT_EQ(W().RadioGroup4->ItemIndex(), 0);
    EXPECT_FALSE(W().RadioGroup4->Enabled());
    EXPECT_FALSE(W().ComboBox3->Enabled());
    EXPECT_FALSE(W().Edit50->Enabled());
    EXPECT_TRUE(W().Edit10->Enabled());
    EXPECT_EQ(W().Label22->Caption(), "Wind Speed:");
    EXPECT_EQ(W().Label24->Caption(), "Wind Angle:");
    EXPECT_EQ(W().Label34->Caption(), "deg");
    EXPECT_EQ(W().Edit10->Text(), "3");
    // Relabelled captions still end at their fields.
    EXPECT_EQ(W().Label22->Alignment(), taRightJustify);
    EXPECT_EQ(W().Label22->Left() + W().Label22->Width(),
              W().Label24->Left() + W().Label24->Width());

    W().RadioGroup7->SetItemIndex(0);
    EXPECT_TRUE(W().RadioGroup4->Enabled());
    EXPECT_EQ(W().Label22->Caption(), "Cross Wind:");
    EXPECT_EQ(W().Label24->Caption(), "Longitudinal Wind:");
    EXPECT_EQ(W().Label34->Caption(), "m/s");
}

TEST_F(ModeControls, PressureModeChoosesItsField) {
    W().RadioGroup6->SetItemIndex(0);
    EXPECT_TRUE(W().Edit8->Enabled());
    EXPECT_FALSE(W().Edit29->Enabled());
    W().RadioGroup6->SetItemIndex(1);
    EXPECT_FALSE(W().Edit8->Enabled());
    EXPECT_TRUE(W().Edit29->Enabled());
}

TEST_F(ModeControls, LatitudeServesGravityAndCoriolis) {
    struct Row {
        bool gravityFromLatitude, coriolis;
        bool direction, latitude, gravity;
    };
    const Row rows[] = {
        {false, false, false, false, true},
        {true, false, false, true, false},
        {false, true, true, true, true},
        {true, true, true, true, false},
    };
    for (const Row& row : rows) {
        // Both orders of ticking must end alike.
        for (bool gravityFirst : {true, false}) {
            W().CheckBox11->SetChecked(false);
            W().CheckBox10->SetChecked(false);
            if (gravityFirst) W().CheckBox11->SetChecked(row.gravityFromLatitude);
            W().CheckBox10->SetChecked(row.coriolis);
            if (!gravityFirst) W().CheckBox11->SetChecked(row.gravityFromLatitude);
            SCOPED_TRACE(std::string("latitude box ") + (row.gravityFromLatitude ? "on" : "off") +
                         ", Coriolis " + (row.coriolis ? "on" : "off") +
                         (gravityFirst ? ", latitude first" : ", Coriolis first"));
            EXPECT_EQ(W().Edit54->Enabled(), row.direction);
            EXPECT_EQ(W().Edit56->Enabled(), row.latitude);
            EXPECT_EQ(W().Edit58->Enabled(), row.gravity);
        }
    }
}

TEST_F(ModeControls, OptionBoxesOpenTheirFields) {
    W().CheckBox3->SetChecked(true);
    const std::initializer_list<TControl*> drift = {
        W().Edit57, W().Edit59, W().Edit60, W().Edit61, W().Edit62, W().Edit12, W().ComboBox5};
    EXPECT_EQ(Enabled(drift).size(), drift.size());
    W().CheckBox3->SetChecked(false);
    EXPECT_TRUE(Enabled(drift).empty());

    W().CheckBox4->SetChecked(true);
    EXPECT_TRUE(W().Edit15->Enabled());
    W().CheckBox5->SetChecked(false);
    EXPECT_FALSE(W().Edit16->Enabled());
}

TEST_F(ModeControls, NewReticleChoiceDisablesShow) {
    W().Button20->SetEnabled(true);
    W().RadioGroup8->SetItemIndex(0);
    EXPECT_FALSE(W().Button20->Enabled());
    W().Button20->SetEnabled(true);
    W().ComboBox7->UserPicked(3);
    EXPECT_FALSE(W().Button20->Enabled());
}

// The description's initial states must be the states its handlers set for
// them, or the first code-side change would show a different window. "Axis
// Y" is left out: it stays disabled until a computation has plotted.
TEST_F(ModeControls, HandlersAgreeWithTheInitialStates) {
    std::vector<TControl*> controls;
    for (const char* name :
         {"RadioGroup2", "RadioGroup3", "RadioGroup4", "RadioGroup5", "RadioGroup6", "RadioGroup7",
          "RadioGroup8", "CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5",
          "CheckBox6", "CheckBox7", "CheckBox9", "CheckBox10", "CheckBox11"})
        controls.push_back(W().Find<TControl>(name));
    for (TControl* control : controls) {
        ASSERT_TRUE(control->OnClick) << control->Name() << " runs no handler";
        const std::map<std::string, std::string> before = States();
        EXPECT_EQ(Run([&] { control->OnClick(control); }), "") << control->Name();
        const std::map<std::string, std::string> now = States();
        for (const auto& [name, state] : before)
            EXPECT_EQ(now.at(name), state) << control->Name() << " changed " << name;
    }
}

}  // namespace
