// The MRD/GEE search: the departure angle at which the trajectory's highest
// point lies at a wanted height above the line of sight. Qt-free: the caller
// hands in one apex run of the integrator (computation mode 3).
#pragma once

#include <functional>

// Starts from 0.1 degrees in Engine().Input.DepartureAngle and runs `fly`
// (one apex run: it raises Engine().Mrd.ApexHeight to the highest point, m,
// and sets GeeDistance where the path comes back to the line of sight) until
// the apex lies strictly within half a percent of `apexTarget` (m, above
// the line of sight), or six secant corrections are done; at most 13 runs.
// Every run starts with ApexHeight at -200 and GeeDistance at 0. Leaves the
// angle of the last run in DepartureAngle, the last secant in the
// interpolation record, and returns the number of runs. An angle of 45
// degrees or more ends the action with "Angle of Departure greater than 45
// deg.".
int ApexDepartureAngle(double apexTarget, const std::function<void()>& fly);
