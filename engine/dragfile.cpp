#include "engine/dragfile.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

#include "engine/dragtables.h"
#include "engine/numeric.h"
#include "engine/state.h"
#include "platform/safefile.h"

namespace {

// The tag's ',' must be among the first 20 characters of the file.
constexpr std::size_t MaxTagLength = 19;
// Longest name accepted, in bytes; a longer one marks a damaged header.
constexpr std::size_t MaxNameLength = 410;
constexpr std::size_t MaxHeaderRestLength = 199;
// The encoded variant carries "Enco" in the four characters that begin 12
// characters before the end of the header line.
constexpr std::string_view EncodedMarker = "Enco";
constexpr std::size_t EncodedMarkerFromEnd = 12;
// 299 pairs of numbers fit in a few kilobytes; a file far larger than that is
// no drag-function file, and reading it whole would only waste memory.
constexpr std::size_t MaxFileBytes = 1 << 20;

// Ends the reading of a file that cannot be used; caught in
// ReadDragFunctionFileData and turned into its result.
struct Refusal {
    const char* message;
};

[[noreturn]] void Refuse(const char* message = DragFileFormatMessage) {
    throw Refusal{message};
}

// The white space that "%lf" passes over in the C locale.
bool IsSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

void SkipSpace(std::string_view& text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
}

enum class NumberRead { Ok, End, NotANumber };

// Reads one number the way "%lf" does (white space passed over, then the
// longest number that starts there, '.' as decimal point) but independent of
// the locale, which a Qt program sets from the user's environment. Infinite,
// NaN and out-of-range values count as no number.
NumberRead ReadNumber(std::string_view& text, double& value) {
    SkipSpace(text);
    if (text.empty()) return NumberRead::End;
    const char* first = text.data();
    const char* const last = text.data() + text.size();
    // "%lf" accepts a leading '+', std::from_chars does not.
    if (*first == '+' && last - first > 1 && first[1] != '-') ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || !std::isfinite(value)) return NumberRead::NotANumber;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return NumberRead::Ok;
}

// Mass and diameter: a finite number above 0 on the header line.
double ReadSize(std::string_view& line) {
    double value = 0;
    if (ReadNumber(line, value) != NumberRead::Ok || !(value > 0)) Refuse();
    return value;
}

// Passes over everything up to and including the next ',' of the header line.
void SkipPastComma(std::string_view& line) {
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) Refuse();
    line.remove_prefix(comma + 1);
}

// Reads the header line (without its line end) into `data` and returns the
// rest of the line behind the diameter.
std::string_view ReadHeader(std::string_view line, DragFileData& data) {
    const std::size_t tagEnd = line.find(',');
    if (tagEnd == std::string_view::npos || tagEnd > MaxTagLength) Refuse();
    line.remove_prefix(tagEnd + 1);
    // One separator character, then the name up to its closing ','.
    if (line.empty()) Refuse();
    line.remove_prefix(1);
    const std::size_t nameEnd = line.find(',');
    if (nameEnd == std::string_view::npos || nameEnd > MaxNameLength) Refuse();
    data.BulletName = std::string(line.substr(0, nameEnd));
    line.remove_prefix(nameEnd + 1);
    data.BulletMass = ReadSize(line);
    SkipPastComma(line);
    data.BulletDiameter = ReadSize(line);
    if (line.size() > MaxHeaderRestLength) Refuse();
    return line;
}

bool IsEncodedVariant(std::string_view rest) {
    return rest.size() >= EncodedMarkerFromEnd &&
           rest.substr(rest.size() - EncodedMarkerFromEnd, EncodedMarker.size()) == EncodedMarker;
}

// The field values of the header; refuses a bullet whose figures overflow or
// whose coefficient rounds to nothing. The switch to "Form Factor " converts
// that coefficient back, so it must give a form factor as well.
void DeriveFields(DragFileData& data) {
    const double m = data.BulletMass;
    const double d = data.BulletDiameter;
    data.WeightField = m * 1000;
    data.DiameterField = d * 1000;
    const double coefficient = RoundToDecimals(DragStrengthFactor * m / (d * d), 4);
    data.FormFactorOneCoefficient = coefficient;
    const double formFactor = DragStrengthFactor * m / (coefficient * d * d);
    if (!std::isfinite(data.WeightField) || !std::isfinite(data.DiameterField) ||
        !std::isfinite(coefficient) || !(coefficient > 0) || !std::isfinite(formFactor)) {
        Refuse();
    }
}

// Reads the pairs of the plain body into the coefficient list and the velocity
// list (still as Mach numbers). The pair with a coefficient of 0 or less ends
// the list and is no point of the function; so does the end of the file, also
// in the middle of a pair. Text that is no number where a pair should stand
// is refused rather than taken as the end, which would silently cut the
// function short.
void ReadPairs(std::string_view body, DragFileData& data) {
    for (;;) {
        double coefficient = 0;
        double mach = 0;
        NumberRead read = ReadNumber(body, coefficient);
        if (read == NumberRead::End) return;
        if (read == NumberRead::NotANumber) Refuse();
        if (coefficient <= 0) return;
        if (data.Coefficients.size() == MaxDragFilePairs) Refuse(DragFileTooManyMessage);
        read = ReadNumber(body, mach);
        if (read == NumberRead::End) return;
        if (read == NumberRead::NotANumber) Refuse();
        data.Coefficients.push_back(coefficient);
        data.Velocities.push_back(mach);
    }
}

// True when every straight line the table is drawn from (between neighbouring
// points, and from the last point to (0, 0)) stays finite over 0..1710 m/s.
// Only absurd coefficients on points a hair apart can fail this.
bool LinesStayFinite(const std::vector<double>& v, const std::vector<double>& c) {
    for (std::size_t q = 0; q < v.size(); ++q) {
        const double nextV = q + 1 < v.size() ? v[q + 1] : 0.0;
        const double nextC = q + 1 < v.size() ? c[q + 1] : 0.0;
        const double slope = (c[q] - nextC) / (v[q] - nextV);
        const double intercept = c[q] - slope * v[q];
        if (!std::isfinite(std::fabs(slope) * DragTableSize + std::fabs(intercept))) return false;
    }
    return true;
}

// Turns the Mach numbers into velocities and closes the function at 1700 m/s:
// the last point is moved there when it lies at or beyond it, otherwise a
// point with the last coefficient is added. Points must rise strictly and lie
// below 1700 m/s before the last, since the table is drawn only up to there.
void MakeVelocities(DragFileData& data) {
    std::vector<double>& v = data.Velocities;
    std::vector<double>& c = data.Coefficients;
    if (v.empty()) Refuse();  // no point at all: there would be no drag
    if (v.front() < 0) Refuse();
    for (std::size_t i = 0; i < v.size(); ++i) {
        v[i] *= SpeedOfSound;
        // Compared after the conversion, which can merge Mach numbers a hair apart.
        if (i > 0 && !(v[i] > v[i - 1])) Refuse();
        if (i + 1 < v.size() && v[i] >= MaxDragSpeed) Refuse();
    }
    if (v.back() >= MaxDragSpeed) {
        v.back() = MaxDragSpeed;
    } else {
        v.push_back(MaxDragSpeed);
        c.push_back(c.back());
    }
    if (!LinesStayFinite(v, c)) Refuse();
}

void ParseText(std::string_view text, DragFileData& data) {
    // A byte-order mark is no part of the tag.
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const std::size_t lineEnd = text.find('\n');
    std::string_view line = text.substr(0, lineEnd);
    const std::string_view body =
        lineEnd == std::string_view::npos ? std::string_view() : text.substr(lineEnd + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);

    const std::string_view rest = ReadHeader(line, data);
    DeriveFields(data);
    if (IsEncodedVariant(rest)) Refuse(DragFileEncodedMessage);
    ReadPairs(body, data);
    MakeVelocities(data);
}

}  // namespace

DragFileData ReadDragFunctionFileData(const std::string& path) {
    DragFileData data;
    data.Path = path;
    std::string text;
    const FileReadStatus read = ReadFileBounded(path, text, MaxFileBytes);
    if (read == FileReadStatus::Unavailable) {
        data.Status = DragFileStatus::NotFound;
        data.Message = DragFileNotFoundMessage;
        return data;
    }
    try {
        if (read == FileReadStatus::TooLarge) Refuse();
        ParseText(text, data);
    } catch (const Refusal& refusal) {
        // Hand back only the verdict, so that no half-read value can be applied.
        DragFileData refused;
        refused.Status = DragFileStatus::Refused;
        refused.Message = refusal.message;
        refused.Path = path;
        return refused;
    }
    data.Status = DragFileStatus::Ok;
    return data;
}

void ApplyDragFunction(const DragFileData& data) {
    if (data.Status != DragFileStatus::Ok) return;
    BuildActiveDragTable(data.Velocities.data(), data.Coefficients.data(),
                         static_cast<int>(data.Velocities.size()));
    Engine().DragFileName = data.Path;
}
