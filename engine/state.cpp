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
    theEngine.Traj.WrittenEnd = MaxSteps;
}

void ClearTrajectoryArrays(TrajectoryArrays& t, KeepCrossWind keep) {
    const int end = std::clamp(t.WrittenEnd, 0, MaxSteps);
    for (double* array :
         {t.TrajTime, t.TrajRange, t.TrajHeight, t.TrajWindage, t.TrajVelocityX, t.TrajVelocityY,
          t.TrajVelocityZ, t.TrajInclination, t.TrajSpecificEnergy, t.TrajDragCoefficient})
        std::fill(array, array + end, 0.0);
    if (keep == KeepCrossWind::Yes) return;
    std::fill(t.TrajCrossWind, t.TrajCrossWind + end, 0.0);
    t.WrittenEnd = 0;
}
