// The small numeric routines that every window uses: the input-error report,
// rounding to a number of decimals, straight-line interpolation, and the
// formatting of one result line.
#pragma once

#include <string>

// What a computation that cannot give finite numbers ends with, when no
// check of a single input names the cause.
inline constexpr char ComputationFailedMessage[] =
    "Trajectory computation failed: check the inputs.";

// Shows the message in a plain message box, then ends the current event
// silently (the form library's abort): no code after the call runs.
[[noreturn]] void ShowErrorAndAbort(const std::string& message);

// x rounded to n decimals, half away from zero; magnitudes below 1e-12 give 0,
// and a magnitude so large that scaling by 10ⁿ would overflow is returned as is.
// Decimal fractions that are not exact in binary round the way their binary
// value falls: RoundToDecimals(0.35, 1) is 0.30000000000000004.
double RoundToDecimals(double x, int n);

// The value at x of the straight line through (x1, y1) and (x2, y2). Keeps the
// line in Engine().InterpolationSlope / InterpolationIntercept for the caller;
// when x1 equals x2 the slope of the previous call stays in force.
double InterpolateLinear(double x, double x1, double x2, double y1, double y2);

// printf-style formatting into a string exactly as long as the text needs, so
// a long file name or an absurd value can never overflow a line buffer.
std::string FormatLine(const char* format, ...) __attribute__((format(printf, 1, 2)));
