// Maximum barrel twist: the longest twist (inches per turn) that still
// stabilises a bullet, by one of three rules of thumb.
#pragma once

// The rules, in the order of the calculator's method list.
enum class TwistRule { Greenhill = 0, Sierra = 1, CharlieDell = 2 };

// Diameter and length in mm, velocity in m/s, all above zero.
double MaximumBarrelTwist(TwistRule rule, double diameterMm, double velocity, double lengthMm);
