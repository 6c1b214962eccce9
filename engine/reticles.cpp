#include "engine/reticles.h"

namespace {

// Degrees per radian in the reticle figures (deliberately these digits).
constexpr double DegreesPerRadian = 57.295779;
constexpr double OneMil = 0.001 * DegreesPerRadian;
constexpr double HalfMil = 0.0005 * DegreesPerRadian;
constexpr double TwoMoa = 0.03333333333333333;  // 1/30 degree
constexpr double OneMoa = 1.0 / 60.0;

}  // namespace

const Reticle Reticles[ReticleCount] = {
    {"MilDot (1Mil)", 5, 11, 6, OneMil, 28},
    {"Sightron LRMOA (2MOA)", 5, 16, 6, TwoMoa, 15},
    {"Leupold TMR (1/2Mil)", 10, 21, 11, HalfMil, 14},
    {"Vortex EBR-1 MOA (2MOA)", 15, 21, 6, TwoMoa, 10},
    {"Vortex EBR-1 MRAD (1/2Mil)", 16, 35, 17, HalfMil, 9},
    {"Nightforce MOAR (1MOA)", 10, 16, 6, OneMoa, 14},
    {"Meopta MilDot 2 (1/2Mil)", 10, 21, 11, HalfMil, 14},
};

const Reticle* FindReticle(int item) {
    if (item < 0 || item >= ReticleCount) return nullptr;
    return &Reticles[item];
}

double ReticleMarkAngle(const Reticle& reticle, double defaultZoom, double actualZoom) {
    return defaultZoom / actualZoom * reticle.NominalMarkAngle;
}
