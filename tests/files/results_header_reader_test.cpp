// The results-header reader over headers the writer wrote, some lines replaced.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <sstream>
#include <string>

#include "engine/setup.h"
#include "files/ResultsHeaderReader.h"
#include "platform/sysutils.h"
#include "tests/files/example_header.h"

namespace {

// The decimal separator the writer is given.
char writtenSeparator = '.';
// The click line keeps three decimals of the custom value.
constexpr double ClickLineRounding = 0.0005;

std::optional<ResultsHeaderRecord> Parse(const std::string& text) {
    std::istringstream in(text);
    return ParseResultsHeader(in);
}

}  // namespace

TEST(ParseResultsHeader, DragLines) {
    const struct {
        int writtenItem;
        std::string path;  // written for item 0
        HeaderDragChoice choice;
        int item;
    } cases[] = {
        {10, "", HeaderDragChoice::BuiltIn, 10},
        {11, "", HeaderDragChoice::BuiltIn, 11},
        {0, "/home/me/m80.drg", HeaderDragChoice::File, -1},
        {0, "C:\\Drag\\m80.drg", HeaderDragChoice::File, -1},
        {0, "\\\\server\\m80.drg", HeaderDragChoice::Keep, -1},
        {0, "", HeaderDragChoice::Keep, -1},
    };
    for (const auto& c : cases) {
        ResultsHeaderData header = ExampleHeader();
        header.DragItem = c.writtenItem;
        header.DragFileName = c.path;
        const auto h = Parse(WithCrLf(Written(header)));
        ASSERT_TRUE(h) << c.path;
        EXPECT_EQ(h->Drag, c.choice) << c.path;
        EXPECT_EQ(h->DragItem, c.item) << c.path;
        EXPECT_EQ(h->DragPath, c.choice == HeaderDragChoice::File ? c.path : "") << c.path;
    }
}

TEST(ParseResultsHeader, ClickLines) {
    const struct {
        const char* line;  // behind the colon
        int item;
        double custom;  // 0: a fixed choice
    } cases[] = {
        {"                       1/8 MOA", 3, 0},
        {"                       1/5 MOA", -1, 0},  // the selection stays
        {"                       10 mm/100m", 4, 0},
        {"                       5 mm/100m", 6, 0},
        {"                       0.250 MOA", 8, 0.25},
        {"                       5.000 mm/100m", 7, 5},
        {" 1 mm/100m", 7, 1},  // as the ";" dialect writes it, not "10 mm/100m"
        {" 0,25 MOA", 8, 0.25},
    };
    const std::string text = Written(ExampleHeader());
    for (const auto& c : cases) {
        const auto h = Parse(WithValue(text, "1 Click", c.line));
        ASSERT_TRUE(h) << c.line;
        EXPECT_EQ(h->ClickItem, c.item) << c.line;
        EXPECT_EQ(h->CustomClick, c.custom != 0) << c.line;
        EXPECT_EQ(h->ClickNumber, c.custom) << c.line;
    }
    for (const char* unitless : {"  0.250", "   ", "  MOA"})
        EXPECT_FALSE(Parse(WithValue(text, "1 Click", unitless))) << unitless;
}

TEST(ParseResultsHeader, ClickChoiceReadsBackInEveryFormAndNotation) {
    const struct {
        int item;
        double value;  // the custom field's number; 0 for a fixed item
    } rows[] = {
        {ClickInMm, 10}, {ClickInMm, 7},    {ClickInMm, 5}, {ClickInMm, 7.5}, {ClickInMm, 1},
        {ClickInMoa, 1}, {ClickInMoa, 0.5}, {4, 0},         {5, 0},           {6, 0},
        {2, 0},
    };
    const HeaderForm forms[] = {HeaderForm::Text, HeaderForm::SemicolonCsv, HeaderForm::CommaCsv};
    for (char separator : {'.', ','}) {
        for (const auto& row : rows) {
            for (HeaderForm form : forms) {
                ResultsHeaderData header = ExampleHeader();
                header.ClickItem = row.item;
                if (row.value != 0) header.ClickValue = CustomClickDegrees(row.item, row.value);
                std::ostringstream out;
                // Only the ";" form writes in the locale's notation.
                writtenSeparator = separator;
                SetDecimalSeparatorSource([] { return writtenSeparator; });
                WriteHeaderBlock(out, header, form);
                SetDecimalSeparatorSource(nullptr);
                const auto h = Parse(out.str());
                const std::string where =
                    std::string(1, separator) + " form " + std::to_string(static_cast<int>(form)) +
                    " item " + std::to_string(row.item) + " " + std::to_string(row.value);
                ASSERT_TRUE(h) << where;
                EXPECT_EQ(h->ClickItem, row.item) << where;
                EXPECT_EQ(h->CustomClick, row.value != 0) << where;
                EXPECT_NEAR(h->ClickNumber, row.value, ClickLineRounding) << where;
            }
        }
    }
}

TEST(ParseResultsHeader, FiveBandsAtMost) {
    ResultsHeaderData header = ExampleHeader();
    header.SteppedBc.CoefficientMode = 2;  // "Variable Ball. Coeff."
    for (int k = 0; k < 5; ++k) header.SteppedBc.Bands[k] = {0.5 - 0.05 * k, 800.0 - 100 * k};
    for (bool& inUse : header.SteppedBc.BandInUse) inUse = true;
    std::string text = Written(header);
    const auto h = Parse(text);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->Bands.size(), 5u);
    EXPECT_EQ(h->Bands[4].Velocity, 400);
    const std::size_t band = text.find("\n For Velocity below");
    text.insert(band, text.substr(band, text.find('\n', band + 1) - band));
    EXPECT_FALSE(Parse(text));
}

TEST(ParseResultsHeader, FirstColonWithinTwoHundredFiftyCharacters) {
    const std::string text = Written(ExampleHeader());
    const std::size_t colon = text.find(':');  // the one of "Ammo:"
    for (const std::size_t position : {250u, 251u}) {
        // Blanks in front of the label move its colon to `position` (1-based).
        std::string moved = text;
        moved.insert(text.find(" Ammo"), position - 1 - colon, ' ');
        EXPECT_EQ(Parse(moved).has_value(), position == 250) << position;
    }
}

TEST(ParseResultsHeader, RefusesWhatIsNoCompleteHeader) {
    const std::string text = Written(ExampleHeader());
    const std::size_t closing = text.find("Computation Step [ms]:") + 22;
    for (std::size_t length = 0; length < closing; length += 7)
        EXPECT_FALSE(Parse(text.substr(0, length))) << length;
    EXPECT_TRUE(Parse(text.substr(0, closing)));
    EXPECT_FALSE(Parse(std::string("\0\x01\xff:\x7f Ammo", 10) + text));
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
        {"  -977,9", -977.9},
        {"  1E+3", 1000},
        {"  inf", {}},
        {"  nan", {}},
        {"  0x10", {}},
        {"  1e999", {}},
        {"  12,", {}},
        {"  12abc", {}},
        {"  1e-400", {}},
        {"  -1.79769313486232E308", -std::numeric_limits<double>::max()},
        {"  1.79769313486233E308", {}},
    };
    const std::string text = Written(ExampleHeader());
    for (const auto& [pressure, value] : cases) {
        const auto h = Parse(WithValue(text, "Air Pressure [hPa]", pressure));
        ASSERT_EQ(h.has_value(), value.has_value()) << pressure;
        EXPECT_EQ(h ? h->AirPressure : 0, value.value_or(0)) << pressure;
    }
}

TEST(ParseResultsHeader, ReadsBackTheLargestValuesTheWritersPrint) {
    // The ";" form prints fifteen significant digits, the others every digit.
    constexpr double SemicolonFormDigits = 1e-14;
    constexpr double Huge = std::numeric_limits<double>::max();
    ResultsHeaderData header = ExampleHeader();
    header.Input.BallisticCoefficient = 1e300;
    header.Input.BulletMass = 1e58;              // kg, written in g
    header.Input.BulletDiameter = -Huge / 1000;  // m, written in mm
    header.Input.SightHeight = 1e200;
    header.Input.DepartureAngle = -Huge;
    header.Input.ZeroRange = Huge;
    header.SteppedBc.Bands[0] = {Huge, 1e60};
    const double written[] = {1e300, Huge, 1e61, -Huge / 1000 * 1000, 1e203, -Huge, Huge};
    for (const HeaderForm form :
         {HeaderForm::Text, HeaderForm::CommaCsv, HeaderForm::SemicolonCsv}) {
        std::ostringstream constant, variable;
        WriteHeaderBlock(constant, header, form);
        header.SteppedBc.CoefficientMode = CoefficientVariable;
        WriteHeaderBlock(variable, header, form);
        header.SteppedBc.CoefficientMode = CoefficientBallistic;
        const auto c = Parse(constant.str());
        const auto v = Parse(variable.str());
        ASSERT_TRUE(c && v) << static_cast<int>(form);
        const double read[] = {
            c->BallisticCoefficient, v->Bands[0].Coefficient, c->BulletWeight, c->BulletDiameter,
            c->SightHeight,          c->DepartureAngle,       c->ZeroRange};
        for (int k = 0; k < 7; ++k) {
            const double tolerance = form == HeaderForm::SemicolonCsv ? SemicolonFormDigits : 0;
            EXPECT_NEAR(read[k] / written[k], 1, tolerance) << static_cast<int>(form) << k;
        }
    }
}
