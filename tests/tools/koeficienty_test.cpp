// The drag-function conversion window: the result lines, the refusals, and
// that it leaves the engine's records as they were.
#include <cstring>
#include <string>

#include "engine/numeric.h"
#include "tests/tools/tool_window_fixture.h"
#include "tools/Koeficienty1.h"

namespace {

class Conversion : public ToolWindowTest<Tkoeficienty> {
  protected:
    // A 10.89 g, 7.85 mm bullet with form factor 0.9 against G1.
    void Fill(const std::string& velocity, const std::string& reference = "G1") {
        T().RadioGroup1->SetItemIndex(0);
        T().Edit1->SetText("0.9");
        T().Edit2->SetText("10.89");
        T().Edit3->SetText("7.85");
        T().Edit4->SetText(velocity);
        T().ComboBox1->SetItemIndex(T().ComboBox1->Items().IndexOf(reference));
    }
    std::string Convert() {
        return Run([this] { T().Button1Click(nullptr); });
    }
    std::string Line(int index) { return T().Memo1->Lines()[index]; }
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (int i = 0; i < T().Memo1->Lines().Count(); ++i) lines.push_back(Line(i));
        return lines;
    }
};

TEST_F(Conversion, ReferenceFunctionAtATabulatedVelocityKeepsTheInput) {
    Fill("222");  // a G1 point
    ASSERT_EQ(Convert(), "");
    ASSERT_EQ(T().Memo1->Lines().Count(), 1 + 24);
    EXPECT_EQ(Line(1), "  ");
    EXPECT_EQ(Line(2), "  Form Factor (G1):           0.9000  ");
    const double coefficient = 0.001422341 * 0.01089 / (0.00785 * 0.00785 * 0.9);
    EXPECT_EQ(Line(13),
              FormatLine("  Ballistic Coefficient (G1)      [lb/in2]:    %9.4f  ", coefficient));
    EXPECT_EQ(Line(8), "  Form Factor (GL):        not available  ");
    EXPECT_EQ(Line(19), "  Ballistic Coefficient (GL)      [lb/in2]:    not available  ");
    EXPECT_EQ(Line(11).substr(0, 26), "  Form Factor (RA4):      ");
    EXPECT_EQ(Line(24), "  ");
}

TEST_F(Conversion, VelocityIsRoundedAndConversionsAppend) {
    Fill("801");
    Convert();
    Fill("800.5");
    Convert();
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 1u + 24 + 24);
    EXPECT_TRUE(std::equal(lines.begin() + 1, lines.begin() + 25, lines.begin() + 25));
    Fill("800");
    Convert();
    // The G7 form factor: G1 lines repeat the input.
    EXPECT_NE(Line(50 + 4), lines[2 + 4]);
}

TEST_F(Conversion, EngineRecordsAreLeftAsTheyWere) {
    Engine().Input.BulletMass = 0.5;
    Engine().Input.FormFactor = 1.25;
    Engine().SteppedBc.Bands[1].Velocity = 700;
    const EngineState before = Engine();
    Fill("850");
    ASSERT_EQ(Convert(), "");
    EXPECT_EQ(std::memcmp(&Engine().Input, &before.Input, sizeof before.Input), 0);
    EXPECT_EQ(std::memcmp(&Engine().SteppedBc, &before.SteppedBc, sizeof before.SteppedBc), 0);
}

TEST_F(Conversion, RefusedInputChangesNothing) {
    const struct {
        const char* velocity;
        const char* weight;
        const char* reference;
        const char* message;
    } cases[] = {
        {"0.4", "10.89", "G1", "Velocity less than or equal to zero."},
        {"1700.5", "10.89", "G1", "Veloctity greater than 1700 m/s."},
        {"800", "0", "G1", "Bullet Weight less than or equal to zero."},
        {"800", "10.89", "GL", "The GL drag function is not available."},
        {"800", "10.89", "Loaded Fun.", "No Drag Function Loaded."},
    };
    for (const auto& c : cases) {
        Fill(c.velocity, c.reference);
        T().Edit2->SetText(c.weight);
        EXPECT_EQ(Convert(), c.message);
        EXPECT_EQ(T().Memo1->Lines().Count(), 1) << c.message;
    }
    // At the top of the tables the look-up stays inside them.
    Fill("1700.4", "1943");
    EXPECT_EQ(Convert(), "");
}

TEST_F(Conversion, ActivationCopiesTheCalculatorWindow) {
    W().RadioGroup5->SetItemIndex(2);
    W().Edit1->SetText("0.5");
    W().Edit4->SetText("912");
    W().ComboBox6->SetItemIndex(5);
    W().ComboBox6Change(nullptr);
    T().FormActivate(nullptr);
    EXPECT_EQ(T().RadioGroup1->ItemIndex(), 1);
    EXPECT_TRUE(T().Label75->Visible());
    EXPECT_FALSE(T().Label1->Visible());
    EXPECT_EQ(T().Edit1->Text(), "0.5");
    EXPECT_EQ(T().Edit4->Text(), "912");
    EXPECT_EQ(T().ComboBox1->Text(), "G7");
}

}  // namespace
