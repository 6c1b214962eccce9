#include "engine/numeric.h"

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

std::string FormatLine(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    // A table row fits the stack buffer: one pass. A longer line (a long
    // path, a huge value in fixed notation) is written again at its length.
    char buffer[256];
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    std::string line;
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
