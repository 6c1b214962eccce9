// The result files written from hand-made trajectory arrays, against texts
// built here from the file formats.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>
#include <string>

#include "engine/numeric.h"
#include "files/ResultsFiles.h"
#include "platform/sysutils.h"
#include "tests/files/example_header.h"

namespace {

constexpr double Click = 1 / 240.0;  // a quarter minute of angle, degrees

// A point every 10 m to 10 × lastPoint m, 4 cm below the line of sight at the
// muzzle, slowing and drifting right.
std::unique_ptr<TrajectoryArrays> Shot(int lastPoint) {
    auto t = std::make_unique<TrajectoryArrays>();
    for (int k = 0; k <= lastPoint; ++k) {
        t->TrajRange[k] = 10 * k;
        t->TrajHeight[k] = -4 + 0.3 * k - 0.02 * k * k;
        t->TrajWindage[k] = 0.1 * k;
        t->TrajTime[k] = 0.0125 * k;
        t->TrajVelocityX[k] = 800 - 2 * k;
    }
    t->LastPointIndex = lastPoint;
    return t;
}

// Dry air at standard pressure, so the density line is the standard 1.2250.
ResultsHeaderData Header() {
    ResultsHeaderData h = ExampleHeader();
    h.Input.AirPressure = 101325;
    h.Input.AirHumidity = 0;
    return h;
}

// The text header of Header(), line by line as the format states it.
std::string TextHeader() {
    return "\n            *** Vantorra *** \n" + std::string(50, '-') + "\n" +
           "                   Melvask \n" + std::string(50, '-') + "\n" + "\n Ammo: 308 Win\n" +
           "\n Drag Function: G1 " + "\n BC [lb/in2]:                   0.4620  " +
           "\n Form Factor [-]:               1.0152  " +
           "\n Bullet Weight [g]:             10.8900  " +
           "\n Bullet Diameter [mm]:          7.8500  " +
           "\n Muzzle Velocity [m/s]:         800.5  " +
           "\n Sight Height [mm]:             50.0  " +
           "\n Angle of Departure [deg]:      0.123456  " +
           "\n Zero Range [m]:                100  " + "\n 1 Click:                       1/4 MOA" +
           "\n Air Temperature [C]:           15.0  " +
           "\n Air Pressure [hPa]:           1013.2  " +
           "\n Air Humidity [%]:               0.0  " +
           "\n Air Density [kg/m3]:           1.2250  " +
           "\n Cross Wind [m/s]:              -2.5  " + "\n Longitudinal Wind [m/s]:        1.0  " +
           "\n Vertical Wind [m/s]:            0.5  " +
           "\n Gravity Acceleration [m/s2]:   9.810  " + "\n Computation Step [ms]:         0.50  ";
}

ResultsTable Table(double step, double zeroRange) {
    ResultsTable table;
    table.Header = Header();
    table.Columns[HeightClicksColumn] = table.Columns[TimeColumn] =
        table.Columns[WindageClicksColumn] = true;
    table.Rows.RangeStep = step;
    table.Rows.ZeroRange = zeroRange;
    table.Rows.ClickValue = Click;
    return table;
}

std::string Text(const ResultsTable& table, const TrajectoryArrays& t) {
    std::ostringstream out;
    WriteResultsText(out, table, t);
    return out.str();
}

std::string Csv(const ResultsTable& table, const TrajectoryArrays& t, CsvDialect dialect) {
    std::ostringstream out;
    WriteResultsCsv(out, table, t, dialect);
    return out.str();
}

// The table lines after the header of a text or CSV file.
std::vector<std::string> TableLines(const std::string& file, const std::string& firstCell) {
    std::vector<std::string> lines;
    std::istringstream in(file.substr(file.rfind("\n" + firstCell) + 1));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

TEST(ResultsTextFile, DefaultColumnsByteExact) {
    const auto t = Shot(30);
    std::string expected = TextHeader() + "\n\n\n" +
                           "  X [m]    Y [Clicks]     T [ms]   Wind [Clicks]\n " +
                           std::string(52, '-') + "\n    0         0.0         0          0.0";
    for (int k = 5; k <= 30; k += 5) {
        const double x = 10 * k;
        const double a = std::atan(0.01 * t->TrajHeight[k] / x) * 57.29577;
        const double f = std::atan(0.01 * t->TrajWindage[k] / x) * 57.29577;
        expected += FormatLine("\n %4.0f     %7.1f   %7.0f      %7.1f", x, -a / Click,
                               t->TrajTime[k] * 1000, -f / Click);
    }
    // Step 50, zero range 100 on a row, range ending on the 300 m row: no extra rows.
    EXPECT_EQ(Text(Table(50, 100), *t), expected);
}

TEST(ResultsTextFile, ColumnsAndRows) {
    const auto t = Shot(31);
    ResultsTable table = Table(25, 110);
    table.Columns.fill(true);
    t->TrajHeight[10] = -0.04;  // prints as 0.0 in every height column
    std::vector<std::string> lines = TableLines(Text(table, *t), "  X [m]");
    EXPECT_EQ(lines[0],
              "  X [m]     Y [cm]     Y [MOA]    Y [Clicks]    V [m/s]     E [J]     T [ms]"
              "   Wind [cm]   Wind [Clicks]   Inclin. [Deg]   Spec. En. [J/cm2]");
    EXPECT_EQ(lines[1], " --------------" + std::string(7 * 11 + 3 * 16, '-'));
    // The zero range gets its row between two steps; the last point its own.
    std::vector<double> x;
    for (size_t i = 2; i < lines.size(); ++i) x.push_back(std::stod(lines[i]));
    EXPECT_EQ(x, (std::vector<double>{0, 25, 50, 75, 100, 110, 125, 150, 175, 200, 225, 250, 275,
                                      300, 310}));
    EXPECT_EQ(lines[6].substr(0, 41), "  100         0.0         0.0         0.0");

    table.Columns.fill(false);
    lines = TableLines(Text(table, *t), "  X [m]");
    EXPECT_EQ(lines[0], "  X [m]");
    EXPECT_EQ(lines[3], "   25");
}

TEST(ResultsHeader, CoefficientClickAndDragLines) {
    ResultsHeaderData h = Header();
    h.SteppedBc.CoefficientMode = 2;  // variable: bands 1, 2 and 4
    h.SteppedBc.BandInUse[3] = true;
    const double bands[5][2] = {{0.462, 800}, {0.447, 700}, {0, 0}, {0.405, 500}, {0, 0}};
    for (int k = 0; k < 5; ++k) h.SteppedBc.Bands[k] = {bands[k][0], bands[k][1]};
    h.ClickItem = -1;  // typed over: the click in use, in MOA
    h.DragItem = -1;
    h.DragFileName = "/drag/m80\r\nx.drg";
    h.AmmoName = "Line\tbreak\n";
    const std::string text = Written(h);
    auto band = [&](const char* format, int k) {
        return FormatLine(format, bands[k][1], bands[k][0],
                          1 / bands[k][0] / 0.00785 / 0.00785 * 0.01089 * 0.001422341);
    };
    const char* below =
        "\n For Velocity below [m/s]: %4.1f  BC [lb/in2]: %4.4f  Form Factor [-]: %4.4f";
    const std::string expected =
        "\n Ammo: Line break \n\n Drag Function: /drag/m80  x.drg" +
        band("\n For Velocity over [m/s]:  %4.1f  BC [lb/in2]: %4.4f  Form Factor [-]: %4.4f", 0) +
        band(below, 1) + band(below, 3) + "\n Bullet Weight [g]:";
    EXPECT_TRUE(Has(text, expected)) << text;
    EXPECT_TRUE(Has(text, "\n 1 Click:                       0.250 MOA"));
}

TEST(ResultsCsvFile, SemicolonDialectUnderCommaLocale) {
    SetDecimalSeparatorSource([] { return ','; });
    const auto t = Shot(30);
    ResultsTable table = Table(100, 100);
    table.Header.ClickItem = 8;
    table.Columns.fill(false);
    table.Columns[HeightCmColumn] = table.Columns[HeightMoaColumn] = true;
    t->TrajHeight[10] = -12.25;
    const std::string semicolon = Csv(table, *t, CsvDialect::Semicolon);
    const std::string comma = Csv(table, *t, CsvDialect::Comma);
    const std::string text = Written(table.Header);
    SetDecimalSeparatorSource(nullptr);

    EXPECT_TRUE(Has(semicolon, "\n Muzzle Velocity [m/s]:         800,5  "));
    EXPECT_TRUE(Has(semicolon, "\n Zero Range [m]:                  100  "));
    EXPECT_TRUE(Has(semicolon, "\n 1 Click:                              0,25 MOA"));
    for (const std::string& file : {text, comma})
        EXPECT_TRUE(Has(file, "\n Muzzle Velocity [m/s]:         800.5  "));
    const std::vector<std::string> rows = TableLines(semicolon, " X [m] ;");
    EXPECT_EQ(rows[0], " X [m] ; Y [cm] ; Y [MOA] ;");
    EXPECT_EQ(rows[1], " 0 ; -4 ; 0 ;");  // the muzzle angle is never "-0"
    EXPECT_EQ(rows[2].substr(0, 16), " 100 ; -12,3 ; 4");
    EXPECT_EQ(TableLines(comma, " X [m] ,")[1],
              FormatLine(" %4.0f , %9.1f , %7.1f ,", 0., -4., 0.));
}

TEST(AllDataTextFile, PointLines) {
    const auto t = Shot(1000);
    std::ostringstream out;
    ResultsOptions options;
    options.Drift = true;
    WriteAllDataText(out, Header(), options, *t);
    const std::string file = out.str();
    const std::string head =
        TextHeader() + "\n\n Including Drift\n\n" +
        "    T[s];     X[m];    Y[m];      Z[m];  Vx[m/s];   Vy[m/s];  Vz[m/s]\n";
    ASSERT_EQ(file.substr(0, head.size()), head);
    const std::string points = file.substr(head.size());
    EXPECT_EQ(points.substr(0, 30), "  0.00000;  0.00000; -0.04000;");
    EXPECT_EQ(std::count(points.begin(), points.end(), '\n'), 1001);
    EXPECT_EQ(points.back(), '\n');
    EXPECT_TRUE(Has(points, ";10000.00000;"));  // a wider field, same separators
}
