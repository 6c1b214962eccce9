#include "engine/state.h"

#include <memory>

namespace {
// Static storage: the arrays are several megabytes and must not live on a stack.
EngineState theEngine;
}  // namespace

EngineState& Engine() { return theEngine; }

void ResetEngineState() {
    // Rebuild in place: a temporary EngineState would be too large for the stack.
    std::destroy_at(&theEngine);
    std::construct_at(&theEngine);
}
