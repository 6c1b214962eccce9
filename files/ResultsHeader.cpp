#include "files/ResultsHeader.h"

#include <cmath>

#include "engine/numeric.h"
#include "engine/setup.h"
#include "platform/sysutils.h"

namespace {

// A line with one number, in the text, ";" and "," forms, and the decimals
// the ";" form rounds the number to.
struct NumberLine {
    const char* formats[3];
    int decimals;
};

// Indices into the table below.
enum Line {
    BallisticCoefficientLine,
    FormFactorLine,
    WeightLine,
    DiameterLine,
    MuzzleVelocityLine,
    SightHeightLine,
    DepartureAngleLine,
    ZeroRangeLine,
    TemperatureLine,
    PressureLine,
    HumidityLine,
    DensityLine,
    CrossWindLine,
    LongitudinalWindLine,
    VerticalWindLine,
    GravityLine,
    StepLine,
};

// The blanks differ between the forms; they are part of the file formats.
const NumberLine NumberLines[] = {
    {{"\n BC [lb/in2]:                   %6.4f  ", "\n BC [lb/in2]:                         %s  ",
      "\n BC [lb/in2]:                          %6.4f  "},
     4},
    {{"\n Form Factor [-]:               %6.4f  ", "\n Form Factor [-]:                   %s  ",
      "\n Form Factor [-]:                   %6.4f  "},
     4},
    {{"\n Bullet Weight [g]:             %6.4f  ", "\n Bullet Weight [g]:                %s  ",
      "\n Bullet Weight [g]:                 %6.4f  "},
     4},
    {{"\n Bullet Diameter [mm]:          %6.4f  ", "\n Bullet Diameter [mm]:          %s  ",
      "\n Bullet Diameter [mm]:          %6.4f  "},
     4},
    {{"\n Muzzle Velocity [m/s]:        %6.1f  ", "\n Muzzle Velocity [m/s]:         %s  ",
      "\n Muzzle Velocity [m/s]:        %6.1f  "},
     1},
    {{"\n Sight Height [mm]:           %6.1f  ", "\n Sight Height [mm]:              %s  ",
      "\n Sight Height [mm]:            %6.1f  "},
     1},
    {{"\n Angle of Departure [deg]:      %6.6f  ", "\n Angle of Departure [deg]:      %s  ",
      "\n Angle of Departure [deg]:      %6.6f  "},
     6},
    {{"\n Zero Range [m]:             %6.0f  ", "\n Zero Range [m]:                  %s  ",
      "\n Zero Range [m]:               %6.0f  "},
     0},
    {{"\n Air Temperature [C]:         %6.1f  ", "\n Air Temperature [C]:            %s  ",
      "\n Air Temperature [C]:           %6.1f  "},
     1},
    {{"\n Air Pressure [hPa]:           %6.1f  ", "\n Air Pressure [hPa]:              %s  ",
      "\n Air Pressure [hPa]:              %6.1f  "},
     1},
    {{"\n Air Humidity [%%]:            %6.1f  ", "\n Air Humidity [%%]:                  %s  ",
      "\n Air Humidity [%%]:                %6.1f  "},
     1},
    {{"\n Air Density [kg/m3]:           %6.4f  ", "\n Air Density [kg/m3]:             %s  ",
      "\n Air Density [kg/m3]:             %6.4f  "},
     4},
    {{"\n Cross Wind [m/s]:            %6.1f  ", "\n Cross Wind [m/s]:                %s  ",
      "\n Cross Wind [m/s]:               %6.1f  "},
     1},
    {{"\n Longitudinal Wind [m/s]:     %6.1f  ", "\n Longitudinal Wind [m/s]:       %s  ",
      "\n Longitudinal Wind [m/s]:      %6.1f  "},
     1},
    {{"\n Vertical Wind [m/s]:         %6.1f  ", "\n Vertical Wind [m/s]:             %s  ",
      "\n Vertical Wind [m/s]:            %6.1f  "},
     1},
    {{"\n Gravity Acceleration [m/s2]:  %6.3f  ", "\n Gravity Acceleration [m/s2]:  %s  ",
      "\n Gravity Acceleration [m/s2]:  %6.3f  "},
     3},
    {{"\n Computation Step [ms]:       %6.2f  ", "\n Computation Step [ms]:       %s  ",
      "\n Computation Step [ms]:       %6.2f  "},
     2},
};

// Velocity bands of the variable coefficient: band 1, then bands 2 to 5.
const char* const BandOverLines[] = {
    "\n For Velocity over [m/s]:  %4.1f  BC [lb/in2]: %4.4f  Form Factor [-]: %4.4f",
    "\n For Velocity over [m/s]:    %s  BC [lb/in2]: %s  Form Factor [-]: %s",
    "\n For Velocity over [m/s]:    %4.1f  BC [lb/in2]: %4.4f  Form Factor [-]: %4.4f",
};
const char* const BandBelowLines[] = {
    "\n For Velocity below [m/s]: %4.1f  BC [lb/in2]: %4.4f  Form Factor [-]: %4.4f",
    "\n For Velocity below [m/s]:  %s  BC [lb/in2]: %s  Form Factor [-]: %s",
    "\n For Velocity below [m/s]: %4.1f  BC [lb/in2]: %4.4f  Form Factor [-]: %4.4f",
};

// The fixed click items 0 to 6, then the custom values in mm/100 m and in MOA.
const char* const FixedClickLines[7][3] = {
    {"\n 1 Click:                       1/2 MOA",
     "\n 1 Click:                              1/2 MOA",
     "\n 1 Click:                               1/2 MOA"},
    {"\n 1 Click:                       1/3 MOA",
     "\n 1 Click:                              1/3 MOA",
     "\n 1 Click:                               1/3 MOA"},
    {"\n 1 Click:                       1/4 MOA",
     "\n 1 Click:                              1/4 MOA",
     "\n 1 Click:                               1/4 MOA"},
    {"\n 1 Click:                       1/8 MOA",
     "\n 1 Click:                              1/8 MOA",
     "\n 1 Click:                               1/8 MOA"},
    {"\n 1 Click:                       10 mm/100m",
     "\n 1 Click:                              10 mm/100m",
     "\n 1 Click:                               10 mm/100m"},
    {"\n 1 Click:                       7 mm/100m",
     "\n 1 Click:                              7 mm/100m",
     "\n 1 Click:                               7 mm/100m"},
    {"\n 1 Click:                       5 mm/100m",
     "\n 1 Click:                              5 mm/100m",
     "\n 1 Click:                               5 mm/100m"},
};
const char* const MmClickLines[] = {
    "\n 1 Click:                      %6.3f mm/100m",
    "\n 1 Click:                              %s mm/100m",
    "\n 1 Click:                              %6.3f mm/100m",
};
const char* const MoaClickLines[] = {
    "\n 1 Click:                      %6.3f MOA",
    "\n 1 Click:                              %s MOA",
    "\n 1 Click:                              %6.3f MOA",
};

const char* const BuiltInDragLines[] = {
    "\n Drag Function: G1 ",  "\n Drag Function: G2 ",   "\n Drag Function: G5 ",
    "\n Drag Function: G6 ",  "\n Drag Function: G7 ",   "\n Drag Function: G8 ",
    "\n Drag Function: GL ",  "\n Drag Function: GS ",   "\n Drag Function: GC ",
    "\n Drag Function: RA4 ", "\n Drag Function: 1943 ",
};

// Radians per degree of the custom click in millimetres per 100 m.
constexpr double ClickRadiansPerDegree = 0.01745329267623711;
constexpr double MinutesPerDegree = 60;

// A value and the decimals the ";" form rounds it to; that form writes the
// shortest notation unless `allDecimals` asks for every decimal.
struct Value {
    double value = 0;
    int decimals = 0;
    bool allDecimals = false;
};

// One form of the header: picks its formats and prints its numbers.
class HeaderPrinter {
  public:
    HeaderPrinter(std::ostream& out, HeaderForm form) : out_(out), form_(static_cast<int>(form)) {}

    void Choice(const char* const (&formats)[3]) { out_ << formats[form_]; }
    void Number(Line line, double value) {
        const NumberLine& l = NumberLines[line];
        Numbers(l.formats, {value, l.decimals});
    }
    void Numbers(const char* const (&formats)[3], Value a, Value b = {}, Value c = {}) {
        const char* format = formats[form_];
        if (form_ == static_cast<int>(HeaderForm::SemicolonCsv))
            out_ << FormatLine(format, Locale(a).c_str(), Locale(b).c_str(), Locale(c).c_str());
        else
            out_ << FormatLine(format, a.value, b.value, c.value);
    }

  private:
    static std::string Locale(Value v) {
        const double rounded = RoundToDecimals(v.value, v.decimals);
        if (!v.allDecimals) return FloatToStr(rounded);
        std::string number = FormatLine("%.*f", v.decimals, rounded);
        const std::size_t point = number.find('.');
        if (point != std::string::npos) number[point] = DecimalSeparator();
        return number;
    }

    std::ostream& out_;
    int form_;
};

void WriteDragLine(std::ostream& out, const ResultsHeaderData& h) {
    // The line is always written: the loader reads the header by position.
    // An item that is no built-in function names the function file.
    if (h.DragItem >= 1 && h.DragItem <= 11)
        out << BuiltInDragLines[h.DragItem - 1];
    else
        out << "\n Drag Function: " << WithoutControlCharacters(h.DragFileName);
}

void WriteCoefficientLines(HeaderPrinter& p, const ResultsHeaderData& h) {
    const InputParameters& in = h.Input;
    if (h.SteppedBc.CoefficientMode != CoefficientVariable) {
        p.Number(BallisticCoefficientLine, in.BallisticCoefficient);
        p.Number(FormFactorLine, in.FormFactor);
        return;
    }
    for (int k = 0; k < 5; ++k) {
        if (k >= 2 && !h.SteppedBc.BandInUse[k]) continue;
        const BcBand& band = h.SteppedBc.Bands[k];
        const double formFactor = 1 / band.Coefficient / in.BulletDiameter / in.BulletDiameter *
                                  in.BulletMass * DragStrengthFactor;
        p.Numbers(k == 0 ? BandOverLines : BandBelowLines, {band.Velocity, 1},
                  {band.Coefficient, 4}, {formFactor, 4});
    }
}

void WriteClickLine(HeaderPrinter& p, const ResultsHeaderData& h) {
    if (h.ClickItem >= 0 && h.ClickItem <= 6) {
        p.Choice(FixedClickLines[h.ClickItem]);
    } else if (h.ClickItem == ClickInMm) {
        const double mm = std::tan(h.ClickValue * ClickRadiansPerDegree) * 100000;
        // In its shortest notation the ";" form would write 10, 7 and 5 just
        // as the fixed items; with their decimals ("10,000 mm/100m") the
        // loader takes them for the custom value.
        const double shown = RoundToDecimals(mm, 3);
        p.Numbers(MmClickLines, {mm, 3, shown == 10 || shown == 7 || shown == 5});
    } else {
        // "Value in MOA", also when no item is selected: a click the loader
        // reads back as the value in use.
        p.Numbers(MoaClickLines, {h.ClickValue * MinutesPerDegree, 3});
    }
}

}  // namespace

std::string WithoutControlCharacters(std::string text) {
    for (char& c : text)
        if ((static_cast<unsigned char>(c) < 0x20) || c == 0x7f) c = ' ';
    return text;
}

double HeaderAirDensity(double temperatureK, double humidityPercent, double pressurePa) {
    // 0.0034837136387388954 is 1/287.05, the gas constant of dry air; the
    // first factor takes off the lighter water vapour.
    return (1 - std::exp(0.06995 * temperatureK) * (humidityPercent * 8.99e-14)) *
           (pressurePa * 0.0034837136387388954 / temperatureK);
}

void WriteHeaderBlock(std::ostream& out, const ResultsHeaderData& h, HeaderForm form) {
    const InputParameters& in = h.Input;
    HeaderPrinter p(out, form);
    const char* const dashes = "--------------------------------------------------\n";
    out << "\n            *** Vantorra *** \n"
        << dashes << "                   Melvask \n"
        << dashes;
    out << "\n Ammo: " << WithoutControlCharacters(h.AmmoName) << "\n";
    WriteDragLine(out, h);
    WriteCoefficientLines(p, h);
    p.Number(WeightLine, in.BulletMass * 1000);
    p.Number(DiameterLine, in.BulletDiameter * 1000);
    p.Number(MuzzleVelocityLine, in.MuzzleVelocity);
    p.Number(SightHeightLine, in.SightHeight * 1000);
    p.Number(DepartureAngleLine, in.DepartureAngle);
    p.Number(ZeroRangeLine, in.ZeroRange);
    WriteClickLine(p, h);
    p.Number(TemperatureLine, in.AirTemperature - 273.15);
    p.Number(PressureLine, in.AirPressure * 0.01);
    p.Number(HumidityLine, in.AirHumidity);
    p.Number(DensityLine, HeaderAirDensity(in.AirTemperature, in.AirHumidity, in.AirPressure));
    p.Number(CrossWindLine, in.CrossWind);
    p.Number(LongitudinalWindLine, in.LongitudinalWind);
    p.Number(VerticalWindLine, in.VerticalWind);
    p.Number(GravityLine, in.Gravity);
    p.Number(StepLine, h.IntegrationStep * 1000);
}
