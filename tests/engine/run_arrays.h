// The arrays of the trajectory records that a run writes, listed by the tests
// apart from the engine's own clear, so that a clear that misses one is seen.
#pragma once

#include <algorithm>
#include <array>

#include "engine/state.h"

// Writable pointers for writable records, read-only ones for read-only records.
template <class Records>
auto RunArraysOf(Records& t) {
    return std::array{t.TrajTime,           t.TrajRange,          t.TrajHeight,
                      t.TrajWindage,        t.TrajVelocityX,      t.TrajVelocityY,
                      t.TrajVelocityZ,      t.TrajCrossWind,      t.TrajInclination,
                      t.TrajSpecificEnergy, t.TrajDragCoefficient};
}

// How many points of `array`, from `from` to the end, hold anything but 0.
inline long NonZeroPointsFrom(const double* array, int from) {
    return std::count_if(array + from, array + MaxSteps, [](double v) { return v != 0; });
}
