// The drag-function conversion window: the result lines, the refusals, and
// that it leaves the engine's records as they were.
#include <cstring>
#include <string>

#include "engine/numeric.h"
#include "tests/ui/tools/tool_fixture.h"
#include "ui/tools/Koeficienty1.h"

namespace {

class Conversion : public ToolWindowTest<Tkoeficienty> {
  protected:
    // A 10.89 g, 7.85 mm bullet with form factor 0.9.
    std::string Convert(const std::string& velocity, const std::string& reference = "G1",
                        const std::string& weight = "10.89") {
        T().Edit1->SetText("0.9");
        T().Edit2->SetText(weight);
        T().Edit3->SetText("7.85");
        T().Edit4->SetText(velocity);
        T().ComboBox1->SetItemIndex(T().ComboBox1->Items().IndexOf(reference));
        return Run([this] { T().Button1Click(nullptr); });
    }
    std::string Line(int index) { return T().Memo1->Lines()[index]; }
};

TEST_F(Conversion, ReferenceFunctionAtATabulatedVelocityKeepsTheInput) {
    ASSERT_EQ(Convert("222"), "");  // a G1 point
    ASSERT_EQ(T().Memo1->Lines().Count(), 1 + 24);
    EXPECT_EQ(Line(2), "  Form Factor (G1):           0.9000  ");
    const double coefficient = 0.001422341 * 0.01089 / (0.00785 * 0.00785 * 0.9);
    EXPECT_EQ(Line(13),
              FormatLine("  Ballistic Coefficient (G1)      [lb/in2]:    %9.4f  ", coefficient));
    EXPECT_EQ(Line(8), "  Form Factor (GL):        not available  ");
    EXPECT_EQ(Line(19), "  Ballistic Coefficient (GL)      [lb/in2]:    not available  ");
    EXPECT_EQ(Line(24), "  ");
}

TEST_F(Conversion, VelocityIsRoundedAndConversionsAppend) {
    Convert("801");
    Convert("800.5");
    ASSERT_EQ(T().Memo1->Lines().Count(), 1 + 24 + 24);
    for (int i = 1; i <= 24; ++i) EXPECT_EQ(Line(i), Line(i + 24));
    Convert("800");
    EXPECT_NE(Line(49 + 6), Line(6));  // G7: the G1 lines repeat the input
}

TEST_F(Conversion, EngineRecordsAreLeftAsTheyWere) {
    Engine().Input.BulletMass = 0.5;
    Engine().SteppedBc.Bands[1].Velocity = 700;
    const EngineState before = Engine();
    ASSERT_EQ(Convert("850"), "");
    EXPECT_EQ(std::memcmp(&Engine().Input, &before.Input, sizeof before.Input), 0);
    EXPECT_EQ(std::memcmp(&Engine().SteppedBc, &before.SteppedBc, sizeof before.SteppedBc), 0);
}

TEST_F(Conversion, RefusedInputChangesNothing) {
    EXPECT_EQ(Convert("0.4"), "Velocity less than or equal to zero.");
    EXPECT_EQ(Convert("1700.5"), "Veloctity greater than 1700 m/s.");
    EXPECT_EQ(Convert("800", "G1", "0"), "Bullet Weight less than or equal to zero.");
    EXPECT_EQ(Convert("800", "GL"), "The GL drag function is not available.");
    EXPECT_EQ(Convert("800", "Loaded Fun."), "No Drag Function Loaded.");
    EXPECT_EQ(T().Memo1->Lines().Count(), 1);
    EXPECT_EQ(Convert("1700.4", "1943"), "");
}

}  // namespace
