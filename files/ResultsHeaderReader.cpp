#include "files/ResultsHeaderReader.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>

namespace {

// The first ':' of a results file, the one of "Ammo:", is among its first
// this many characters.
constexpr int MaxCharactersBeforeAmmoColon = 250;

// The built-in drag functions as the drag-function line names them, by list item.
constexpr std::array<std::pair<std::string_view, int>, 11> BuiltInDragNames = {{
    {"G1", 1},
    {"G2", 2},
    {"G5", 3},
    {"G6", 4},
    {"G7", 5},
    {"G8", 6},
    {"GL", 7},
    {"GS", 8},
    {"GC", 9},
    {"RA4", 10},
    {"1943", 11},
}};

// The largest double, 1.7976931348623157e308, rounded to fifteen
// significant digits.
constexpr long double LargestFifteenDigitNumber = 1.79769313486232e308L;

constexpr int ClickInMmItem = 7;
constexpr int ClickInMoaItem = 8;

bool IsBlank(int c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// A decimal number at the start of `text` after leading blanks: an optional
// sign, digits with an optional fraction behind '.' (or behind ',' directly
// between digits), an optional exponent. Sets `length` to the characters
// used, blanks included. Infinity, "nan", hexadecimal and out-of-range
// values are no numbers.
std::optional<double> ScanNumber(std::string_view text, std::size_t& length) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') number += '-';
        ++i;
    }
    bool digits = false;
    for (; i < text.size() && IsDigit(text[i]); ++i, digits = true) number += text[i];
    const bool point = i < text.size() && text[i] == '.';
    const bool comma = i + 1 < text.size() && text[i] == ',' && digits && IsDigit(text[i + 1]);
    if (point || comma) {
        number += '.';
        for (++i; i < text.size() && IsDigit(text[i]); ++i, digits = true) number += text[i];
    }
    if (!digits) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            number += 'e';
            number.append(text.substr(i + 1, j - i - 1));
            for (; j < text.size() && IsDigit(text[j]); ++j) number += text[j];
            i = j;
        }
    }
    const char* const last = number.data() + number.size();
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), last, value);
    if (error == std::errc::result_out_of_range && end == last) {
        // The ";" dialect prints fifteen significant digits, which rounds the
        // largest doubles up past the double range; such a number stands for
        // the largest double.
        long double wide = 0;
        std::from_chars(number.data(), last, wide);
        const long double magnitude = std::fabs(wide);
        if (!(magnitude > std::numeric_limits<double>::max()) ||
            magnitude > LargestFifteenDigitNumber)
            return std::nullopt;
        value = std::copysign(std::numeric_limits<double>::max(), static_cast<double>(wide));
    } else if (error != std::errc() || end != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    length = i;
    return value;
}

// Characters of the stream with room to put back the few that a number scan
// looks ahead.
class HeaderScanner {
  public:
    explicit HeaderScanner(std::istream& in) : in_(in) {}

    int Get() {
        if (!pending_.empty()) {
            const int c = static_cast<unsigned char>(pending_.back());
            pending_.pop_back();
            return c;
        }
        const int c = in_.get();
        return c == std::char_traits<char>::eof() ? -1 : c;
    }
    void PutBack(int c) {
        if (c >= 0) pending_.push_back(static_cast<char>(c));
    }

    // Reads up to and including the next ':'; the text passed over must be
    // the label and nothing else but blanks and line ends.
    bool SkipLabel(std::string_view label) {
        std::string passed;
        for (int c = Get(); c != ':'; c = Get()) {
            if (c < 0) return false;
            passed += static_cast<char>(c);
        }
        return Trimmed(passed) == label;
    }

    // The rest of the line without its line end (LF or CR LF); true when the
    // line ended before the end of the stream.
    bool ReadLine(std::string& line) {
        line.clear();
        for (int c = Get(); c != '\n'; c = Get()) {
            if (c < 0) return false;
            line += static_cast<char>(c);
        }
        while (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
    }

    // Passes over the one blank that follows a colon; a line end stays.
    void SkipBlankBehindColon() {
        const int c = Get();
        if (c == '\n') PutBack(c);
    }

    // A number after blanks and line ends, ended by a blank, a line end or the
    // end of the stream.
    bool ReadNumber(double& value) {
        std::string text;
        int c = Get();
        while (IsBlank(c)) c = Get();
        // No length limit: the writers print every value in fixed notation,
        // so a large one has hundreds of digits (the file's size bounds it).
        while (c >= 0 && !IsBlank(c)) {
            text += static_cast<char>(c);
            c = Get();
        }
        PutBack(c);
        std::size_t length = 0;
        const std::optional<double> number = ScanNumber(text, length);
        if (!number || length != text.size()) return false;
        value = *number;
        return true;
    }

    // Passes over blanks and line ends up to the next 'B' or 'F', which stays
    // unread; returns it, or 0 when anything else comes first.
    char NextBandOrBullet() {
        int c = Get();
        while (IsBlank(c)) c = Get();
        PutBack(c);
        return c == 'B' || c == 'F' ? static_cast<char>(c) : 0;
    }

  private:
    std::istream& in_;
    std::string pending_;
};

// The first ':' closes the ammunition label within the first characters.
bool SkipToAmmoColon(HeaderScanner& scan) {
    std::string passed;
    for (int count = 1;; ++count) {
        if (count > MaxCharactersBeforeAmmoColon) return false;
        const int c = scan.Get();
        if (c < 0) return false;
        if (c == ':') break;
        passed += static_cast<char>(c);
    }
    const std::size_t lineStart = passed.find_last_of('\n');
    const std::string_view lastLine =
        std::string_view(passed).substr(lineStart == std::string::npos ? 0 : lineStart + 1);
    return Trimmed(lastLine) == "Ammo";
}

// The drag-function line: a built-in name (compared without its trailing
// blank), an absolute path of this system or one with a drive letter, or
// anything else, which keeps the function in use.
void ClassifyDragLine(std::string line, ResultsHeaderRecord& header) {
    if (!line.empty() && line.back() == ' ') line.pop_back();
    for (const auto& [name, item] : BuiltInDragNames) {
        if (line == name) {
            header.Drag = HeaderDragChoice::BuiltIn;
            header.DragItem = item;
            return;
        }
    }
    const bool drivePath =
        line.size() >= 2 && std::isalpha(static_cast<unsigned char>(line[0])) && line[1] == ':';
    if ((!line.empty() && line[0] == '/') || drivePath) {
        header.Drag = HeaderDragChoice::File;
        header.DragPath = line;
    }
}

// The click line as written behind "1 Click:": a fixed choice by its text,
// or a custom number followed by its unit. Index 0 is the blank behind the
// colon; p is the first character after it that is no blank.
bool ClassifyClickLine(const std::string& line, ResultsHeaderRecord& header) {
    const std::size_t p = line.find_first_not_of(' ', 1);
    if (p == std::string::npos) return false;
    const auto at = [&line](std::size_t i) { return i < line.size() ? line[i] : '\0'; };
    if (at(p + 1) == '/') {
        // "1/2 MOA" to "1/8 MOA"; an unknown fraction keeps the selection.
        constexpr std::string_view Denominators = "2348";
        const std::size_t item = Denominators.find(at(p + 2));
        if (item != std::string_view::npos) header.ClickItem = static_cast<int>(item);
        return true;
    }
    // "10 mm/100m", "7 mm/100m" and "5 mm/100m"; a custom "1 mm/100m" (as the
    // ";" dialect writes it) is not taken for the first.
    if (at(p + 3) == 'm') {
        if (at(p) == '1' && at(p + 1) == '0') header.ClickItem = 4;
        if (at(p) == '7' && at(p + 1) == ' ') header.ClickItem = 5;
        if (at(p) == '5' && at(p + 1) == ' ') header.ClickItem = 6;
        if (header.ClickItem >= 0) return true;
    }
    std::size_t length = 0;
    const std::optional<double> number = ScanNumber(line, length);
    if (!number) return false;
    const std::size_t unit = line.find_first_of("mM", p + 1);
    if (unit == std::string::npos) return false;
    header.CustomClick = true;
    header.ClickNumber = *number;
    header.ClickItem = line[unit] == 'm' ? ClickInMmItem : ClickInMoaItem;
    return true;
}

bool ReadLabelledNumber(HeaderScanner& scan, std::string_view label, double& value) {
    return scan.SkipLabel(label) && scan.ReadNumber(value);
}

// A band line: velocity and coefficient; its form factor follows from them
// and is passed over with the rest of the line.
bool ReadBand(HeaderScanner& scan, std::string_view label, ResultsHeaderRecord& header) {
    HeaderBand band;
    std::string rest;
    if (!ReadLabelledNumber(scan, label, band.Velocity) ||
        !ReadLabelledNumber(scan, "BC [lb/in2]", band.Coefficient) ||
        !scan.SkipLabel("Form Factor [-]") || !scan.ReadLine(rest))
        return false;
    header.Bands.push_back(band);
    return true;
}

bool ReadDragStrength(HeaderScanner& scan, ResultsHeaderRecord& header) {
    const char first = scan.NextBandOrBullet();
    if (first == 'B') {
        return ReadLabelledNumber(scan, "BC [lb/in2]", header.BallisticCoefficient) &&
               ReadLabelledNumber(scan, "Form Factor [-]", header.FormFactor);
    }
    if (first != 'F') return false;
    header.VariableCoefficient = true;
    if (!ReadBand(scan, "For Velocity over [m/s]", header) ||
        !ReadBand(scan, "For Velocity below [m/s]", header))
        return false;
    constexpr std::size_t MaxBands = 5;
    while (header.Bands.size() < MaxBands && scan.NextBandOrBullet() == 'F') {
        if (!ReadBand(scan, "For Velocity below [m/s]", header)) return false;
    }
    return true;
}

bool ReadBullet(HeaderScanner& scan, ResultsHeaderRecord& h) {
    return ReadLabelledNumber(scan, "Bullet Weight [g]", h.BulletWeight) &&
           ReadLabelledNumber(scan, "Bullet Diameter [mm]", h.BulletDiameter) &&
           ReadLabelledNumber(scan, "Muzzle Velocity [m/s]", h.MuzzleVelocity) &&
           ReadLabelledNumber(scan, "Sight Height [mm]", h.SightHeight) &&
           ReadLabelledNumber(scan, "Angle of Departure [deg]", h.DepartureAngle) &&
           ReadLabelledNumber(scan, "Zero Range [m]", h.ZeroRange);
}

// The air and the winds; the air density follows from the air and is passed
// over with the rest of its line. The label of the step closes the header, so
// a file cut in the gravity value is no header.
bool ReadAirAndWinds(HeaderScanner& scan, ResultsHeaderRecord& h) {
    std::string density;
    return ReadLabelledNumber(scan, "Air Temperature [C]", h.AirTemperature) &&
           ReadLabelledNumber(scan, "Air Pressure [hPa]", h.AirPressure) &&
           ReadLabelledNumber(scan, "Air Humidity [%]", h.AirHumidity) &&
           scan.SkipLabel("Air Density [kg/m3]") && scan.ReadLine(density) &&
           ReadLabelledNumber(scan, "Cross Wind [m/s]", h.CrossWind) &&
           ReadLabelledNumber(scan, "Longitudinal Wind [m/s]", h.LongitudinalWind) &&
           ReadLabelledNumber(scan, "Vertical Wind [m/s]", h.VerticalWind) &&
           ReadLabelledNumber(scan, "Gravity Acceleration [m/s2]", h.Gravity) &&
           scan.SkipLabel("Computation Step [ms]");
}

}  // namespace

std::optional<ResultsHeaderRecord> ParseResultsHeader(std::istream& in) {
    HeaderScanner scan(in);
    ResultsHeaderRecord header;
    if (!SkipToAmmoColon(scan)) return std::nullopt;
    scan.SkipBlankBehindColon();
    if (!scan.ReadLine(header.AmmoName)) return std::nullopt;

    std::string line;
    if (!scan.SkipLabel("Drag Function")) return std::nullopt;
    scan.SkipBlankBehindColon();
    if (!scan.ReadLine(line)) return std::nullopt;
    ClassifyDragLine(line, header);

    if (!ReadDragStrength(scan, header) || !ReadBullet(scan, header)) return std::nullopt;
    if (!scan.SkipLabel("1 Click") || !scan.ReadLine(line) || !ClassifyClickLine(line, header))
        return std::nullopt;
    if (!ReadAirAndWinds(scan, header)) return std::nullopt;
    return header;
}
