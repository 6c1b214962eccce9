// "Maximum Barrel Twist": the three rules and their refusals.
#include "calculator_fixture.h"

// The start-up bullet: 7.85 mm, 31.4 mm long. Greenhill's constant is 120 up
// to 457 m/s, 150 up to 853 m/s and 180 above.
TEST_F(CalculatorHandlers, TwistRulesGreenhillThresholdsAndRefusals) {
    auto press = [this] { return Handle(&Tvstup::Button13Click); };
    const int lines = MemoLines();
    W().Edit23->SetText("0");
    EXPECT_EQ(press(), "Method is not chosen.");
    W().ComboBox4->SetItemIndex(2);
    EXPECT_EQ(press(), "Bullet Length less than or equal to zero.");
    W().Edit23->SetText("31.4");
    W().Edit3->SetText("0");
    EXPECT_EQ(press(), "Bullet Diameter less than or equal to zero.");
    W().Edit3->SetText("7.85");
    W().Edit4->SetText("-800");
    EXPECT_EQ(press(), "Velocity less than or equal to zero.");
    EXPECT_EQ(MemoLines(), lines);

    const struct {
        int method;
        const char *velocity, *inches, *centimetres;
    } cases[] = {
        {0, "800", "11.6", "29.4"},   {1, "800", "12.2", "30.9"},   {2, "800", "13.9", "35.2"},
        {0, "457", " 9.3", "23.6"},   {0, "457.1", "11.6", "29.4"}, {0, "853", "11.6", "29.4"},
        {0, "853.1", "13.9", "35.3"},
    };
    for (const auto& c : cases) {
        W().ComboBox4->SetItemIndex(c.method);
        W().Edit4->SetText(c.velocity);
        EXPECT_EQ(press(), "") << c.velocity;
        EXPECT_EQ(Tail(3),
                  (std::vector<std::string>{
                      "  ", std::string("  Maximum Barrel Twist:      ") + c.inches + "  in.",
                      std::string("  Maximum Barrel Twist:     ") + c.centimetres + "  cm"}));
    }
}
