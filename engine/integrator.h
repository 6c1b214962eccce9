// The trajectory integrator: classical fourth-order Runge-Kutta at a fixed
// time step from the muzzle, stopping as the computation mode asks, then the
// conversions of the result arrays.
#pragma once

#include <functional>
#include <string>

#include "engine/motion.h"

// The window touches of a run, as plain callbacks; an empty one does nothing.
struct FlightHooks {
    // Shows and hides the "Processing" label; hide runs on every exit of a run.
    std::function<void()> ShowProcessing;
    std::function<void()> HideProcessing;
    // Lets the window put the label on the screen before the run starts.
    std::function<void()> ProcessMessages;
    // "Auto" step: sets the step scroll bar to the position (tenths of a ms)
    // and returns the position it then holds.
    std::function<int(int position)> SetStepPosition;
    // Shows the step in ms beside the scroll bar.
    std::function<void(double milliseconds)> ShowStepMilliseconds;
    // Adds a line to the result pane.
    std::function<void(const std::string&)> AddLine;
    // Runs when a run reaches the step limit, before the limit's message; a
    // caller that knows the cause better ends the action here with its own.
    std::function<void()> StepLimitReached;
};

// Scroll position (tenths of a millisecond) of the "Auto" step for a departure
// angle in degrees: steeper shots fly longer and take coarser steps.
int AutoStepPosition(double departureAngle);

// Flies the bullet in the computation mode set in the records (1 table,
// 2 zeroing run, 3 apex search, 4 velocity at a distance, 5 heights at two
// distances). Ends the action with a message when the 30000-point limit is
// reached or when the state stops being a finite number.
void IntegrateTrajectory(const FlightSettings& settings, const FlightHooks& hooks = {});
