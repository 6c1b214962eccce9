#include "platform/sysutils.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/base.h"

namespace {

char PointSeparator() {
    return '.';
}
char (*separatorSource)() = &PointSeparator;

// Blanks around a number are ignored, as all control characters are.
std::string Trimmed(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
    return text.substr(first, last - first);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Checks the strict form [sign] digits [separator digits] [e [sign] digits]
// with at least one mantissa digit, and rewrites it with '.' for from_chars.
bool NormaliseDecimal(const std::string& s, char separator, std::string& out) {
    std::size_t i = 0;
    out.clear();
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') out += '-';
        ++i;
    }
    int mantissaDigits = 0;
    while (i < s.size() && IsDigit(s[i])) out += s[i++], ++mantissaDigits;
    if (i < s.size() && s[i] == separator) {
        out += '.';
        ++i;
        while (i < s.size() && IsDigit(s[i])) out += s[i++], ++mantissaDigits;
    }
    if (mantissaDigits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        out += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) out += s[i++];
        int exponentDigits = 0;
        while (i < s.size() && IsDigit(s[i])) out += s[i++], ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == s.size();
}

// The text a conversion error quotes: a long text is cut to its first 60
// characters (not bytes: a UTF-8 sequence is never split) and "…", so the
// message box stays narrower than the screen.
std::string Quoted(const std::string& text) {
    constexpr std::size_t MaxCharacters = 60;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Continuation bytes (10xxxxxx) belong to the character before them.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (characters++ == MaxCharacters) return "'" + text.substr(0, i) + "…'";
    }
    return "'" + text + "'";
}

}  // namespace

char DecimalSeparator() {
    return separatorSource();
}

void SetDecimalSeparatorSource(char (*source)()) {
    separatorSource = source ? source : &PointSeparator;
}

double StrToFloat(const std::string& text) {
    std::string normalised;
    double value = 0;
    if (NormaliseDecimal(Trimmed(text), DecimalSeparator(), normalised)) {
        const char* end = normalised.data() + normalised.size();
        const auto result = std::from_chars(normalised.data(), end, value);
        if (result.ec == std::errc() && result.ptr == end && std::isfinite(value)) return value;
    }
    throw EConvertError(Quoted(text) + " is not a valid floating point value");
}

int StrToInt(const std::string& text) {
    const std::string s = Trimmed(text);
    std::size_t start = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    bool digitsOnly = s.size() > start;
    for (std::size_t i = start; i < s.size(); ++i) digitsOnly = digitsOnly && IsDigit(s[i]);
    long long value = 0;
    if (digitsOnly) {
        const char* begin = s.data() + (s[0] == '+' ? 1 : 0);
        const auto result = std::from_chars(begin, s.data() + s.size(), value);
        if (result.ec == std::errc() && value >= INT_MIN && value <= INT_MAX)
            return static_cast<int>(value);
    }
    throw EConvertError(Quoted(text) + " is not a valid integer value");
}

std::string FloatToStr(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";  // also for -0

    // Fifteen significant digits, rounded once, as d.dddddddddddddde±x.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string scientific(buffer, result.ptr);
    const bool negative = scientific[0] == '-';
    const std::size_t ePos = scientific.find('e');
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < ePos; ++i)
        if (IsDigit(scientific[i])) digits += scientific[i];
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int exponent = std::atoi(scientific.c_str() + ePos + 1);
    const char separator = DecimalSeparator();

    std::string out = negative ? "-" : "";
    if (exponent < -5 || exponent >= 15) {
        out += digits[0];
        if (digits.size() > 1) out += separator + digits.substr(1);
        out += 'E' + std::to_string(exponent);
    } else if (exponent >= 0) {
        const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intDigits) {
            out += digits + std::string(intDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, intDigits) + separator + digits.substr(intDigits);
        }
    } else {
        out += std::string("0") + separator + std::string(-exponent - 1, '0') + digits;
    }
    return out;
}

std::string IntToStr(int value) {
    return std::to_string(value);
}

std::string ExeName() {
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

namespace {

std::string initFileFolder;

}  // namespace

std::string InitFileFolder() {
    return initFileFolder.empty() ? ExtractFilePath(ExeName()) : initFileFolder;
}

void SetInitFileFolder(const std::string& folder) {
    initFileFolder = folder;
    if (!initFileFolder.empty() && initFileFolder.back() != '/') initFileFolder += '/';
}

std::string ExtractFilePath(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ExtractFileName(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ExtractFileExt(const std::string& path) {
    const std::string name = ExtractFileName(path);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}
