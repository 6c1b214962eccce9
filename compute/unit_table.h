// The unit pairs of the unit-conversion window, both directions of each, and
// the rounding of a converted value to its pair's step. No Qt: the window only
// reads the edits and writes the result.
#pragma once

#include <array>

#include "compute/shown_figures.h"

// One arrow button: it reads one edit, converts, and writes the other.
struct UnitConversion {
    int button;            // the arrow button, BitBtn<button>
    int source;            // the edit read, Edit<source>
    int target;            // the edit written, Edit<target>
    const char* fromUnit;  // unit of the edit read
    const char* toUnit;    // unit of the edit written
    double factor;         // target value = source value × factor
    double step;           // the result is written as a multiple of this
};

// Nine pairs, two directions each; the factors of a pair are reciprocals.
extern const std::array<UnitConversion, 18> UnitConversions;

// y rounded to the nearest multiple of step through the ceiling of y / step:
// first up to the ceiling when y lies at most half a step below it, then down
// by one step when it lies more than half a step below it. A value so large
// that y / step would overflow has no fraction of a step left and is returned
// as it is.
double RoundToStep(double y, double step);

// The value converted and rounded as the button writes it.
double ConvertUnits(double value, const UnitConversion& conversion);
