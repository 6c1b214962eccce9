#include "engine/numeric.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "engine/state.h"
#include "platform/base.h"

void ShowErrorAndAbort(const std::string& message) {
    ShowMessage(message);
    Abort();
}

double RoundToDecimals(double x, int n) {
    double sign = 1.0;
    if (x < 0) {
        x = -x;
        sign = -1.0;
    }
    const double p = std::pow(10.0, n);
    // A value this large has no decimals left to round, and scaling it would
    // overflow to infinity: it stays as it is.
    if (!std::isfinite(x * p)) return sign * x;
    const double half = (1.0 / p) * 0.5;
    // Round up when the part beyond the n-th decimal is at least one half ...
    double c = std::ceil(x * p) / p;
    if (x + half >= c) x = c;
    // ... and down otherwise. A value already at n decimals passes both tests
    // unchanged. The two steps work on the binary value, which is why 0.35
    // (slightly below 0.35 in binary) rounds to 0.30000000000000004.
    c = std::ceil(x * p) / p;
    if (x + half < c) x = c - 2 * half;
    // Magnitudes below 1e-12 count as 0; this also clears what c - 2h leaves
    // behind on values that round to nothing.
    if (x > -1e-12 && x < 1e-12) x = 0;
    return sign * x;
}

double InterpolateLinear(double x, double x1, double x2, double y1, double y2) {
    EngineState& e = Engine();
    // Equal abscissae define no line; the slope of the previous call is kept
    // so that the result is still the value at x2 on a line of known slope.
    if (x2 - x1 != 0) e.InterpolationSlope = (y2 - y1) / (x2 - x1);
    e.InterpolationIntercept = y2 - e.InterpolationSlope * x2;
    return e.InterpolationSlope * x + e.InterpolationIntercept;
}

namespace {

// Writes the line in one pass when every conversion in the format is
// "%[-][width][.precision]f" of a finite value, "%[-][width][.0]d" or "i"
// with a precision of at most 1, or "%%", and the line fits the buffer. A
// fixed-point figure written by to_chars is the exact decimal value rounded
// as printf rounds it, so the line is the one printf writes, at a fraction
// of its cost. False for anything else, and the caller formats with printf.
bool FormatCommonLine(std::string& line, const char* format, va_list args) {
    char buffer[256];
    size_t n = 0;
    for (const char* p = format; *p != '\0'; ++p) {
        if (*p != '%' || p[1] == '%') {
            if (n == sizeof buffer) return false;
            buffer[n++] = *p;
            if (*p == '%') ++p;
            continue;
        }
        ++p;
        const bool left = *p == '-';
        if (left) ++p;
        if (*p == '0') return false;  // zero padding
        size_t width = 0;
        for (; *p >= '0' && *p <= '9'; ++p) {
            width = width * 10 + static_cast<size_t>(*p - '0');
            if (width > sizeof buffer) return false;
        }
        int precision = -1;
        if (*p == '.') {
            precision = 0;
            for (++p; *p >= '0' && *p <= '9'; ++p) precision = precision * 10 + (*p - '0');
            if (precision > 60) return false;
        }
        char figure[128];
        std::to_chars_result written{};
        if (*p == 'f') {
            const double value = va_arg(args, double);
            if (!std::isfinite(value)) return false;
            written = std::to_chars(figure, figure + sizeof figure, value, std::chars_format::fixed,
                                    precision < 0 ? 6 : precision);
        } else if ((*p == 'd' || *p == 'i') && precision <= 1) {
            // A precision of 0 writes no digit for 0; 1 is the default.
            const int value = va_arg(args, int);
            written = value == 0 && precision == 0
                          ? std::to_chars_result{figure, std::errc()}
                          : std::to_chars(figure, figure + sizeof figure, value);
        } else {
            return false;
        }
        if (written.ec != std::errc()) return false;
        const size_t length = static_cast<size_t>(written.ptr - figure);
        const size_t pad = width > length ? width - length : 0;
        if (sizeof buffer - n < length + pad) return false;
        if (!left) {
            std::fill_n(buffer + n, pad, ' ');
            n += pad;
        }
        std::copy(figure, written.ptr, buffer + n);
        n += length;
        if (left) {
            std::fill_n(buffer + n, pad, ' ');
            n += pad;
        }
    }
    line.assign(buffer, n);
    return true;
}

}  // namespace

std::string FormatLine(const char* format, ...) {
    std::string line;
    va_list args;
    va_start(args, format);
    va_list common;
    va_copy(common, args);
    const bool done = FormatCommonLine(line, format, common);
    va_end(common);
    if (done) {
        va_end(args);
        return line;
    }
    va_list again;
    va_copy(again, args);
    // A table row fits the stack buffer: one pass. A longer line (a long
    // path, a huge value in fixed notation) is written again at its length.
    char buffer[256];
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (length > 0 && static_cast<size_t>(length) < sizeof buffer) {
        line.assign(buffer, static_cast<size_t>(length));
    } else if (length > 0) {
        // The string's own terminator slot takes the zero that vsnprintf writes.
        line.resize(static_cast<size_t>(length));
        std::vsnprintf(line.data(), line.size() + 1, format, again);
    }
    va_end(again);
    return line;
}
