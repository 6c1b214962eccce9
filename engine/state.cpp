#include "engine/state.h"

#include <algorithm>
#include <memory>

namespace {
// Static storage: the arrays are several megabytes and must not live on a stack.
EngineState theEngine;
}  // namespace

EngineState& Engine() {
    return theEngine;
}

void ResetEngineState() {
    // Rebuild in place: a temporary EngineState would be too large for the stack.
    std::destroy_at(&theEngine);
    std::construct_at(&theEngine);
}

int CrossWindSitesInUse(int sitesItem) {
    return std::clamp(sitesItem + 2, 2, MaxCrossWindSites);
}

void ClearTrajectoryArrays(TrajectoryArrays& t) {
    const int end = std::clamp(t.WrittenEnd, 0, MaxSteps);
    for (double* array : {t.TrajTime, t.TrajRange, t.TrajHeight, t.TrajWindage, t.TrajVelocityX,
                          t.TrajVelocityY, t.TrajVelocityZ, t.TrajCrossWind, t.TrajInclination,
                          t.TrajSpecificEnergy, t.TrajDragCoefficient})
        std::fill(array, array + end, 0.0);
    t.WrittenEnd = 0;
}
