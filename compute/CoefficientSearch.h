// The two ballistic-coefficient searches of the calculator window: the
// coefficient for which the bullet has a measured velocity at a distance, and
// the coefficient and departure angle for which the trajectory passes through
// two measured heights. Qt-free: the caller hands in one integration run of
// the right computation mode, so the loops can also be driven by stand-ins.
// A search that fails ends the action with its message; one that returns has
// converged.
#pragma once

#include <functional>
#include <string>

// Lowest and highest ballistic coefficient (lb/in²) a search may report.
constexpr double LowestSearchCoefficient = 0.001;
constexpr double HighestSearchCoefficient = 20;

// Start angle (degrees) of the searches for a distance in m: longer distances
// need a raised barrel to keep the path near the line of sight.
double SearchStartAngle(double distance);

// Searches Engine().Input.BallisticCoefficient, from its current value, so
// that the speed at the measuring distance that `fly` leaves in CurrentSpeed
// (one mode-4 run) is within 0.1 % of `measuredVelocity`. `fly` is told when
// the coefficient is the lowest one the search moves to, so that it can name
// that as the cause when such a run cannot reach the distance. At most 42
// runs; leaves the found coefficient unrounded and returns the runs made.
int SearchCoefficientForVelocity(double measuredVelocity,
                                 const std::function<void(bool atLowest)>& fly);

// Fits Engine().Input.DepartureAngle and BallisticCoefficient, from their
// current values, so that the heights that `fly` leaves in the fit record
// (one mode-5 run) meet the measured ones of that record. The first distance
// is kept around every run, since a run consumes it. At most 63 runs; leaves
// the fitted values unrounded and returns the runs made.
int FitAngleAndCoefficient(const std::function<void()>& fly);

// Form factor of a coefficient for the bullet's mass (kg) and diameter (m).
double SearchFormFactor(double coefficient, double mass, double diameter);

// The result-pane line naming the function of drag-function item 0 to 11;
// "" for any other item.
std::string SearchDragFunctionLine(int dragItem);
