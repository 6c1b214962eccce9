// The results-header reader over headers built here line by line in the
// written text form: every value in its field, the drag-function and click
// lines, the variable bands, and files that are no complete header.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "files/ResultsHeaderReader.h"
#include "tests/files/header_text.h"

using namespace header_text;

namespace {

// Values are printed with few decimals and read back exactly as printed.
constexpr double Exact = 0;

std::optional<ResultsHeaderRecord> Parse(const std::string& text) {
    std::istringstream in(text);
    return ParseResultsHeader(in);
}

}  // namespace

TEST(ParseResultsHeader, ReadsEveryValueIntoItsField) {
    for (const std::string& text : {HeaderText().Text(), WithCrLf(HeaderText().Text())}) {
        const auto h = Parse(text);
        ASSERT_TRUE(h);
        EXPECT_EQ(h->AmmoName, "308 Win");
        EXPECT_EQ(h->Drag, HeaderDragChoice::BuiltIn);
        EXPECT_EQ(h->DragItem, 1);
        EXPECT_FALSE(h->VariableCoefficient);
        const std::pair<double, double> values[] = {
            {h->BallisticCoefficient, 0.462}, {h->FormFactor, 1.0152},    {h->BulletWeight, 10.89},
            {h->BulletDiameter, 7.85},        {h->MuzzleVelocity, 800.5}, {h->SightHeight, 50},
            {h->DepartureAngle, 0.123456},    {h->ZeroRange, 100},        {h->AirTemperature, 15},
            {h->AirPressure, 977.9},          {h->AirHumidity, 50},       {h->CrossWind, -2.5},
            {h->LongitudinalWind, 1},         {h->VerticalWind, 0.5},     {h->Gravity, 9.81},
        };
        for (const auto& [read, written] : values) EXPECT_NEAR(read, written, Exact);
        EXPECT_EQ(h->ClickItem, 2);
        EXPECT_FALSE(h->CustomClick);
    }
}

TEST(ParseResultsHeader, NamesMayHoldColonsAndTheCoefficientLetters) {
    HeaderText header;
    header.ammo = "Bullet: FMJ " + std::string(1000, 'B') + " Flat";
    const auto h = Parse(header.Text());
    ASSERT_TRUE(h);
    EXPECT_EQ(h->AmmoName, header.ammo);
}

TEST(ParseResultsHeader, DragLines) {
    struct Case {
        std::string line;
        HeaderDragChoice choice;
        int item;
        std::string path;
    };
    const Case cases[] = {
        {"G1 ", HeaderDragChoice::BuiltIn, 1, ""},
        {"GL ", HeaderDragChoice::BuiltIn, 7, ""},
        {"RA4 ", HeaderDragChoice::BuiltIn, 10, ""},
        {"1943 ", HeaderDragChoice::BuiltIn, 11, ""},
        {"G7 \r", HeaderDragChoice::BuiltIn, 5, ""},
        {"/home/me/drag/m80.drg", HeaderDragChoice::File, -1, "/home/me/drag/m80.drg"},
        {"C:\\Drag\\m80.drg", HeaderDragChoice::File, -1, "C:\\Drag\\m80.drg"},
        {"\\\\server\\m80.drg", HeaderDragChoice::Keep, -1, ""},
        {"G1x", HeaderDragChoice::Keep, -1, ""},
        {"", HeaderDragChoice::Keep, -1, ""},
    };
    for (const Case& c : cases) {
        HeaderText header;
        header.drag = c.line;
        const auto h = Parse(header.Text());
        ASSERT_TRUE(h) << c.line;
        EXPECT_EQ(h->Drag, c.choice) << c.line;
        EXPECT_EQ(h->DragItem, c.item) << c.line;
        EXPECT_EQ(h->DragPath, c.path) << c.line;
        EXPECT_EQ(h->ClickItem, 2) << c.line;  // nothing shifted
    }
}

TEST(ParseResultsHeader, ClickLines) {
    struct Case {
        std::string line;  // behind the colon
        int item;
        bool custom;
        double number;
    };
    const Case cases[] = {
        {"                       1/2 MOA", 0, false, 0},
        {"                       1/8 MOA", 3, false, 0},
        {"                       1/5 MOA", -1, false, 0},  // selection stays
        {"                       10 mm/100m", 4, false, 0},
        {"                       7 mm/100m", 5, false, 0},
        {"                       5 mm/100m", 6, false, 0},
        {"                       0.250 MOA", 8, true, 0.25},
        {"                       5.000 mm/100m", 7, true, 5},
        {"                      12.500 mm/100m", 7, true, 12.5},
        {" 1 mm/100m", 7, true, 1},  // ";" dialect: not "10 mm/100m"
        {" 0,25 MOA", 8, true, 0.25},
    };
    for (const Case& c : cases) {
        HeaderText header;
        header.click = c.line;
        const auto h = Parse(header.Text());
        ASSERT_TRUE(h) << c.line;
        EXPECT_EQ(h->ClickItem, c.item) << c.line;
        EXPECT_EQ(h->CustomClick, c.custom) << c.line;
        EXPECT_NEAR(h->ClickNumber, c.number, Exact) << c.line;
    }
    for (const char* bad : {"                       0.250", "   ", "", "  MOA"}) {
        HeaderText header;
        header.click = bad;
        EXPECT_FALSE(Parse(header.Text())) << bad;
    }
}

TEST(ParseResultsHeader, BandsInFileOrder) {
    HeaderText header;
    header.bands = {Band(true, 800, 0.5), Band(false, 600, 0.45), Band(false, 400, 0.4)};
    auto h = Parse(header.Text());
    ASSERT_TRUE(h);
    EXPECT_TRUE(h->VariableCoefficient);
    ASSERT_EQ(h->Bands.size(), 3u);
    EXPECT_NEAR(h->Bands[2].Velocity, 400, Exact);
    EXPECT_NEAR(h->Bands[2].Coefficient, 0.4, Exact);
    EXPECT_NEAR(h->BulletWeight, 10.89, Exact);

    header.bands.push_back(Band(false, 300, 0.35));
    header.bands.push_back(Band(false, 200, 0.3));
    h = Parse(header.Text());
    ASSERT_TRUE(h);
    EXPECT_EQ(h->Bands.size(), 5u);
    // A sixth band has no field.
    header.bands.push_back(Band(false, 100, 0.25));
    EXPECT_FALSE(Parse(header.Text()));
    // Two bands at least.
    header.bands = {Band(true, 800, 0.5)};
    EXPECT_FALSE(Parse(header.Text()));
}

TEST(ParseResultsHeader, FirstColonWithinTwoHundredFiftyCharacters) {
    const std::string text = HeaderText().Text();
    const std::size_t colon = text.find(':');  // the one of "Ammo:"
    const std::size_t ammo = text.find(" Ammo");
    for (const std::size_t position : {250u, 251u}) {
        // Blanks in front of the label move its colon to `position` (1-based).
        std::string moved = text;
        moved.insert(ammo, position - 1 - colon, ' ');
        ASSERT_EQ(moved.find(':') + 1, position);
        EXPECT_EQ(Parse(moved).has_value(), position == 250) << position;
    }
}

TEST(ParseResultsHeader, RefusesWhatIsNoCompleteHeader) {
    const std::string text = HeaderText().Text();
    const std::size_t closing = text.find("Computation Step [ms]:") + 22;
    // Every cut before the closing label, at some characters in between.
    for (std::size_t length = 0; length < closing; length += 7)
        EXPECT_FALSE(Parse(text.substr(0, length))) << length;
    EXPECT_TRUE(Parse(text.substr(0, closing)));

    EXPECT_FALSE(Parse(std::string("\0\x01\xff:\x7f\x80 Ammo", 11)));
    EXPECT_FALSE(Parse(std::string(300, 'x') + text));

    // A missing line shifts nothing into the wrong field.
    for (const char* label :
         {"\n Sight Height", "\n Air Humidity", "\n BC [lb", "\n Drag Function"}) {
        std::string missing = text;
        const std::size_t start = missing.find(label);
        missing.erase(start, missing.find('\n', start + 1) - start);
        EXPECT_FALSE(Parse(missing)) << label;
    }
}

TEST(ParseResultsHeader, OnlyFiniteDecimalNumbers) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"  977,9", 977.9}, {"  -12,3", -12.3}, {"  1E+3", 1000}, {"  5.", 5},
        {"  inf", {}},      {"  nan", {}},      {"  0x10", {}},   {"  1e999", {}},
        {"  12abc", {}},    {"  12,", {}},      {"  ,5", {}},     {"  -", {}},
    };
    for (const auto& [pressure, value] : cases) {
        HeaderText header;
        header.pressure = pressure;
        const auto h = Parse(header.Text());
        ASSERT_EQ(h.has_value(), value.has_value()) << pressure;
        if (h) {
            EXPECT_NEAR(h->AirPressure, *value, Exact) << pressure;
        }
    }
}
