#include "engine/setup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/dragtables.h"
#include "engine/integrator.h"
#include "engine/numeric.h"
#include "engine/state.h"
#include "flight_setup.h"
#include "platform/base.h"
#include "platform/sysutils.h"
#include "run_arrays.h"

namespace {

// Unit conversions of typed values are exact to a few ulps.
constexpr double Conversion = 1e-9;
// The chronograph correction treats the drag coefficient as constant over
// the path; flying the path back agrees to within this speed (m/s).
constexpr double ChronographRoundTrip = 0.2;
// No lower height limit for a table run.
constexpr double NoLimitY = 1000000;

// The calculator window's fields as text, with the start-up bullet; records
// every read and every value written back.
class FakeFields final : public SetupFields {
  public:
    FakeFields() {
        using F = SetupField;
        text = {
            {F::BulletWeight, "10.89"}, {F::BulletDiameter, "7.85"}, {F::MuzzleVelocity, "800"},
            {F::SightHeight, "40"},     {F::DepartureAngle, "0.1"},  {F::ZeroRange, "100"},
            {F::AirTemperature, "15"},  {F::AirHumidity, "0"},       {F::AirPressure, "1013.25"},
            {F::Altitude, "300"},       {F::Gravity, "9.81"},        {F::Latitude, "50"},
            {F::WindFirst, "0"},        {F::WindSecond, "0"},        {F::VerticalWind, "0"},
            {F::CustomClick, "10"},     {F::Coefficient, "0.462"},   {F::ChronographDistance, "0"},
            {F::ShotAzimuth, "0"},      {F::BarrelTwist, "30.5"},    {F::BulletLength, "3.98"},
            {F::NoseLength, "1.86"},    {F::BoattailLength, "0.51"}, {F::BaseDiameter, "0.74"},
            {F::MeplatDiameter, "0.25"}};
        const char* positions[] = {"0", "100", "200", "300", "400"};
        const char* bandCoefficients[] = {"0.462", "0.447", "0.424", "0.405", "0"};
        const char* bandVelocities[] = {"800", "700", "640", "488", "0"};
        for (int k = 0; k < 5; ++k) {
            text[Field(F::CrossWindPosition1, k)] = positions[k];
            text[Field(F::CrossWindSpeed1, k)] = "0";
            text[Field(F::BandCoefficient1, k)] = bandCoefficients[k];
            text[Field(F::BandVelocity1, k)] = bandVelocities[k];
        }
        choices = {{SetupChoice::PressureMode, 0},   {SetupChoice::WindMode, 0},
                   {SetupChoice::ClickItem, 0},      {SetupChoice::CrossWindSites, 0},
                   {SetupChoice::CrossWindMode, 0},  {SetupChoice::ComputationMode, 1},
                   {SetupChoice::CoefficientMode, 1}};
    }

    static SetupField Field(SetupField first, int k) {
        return static_cast<SetupField>(static_cast<int>(first) + k);
    }

    double Number(SetupField field) override {
        reads.push_back(field);
        return StrToFloat(text.at(field));
    }
    bool Checked(SetupCheck check) override { return checks[check]; }
    int ItemIndex(SetupChoice choice) override { return choices.at(choice); }
    void Write(SetupField field, double value) override { written[field] = FloatToStr(value); }
    void AddLine(const std::string& line) override { lines.push_back(line); }

    bool WasRead(SetupField field) const {
        return std::find(reads.begin(), reads.end(), field) != reads.end();
    }

    std::map<SetupField, std::string> text;
    std::map<SetupCheck, bool> checks;
    std::map<SetupChoice, int> choices;
    std::vector<SetupField> reads;
    std::map<SetupField, std::string> written;
    std::vector<std::string> lines;
};

class Setup : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetEngineState();
        FillDragTables();
        double v[MaxRowPoints], c[MaxRowPoints];
        BuildActiveDragTable(v, c, DragTablePoints(1, v, c));  // G1
    }
    // The message the set-up aborted with, "" when it passed.
    std::string Run() {
        return AbortMessageOf([this] { PrepareComputation(f); });
    }
    FakeFields f;
    const InputParameters& in = Engine().Input;
};

using Change = std::function<void(FakeFields&)>;
Change Text(SetupField field, std::string value) {
    return [field, value](FakeFields& f) { f.text[field] = value; };
}
Change Choose(SetupChoice choice, int item) {
    return [choice, item](FakeFields& f) { f.choices[choice] = item; };
}
Change Both(Change a, Change b) {
    return [a, b](FakeFields& f) { a(f), b(f); };
}

struct CheckRow {
    const char* name;
    Change change;
    const char* message;  // "" when the set-up passes
};

}  // namespace

TEST_F(Setup, StartUpInputsPassAndConvertToSi) {
    EXPECT_EQ(Run(), "");
    EXPECT_NEAR(in.BulletMass, 0.01089, Conversion);
    EXPECT_NEAR(in.BulletDiameter, 0.00785, Conversion);
    EXPECT_NEAR(in.SightHeight, 0.04, Conversion);
    EXPECT_NEAR(in.AirTemperature, 288.15, Conversion);
    EXPECT_NEAR(in.AirPressure, 101325, Conversion);
    EXPECT_DOUBLE_EQ(in.MuzzleVelocity, 800);
    EXPECT_NEAR(in.FormFactor, 0.001422341 * 0.01089 / (0.462 * 0.00785 * 0.00785), Conversion);
    EXPECT_EQ(f.written.at(SetupField::ZeroRange), "100");
    EXPECT_EQ(f.written.count(SetupField::AirPressure), 0u);
    EXPECT_EQ(f.written.count(SetupField::Gravity), 0u);
}

TEST_F(Setup, ChecksInOrderAtTheirBoundaries) {
    using F = SetupField;
    const CheckRow rows[] = {
        {"weight before diameter", Both(Text(F::BulletWeight, "0"), Text(F::BulletDiameter, "0")),
         "Bullet Weight less than or equal to zero."},
        {"diameter 0", Text(F::BulletDiameter, "0"), "Bullet Diameter less than or equal to zero."},
        {"velocity 0", Text(F::MuzzleVelocity, "0"), "Velocity less than or equal to zero."},
        {"velocity 1700", Text(F::MuzzleVelocity, "1700"), ""},
        {"velocity 1700.01", Text(F::MuzzleVelocity, "1700.01"),
         "Veloctity greater than 1700 m/s."},
        {"angle 90", Text(F::DepartureAngle, "90"), ""},
        {"angle 90.01", Text(F::DepartureAngle, "90.01"),
         "Angle of Departure greater than 90 deg."},
        {"zero range 1.9", Text(F::ZeroRange, "1.9"), "Zero Range less than or equal to 1 m."},
        {"pressure 0 typed", Text(F::AirPressure, "0"), ""},
        {"humidity 100", Text(F::AirHumidity, "100"), ""},
        {"humidity 100.01", Text(F::AirHumidity, "100.01"), "Air Humidity greater than 100%."},
        {"humidity -0.01", Text(F::AirHumidity, "-0.01"), "Air Humidity less than 0%."},
        {"temperature 40", Text(F::AirTemperature, "40"), ""},
        {"temperature 40.01", Text(F::AirTemperature, "40.01"), "Air Temperature too high."},
        {"temperature -20.99", Text(F::AirTemperature, "-20.99"), ""},
        {"temperature -21.01", Text(F::AirTemperature, "-21.01"), "Air Temperature too low."},
        {"humidity before temperature",
         Both(Text(F::AirHumidity, "101"), Text(F::AirTemperature, "99")),
         "Air Humidity greater than 100%."},
        {"cross wind 100", Text(F::WindFirst, "100"), ""},
        {"cross wind -100.5", Text(F::WindFirst, "-100.5"), "Cross Wind too strong."},
        {"longitudinal -100.5", Text(F::WindSecond, "-100.5"), "Longitudinal Wind too strong."},
        {"vertical 100.5", Text(F::VerticalWind, "100.5"), "Vertical Wind too strong."},
        {"gravity 0", Text(F::Gravity, "0"), ""},
        {"gravity -0.01", Text(F::Gravity, "-0.01"), "Acceleration due to Gravity less than zero."},
        {"gravity before weight", Both(Text(F::Gravity, "-1"), Text(F::BulletWeight, "0")),
         "Acceleration due to Gravity less than zero."},
        {"click 0 mm", Both(Choose(SetupChoice::ClickItem, 7), Text(F::CustomClick, "0")),
         "Click less than or equal to zero."},
        {"click -1 MOA", Both(Choose(SetupChoice::ClickItem, 8), Text(F::CustomClick, "-1")),
         "Click less than or equal to zero."},
        {"click 1e-300 MOA",
         Both(Choose(SetupChoice::ClickItem, 8), Text(F::CustomClick, "1e-300")), ""},
        {"click 1e-320 MOA",
         Both(Choose(SetupChoice::ClickItem, 8), Text(F::CustomClick, "1e-320")),
         ComputationFailedMessage},
        {"band coefficient 1e-300",
         Both(Choose(SetupChoice::CoefficientMode, 2), Text(F::BandCoefficient2, "1e-300")), ""},
        {"band coefficient 4.9e-324",
         Both(Choose(SetupChoice::CoefficientMode, 2), Text(F::BandCoefficient2, "4.9e-324")),
         ComputationFailedMessage},
        {"fixed click ignores the field",
         Both(Choose(SetupChoice::ClickItem, 3), Text(F::CustomClick, "-1")), ""},
        {"coefficient 0", Text(F::Coefficient, "0"),
         "Ballistic Coefficient less than or equal to zero."},
        {"form factor 0", Both(Choose(SetupChoice::CoefficientMode, 0), Text(F::Coefficient, "0")),
         "Form Factor less than or equal to zero."},
        {"chronograph 30", Text(F::ChronographDistance, "30"), ""},
        {"chronograph 30.1", Text(F::ChronographDistance, "30.1"),
         "Distance of Chronograph greater than 30 m."},
        {"chronograph -1", Text(F::ChronographDistance, "-1"),
         "Distance of Chronograph less than or equal to zero."},
    };
    for (const CheckRow& row : rows) {
        SCOPED_TRACE(row.name);
        SetUp();
        f = FakeFields();
        row.change(f);
        EXPECT_EQ(Run(), row.message);
    }
}

TEST_F(Setup, ZeroRangeIsFlooredAndShownInEveryMode) {
    struct Row {
        int mode;
        const char* typed;
        const char* shown;
        const char* message;
    };
    for (const Row& r :
         {Row{0, "1.9", "1", "Zero Range less than or equal to 1 m."},
          Row{1, "1.9", "1", "Zero Range less than or equal to 1 m."},
          Row{2, "1.9", "1", "Zero Range less than or equal to 1 m."}, Row{0, "1", "999", ""},
          Row{0, "0", "999", ""}, Row{1, "0", "0", "Zero Range less than or equal to 1 m."},
          Row{1, "300.7", "300", ""}}) {
        SCOPED_TRACE(std::string(r.typed) + " in mode " + std::to_string(r.mode));
        f = FakeFields();
        f.choices[SetupChoice::ComputationMode] = r.mode;
        f.text[SetupField::ZeroRange] = r.typed;
        EXPECT_EQ(Run(), r.message);
        EXPECT_EQ(f.written.at(SetupField::ZeroRange), r.shown);
    }
}

TEST_F(Setup, PressureFromAltitude) {
    f.choices[SetupChoice::PressureMode] = 1;
    EXPECT_EQ(Run(), "");
    // 1013.25 × (288.15 / 290.1)^5.258 = 977.947… hPa, shown with one decimal.
    EXPECT_EQ(f.written.at(SetupField::AirPressure), "977.9");
    EXPECT_NEAR(in.AirPressure, 97790, Conversion);

    f = FakeFields();
    f.choices[SetupChoice::PressureMode] = 1;
    f.text[SetupField::Altitude] = "9000";
    EXPECT_EQ(Run(), "");
    const double p = 1013.25 * std::pow(288.15 / (288.15 + 58.5), 5.258);
    EXPECT_EQ(f.written.at(SetupField::AirPressure), FloatToStr(std::round(p * 10) / 10));

    for (const auto& [altitude, message] :
         {std::pair{"-0.1", "Altitude less than 0 m above sea level."},
          std::pair{"9000.1", "Altitude greater than 9000 m above sea level."}}) {
        f = FakeFields();
        f.choices[SetupChoice::PressureMode] = 1;
        f.text[SetupField::Altitude] = altitude;
        EXPECT_EQ(Run(), message) << altitude;
    }
}

TEST_F(Setup, AltitudePressureThatIsNoNumberFailsThePressureCheck) {
    // Below absolute zero the formula's base is negative: its power is no
    // number, and the pressure check comes before the temperature checks.
    f.choices[SetupChoice::PressureMode] = 1;
    f.text[SetupField::AirTemperature] = "-300";
    f.text[SetupField::Altitude] = "9000";
    EXPECT_EQ(Run(), "Air Pressure less than or equal to zero.");
}

TEST_F(Setup, GravityFromLatitude) {
    struct Row {
        const char* latitude;
        const char* shown;
        const char* message;
    };
    for (const Row& r : {Row{"45", "9.807", ""}, Row{"50", "9.811", ""}, Row{"-90", "9.832", ""},
                         Row{"-90.1", nullptr, "Latitude less than -90 deg."},
                         Row{"90.1", nullptr, "Latitude greater than +90 deg."}}) {
        SCOPED_TRACE(r.latitude);
        f = FakeFields();
        f.checks[SetupCheck::GravityFromLatitude] = true;
        f.text[SetupField::Latitude] = r.latitude;
        EXPECT_EQ(Run(), r.message);
        if (!r.shown) continue;
        EXPECT_EQ(f.written.at(SetupField::Gravity), r.shown);
        EXPECT_DOUBLE_EQ(in.Gravity, StrToFloat(r.shown));
    }
}

TEST_F(Setup, WindFromSpeedAndAngle) {
    f.choices[SetupChoice::WindMode] = 1;
    f.text[SetupField::WindFirst] = "10";
    f.text[SetupField::WindSecond] = "90";
    f.text[SetupField::VerticalWind] = "-2";
    EXPECT_EQ(Run(), "");
    EXPECT_NEAR(in.CrossWind, 10, 1e-6);
    EXPECT_NEAR(in.LongitudinalWind, 0, 1e-6);
    EXPECT_DOUBLE_EQ(in.VerticalWind, -2);
}

TEST_F(Setup, CustomClickValues) {
    f.choices[SetupChoice::ClickItem] = 7;  // 10 mm per 100 m
    EXPECT_EQ(Run(), "");
    EXPECT_NEAR(Engine().Settings.ClickValue, std::atan(1e-4) * 57.295779, Conversion);
    f = FakeFields();
    f.choices[SetupChoice::ClickItem] = 8;  // 10 MOA
    EXPECT_EQ(Run(), "");
    EXPECT_NEAR(Engine().Settings.ClickValue, 10.0 / 60, Conversion);
}

TEST_F(Setup, VariableWindSequenceIsCheckedOnlyInVariable) {
    using F = SetupField;
    struct Row {
        int mode, sites;
        const char* message;
    };
    for (const Row& r : {Row{1, 1, "Wrong Sequence of Positions (for Variable Cross Wind)."},
                         Row{0, 1, ""}, Row{1, 0, ""}}) {
        SCOPED_TRACE("mode " + std::to_string(r.mode) + " sites " + std::to_string(r.sites));
        f = FakeFields();
        f.choices[SetupChoice::CrossWindMode] = r.mode;
        f.choices[SetupChoice::CrossWindSites] = r.sites;
        f.text[F::CrossWindPosition3] = "100";  // 0, 100, 100
        EXPECT_EQ(Run(), r.message);
    }
    // Typed-over text in "Count of Sites:" selects no item and means two
    // sites, as the run flies them: their pair is compared, the third site not.
    struct TypedRow {
        F field;
        const char* position;
        const char* message;
    };
    for (const TypedRow& r : {TypedRow{F::CrossWindPosition2, "0",
                                       "Wrong Sequence of Positions (for Variable Cross Wind)."},
                              TypedRow{F::CrossWindPosition3, "0", ""}}) {
        f = FakeFields();
        f.choices[SetupChoice::CrossWindMode] = 1;
        f.choices[SetupChoice::CrossWindSites] = -1;
        f.text[r.field] = r.position;
        EXPECT_EQ(Run(), r.message) << r.position;
    }
    // The last of five sites is compared too.
    f = FakeFields();
    f.choices[SetupChoice::CrossWindMode] = 1;
    f.choices[SetupChoice::CrossWindSites] = 3;
    f.text[F::CrossWindPosition5] = "300";
    EXPECT_EQ(Run(), "Wrong Sequence of Positions (for Variable Cross Wind).");
}

TEST_F(Setup, VariableWindSpeedsInUseKeepToTheCrossWindLimit) {
    using F = SetupField;
    struct Row {
        const char* name;
        int mode, sites;
        F field;
        const char* speed;
        const char* message;
    };
    const char* const tooStrong = "Cross Wind too strong.";
    const Row rows[] = {
        {"site 3 of 5", 1, 3, F::CrossWindSpeed3, "1.7e308", tooStrong},
        {"site 3 of 5, the other way", 1, 3, F::CrossWindSpeed3, "-1.7e308", tooStrong},
        {"site 1 past the limit", 1, 0, F::CrossWindSpeed1, "100.01", tooStrong},
        {"site 5 of 5 past the limit", 1, 3, F::CrossWindSpeed5, "-100.01", tooStrong},
        {"site 5 at the limit", 1, 3, F::CrossWindSpeed5, "-100", ""},
        {"site 3 of 2 is not in use", 1, 0, F::CrossWindSpeed3, "1.7e308", ""},
        {"typed-over count: site 2 in use", 1, -1, F::CrossWindSpeed2, "1.7e308", tooStrong},
        {"typed-over count: site 3 not in use", 1, -1, F::CrossWindSpeed3, "1.7e308", ""},
        {"constant wind uses no site", 0, 3, F::CrossWindSpeed3, "1.7e308", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        f = FakeFields();
        f.choices[SetupChoice::CrossWindMode] = r.mode;
        f.choices[SetupChoice::CrossWindSites] = r.sites;
        f.text[r.field] = r.speed;
        EXPECT_EQ(Run(), r.message);
    }
    // The sites are checked with the constant winds, after the air.
    f = FakeFields();
    f.choices[SetupChoice::CrossWindMode] = 1;
    f.text[F::CrossWindSpeed1] = "1e300";
    f.text[F::AirHumidity] = "101";
    EXPECT_EQ(Run(), "Air Humidity greater than 100%.");
}

TEST_F(Setup, NoNumberEndsTheActionWhereItIsRead) {
    using F = SetupField;
    // A later field without a number ends the action before the first check.
    f.text[F::BulletWeight] = "0";
    f.text[F::AirPressure] = "1013,25";
    EXPECT_THROW(PrepareComputation(f), EConvertError);
    // The variable-wind fields are read in every wind mode.
    f = FakeFields();
    f.text[F::CrossWindSpeed5] = "x";
    EXPECT_THROW(PrepareComputation(f), EConvertError);
    // A band's velocity is read before its coefficient is checked.
    f = FakeFields();
    f.choices[SetupChoice::CoefficientMode] = 2;
    f.text[F::BandCoefficient1] = "0";
    f.text[F::BandVelocity1] = "";
    EXPECT_THROW(PrepareComputation(f), EConvertError);
    // An earlier check wins over a later field.
    f = FakeFields();
    f.text[F::BulletWeight] = "0";
    f.text[F::Coefficient] = "abc";
    EXPECT_EQ(Run(), "Bullet Weight less than or equal to zero.");
    // Fields that are not in use are not read at all.
    f = FakeFields();
    for (F unused : {F::Altitude, F::Latitude, F::CustomClick, F::ShotAzimuth, F::BarrelTwist,
                     F::NoseLength, F::BandCoefficient1, F::BandVelocity1})
        f.text[unused] = "not read";
    EXPECT_EQ(Run(), "");
}

TEST_F(Setup, FirstFieldsAreReadInOrder) {
    using F = SetupField;
    EXPECT_EQ(Run(), "");
    const std::vector<F> first = {F::BulletWeight,   F::BulletDiameter,    F::MuzzleVelocity,
                                  F::SightHeight,    F::DepartureAngle,    F::ZeroRange,
                                  F::AirTemperature, F::AirHumidity,       F::AirPressure,
                                  F::Gravity,        F::WindFirst,         F::WindSecond,
                                  F::VerticalWind,   F::CrossWindPosition1};
    ASSERT_GE(f.reads.size(), first.size());
    EXPECT_EQ(std::vector<F>(f.reads.begin(), f.reads.begin() + first.size()), first);
}

TEST_F(Setup, VariableCoefficientReadsOnlyTheBandsInUse) {
    using F = SetupField;
    f.choices[SetupChoice::CoefficientMode] = 2;
    for (int k = 2; k < 5; ++k) {
        f.text[FakeFields::Field(F::BandCoefficient1, k)] = "x";
        f.text[FakeFields::Field(F::BandVelocity1, k)] = "x";
    }
    EXPECT_EQ(Run(), "");
    const BcBand* b = Engine().SteppedBc.Bands;
    EXPECT_DOUBLE_EQ(b[0].Coefficient, 0.462);
    EXPECT_DOUBLE_EQ(b[1].Velocity, 700);
    for (int k = 2; k < 5; ++k) EXPECT_EQ(b[k].Coefficient + b[k].Velocity, 0) << k;
    EXPECT_EQ(in.FormFactor, 0);

    // Each box acts on its own band: band 5 alone, with a zero coefficient.
    f = FakeFields();
    f.choices[SetupChoice::CoefficientMode] = 2;
    f.checks[SetupCheck::Band5] = true;
    f.text[F::BandCoefficient3] = "x";
    EXPECT_EQ(Run(), "One of Ballistic Coefficients less than or equal to zero.");
    f = FakeFields();
    f.choices[SetupChoice::CoefficientMode] = 2;
    f.checks[SetupCheck::Band4] = true;
    f.text[F::BandVelocity4] = "0";
    EXPECT_EQ(Run(), "One of Velocities less than or equal to zero.");
}

TEST_F(Setup, ChronographZeroLeavesTheVelocityAndThirtyMetresFlyBack) {
    EXPECT_EQ(Run(), "");
    EXPECT_EQ(in.MuzzleVelocity, 800);

    f = FakeFields();
    f.text[SetupField::MuzzleVelocity] = "790";
    f.text[SetupField::ChronographDistance] = "30";
    EXPECT_EQ(Run(), "");
    ASSERT_GT(in.MuzzleVelocity, 790);
    // Flying the corrected velocity to 30 m gives back the measured one.
    Engine().Settings.ComputationMode = 4;
    Engine().Settings.IntegrationStep = 0.0005;
    Engine().Input.ZeroRange = 30;
    IntegrateTrajectory(FlightSettings{});
    EXPECT_NEAR(Engine().CurrentSpeed, 790, ChronographRoundTrip);
}

TEST_F(Setup, ChronographInTheVariableModeUsesTheBandOfTheMeasuredVelocity) {
    f.choices[SetupChoice::CoefficientMode] = 2;
    f.text[SetupField::MuzzleVelocity] = "650";  // below band 2's 700 m/s
    f.text[SetupField::ChronographDistance] = "20";
    EXPECT_EQ(Run(), "");
    const double raised = in.MuzzleVelocity;
    f = FakeFields();
    f.text[SetupField::Coefficient] = "0.447";
    f.text[SetupField::MuzzleVelocity] = "650";
    f.text[SetupField::ChronographDistance] = "20";
    EXPECT_EQ(Run(), "");
    EXPECT_DOUBLE_EQ(in.MuzzleVelocity, raised);
}

TEST_F(Setup, ChronographVelocityThatIsNoFiniteNumberEndsTheAction) {
    // Straight down, the slant path to the chronograph is almost endless and
    // the factor overflows.
    f.text[SetupField::DepartureAngle] = "-90";
    f.text[SetupField::ChronographDistance] = "30";
    EXPECT_EQ(Run(), "Velocity less than or equal to zero.");
}

TEST_F(Setup, ArraysAreClearedOnlyAfterTheChecks) {
    Engine().Traj.WrittenEnd = 6;  // as a run that stored point 5
    Engine().Traj.TrajHeight[5] = 1;
    Engine().Traj.TrajDerivedSeries[5] = 2;
    Engine().Slope.SlopeTargetHeight = 3;
    f.text[SetupField::VerticalWind] = "101";
    EXPECT_NE(Run(), "");
    EXPECT_EQ(Engine().Traj.TrajHeight[5], 1);
    EXPECT_EQ(Engine().Slope.SlopeTargetHeight, 3);

    f = FakeFields();
    EXPECT_EQ(Run(), "");
    EXPECT_EQ(Engine().Traj.TrajHeight[5], 0);
    EXPECT_EQ(Engine().Traj.TrajDerivedSeries[5], 2);
    EXPECT_EQ(Engine().Slope.SlopeTargetHeight, 0);
}

// A clear sets every array a run writes to 0 up to the mark and no further,
// leaves the graph's own series, and marks the arrays unwritten.
TEST(TrajectoryArrays, ClearsWhatRunsWroteAndNoMore) {
    auto t = std::make_unique<TrajectoryArrays>();
    // The arrays start as zeros: a first clear has nothing to do.
    EXPECT_EQ(t->WrittenEnd, 0);
    const auto runArrays = RunArraysOf(*t);
    for (double* a : runArrays) a[49] = 7;
    t->TrajDerivedSeries[49] = 7;
    t->TrajHeight[50] = 7;  // past the mark: no run wrote it
    t->WrittenEnd = 50;
    ClearTrajectoryArrays(*t);
    for (int k = 0; k < static_cast<int>(std::size(runArrays)); ++k)
        EXPECT_EQ(runArrays[k][49], 0) << "array " << k;
    EXPECT_EQ(t->TrajDerivedSeries[49], 7);
    EXPECT_EQ(t->TrajHeight[50], 7);
    EXPECT_EQ(t->WrittenEnd, 0);
}

// The clear before a run reaches only as far as earlier runs wrote; whatever
// they left, the arrays past a shorter run's last point must read 0, as the
// table-step test and "Save" read points past the end of a short run.
TEST_F(Setup, RunAfterALongerRunLeavesNoStalePoints) {
    struct Row {
        const char* name;
        int mode;
        double limit;  // m, range limit of a table run or the distance of the other modes
        bool aborts;
        bool shortRunAfter;  // a short run follows without a clear, as zeroing runs do
    };
    const Row earlier[] = {{"table run", 1, 1000, false, false},
                           {"zeroing run", 2, 900, false, false},
                           {"velocity run", 4, 900, false, false},
                           {"run stopped at the step limit", 1, 100000, true, false},
                           {"table run and a short one", 1, 1000, false, true}};
    for (const Row& r : earlier) {
        SetUp();
        ASSERT_EQ(Run(), "") << r.name;
        EngineState& e = Engine();
        e.Settings.IntegrationStep = 0.0005;
        SetTableRun(r.limit, NoLimitY);
        e.Settings.ComputationMode = r.mode;
        e.Input.ZeroRange = r.limit;
        EXPECT_EQ(AbortMessageOf([] { IntegrateTrajectory({}); }).empty(), !r.aborts) << r.name;
        const int longLast = r.aborts ? MaxSteps - 1 : e.Traj.LastPointIndex;
        if (r.shortRunAfter) {
            SetTableRun(10, NoLimitY);
            ASSERT_EQ(AbortMessageOf([] { IntegrateTrajectory({}); }), "") << r.name;
        }

        ASSERT_EQ(Run(), "") << r.name;
        e.Settings.ComputationMode = 1;
        SetTableRun(100, NoLimitY);
        ASSERT_EQ(AbortMessageOf([] { IntegrateTrajectory({}); }), "") << r.name;
        const TrajectoryArrays& t = e.Traj;
        ASSERT_LT(t.LastPointIndex + 10, longLast) << r.name;
        const auto arrays = RunArraysOf(t);
        for (int k = 0; k < static_cast<int>(arrays.size()); ++k)
            EXPECT_EQ(NonZeroPointsFrom(arrays[k], t.LastPointIndex + 1), 0)
                << r.name << ", array " << k;
    }
}

TEST_F(Setup, CoriolisReadsAndRechecksTheLatitude) {
    SpinAndCoriolisParameters& spin = Engine().Spin;
    EXPECT_EQ(Run(), "");
    EXPECT_EQ(spin.EarthRotationRate, 0);  // untouched without the tick

    f = FakeFields();
    f.checks[SetupCheck::Coriolis] = true;
    f.text[SetupField::ShotAzimuth] = "90";
    EXPECT_EQ(Run(), "");
    EXPECT_DOUBLE_EQ(spin.EarthRotationRate, 7.292e-5);
    EXPECT_DOUBLE_EQ(spin.Latitude, 50 * 0.0174532925239284);
    EXPECT_DOUBLE_EQ(spin.ShotAzimuth, 90 * 0.0174532925239284);

    f = FakeFields();
    f.checks[SetupCheck::Coriolis] = true;
    f.text[SetupField::Latitude] = "-91";
    EXPECT_EQ(Run(), "Latitude less than -90 deg.");
}

TEST_F(Setup, DriftBuildsTheModelWithItsLines) {
    f.checks[SetupCheck::Drift] = true;
    EXPECT_EQ(Run(), "");
    EXPECT_EQ(f.lines.size(), 10u);
    EXPECT_NEAR(Engine().Spin.BarrelTwist, 0.305, Conversion);

    // The twist is checked before a proportion field is converted.
    f = FakeFields();
    f.checks[SetupCheck::Drift] = true;
    f.text[SetupField::BarrelTwist] = "0";
    f.text[SetupField::NoseLength] = "x";
    EXPECT_EQ(Run(), "Barrel Twist less than or equal to zero.");
    f = FakeFields();
    f.checks[SetupCheck::Drift] = true;
    f.text[SetupField::BulletLength] = "0";
    f.text[SetupField::NoseLength] = "x";
    EXPECT_EQ(Run(), "Bullet Length less than or equal to zero.");
    EXPECT_TRUE(f.lines.empty());
}
