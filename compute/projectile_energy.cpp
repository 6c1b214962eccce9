#include "compute/projectile_energy.h"

#include "compute/shown_figures.h"

namespace {

constexpr double FootInMetres = 0.3048;
constexpr double GrainInGrams = 0.0647989;
constexpr double InchInCm = 2.54;
constexpr double FeetPerMetre = 3.280839895013123;
constexpr double GrainsPerKg = 15432.360734518643;
constexpr double PoundsPerKg = 2.2046226218487757;
constexpr double FootPoundsPerJoule = 0.7375610331754953;
// The circle constant to the digits the range table's specific energy uses.
constexpr double Pi = 3.14159;

}  // namespace

ProjectileFigures ComputeProjectile(const ProjectileInput& in) {
    double v = in.velocity;          // m/s
    double m = in.weight * 0.001;    // kg
    double d = in.diameter * 0.001;  // m
    if (!in.velocityInSi) v *= FootInMetres;
    // m already carries the factor 0.001, so grains take the grain's mass in g.
    if (!in.weightInSi) m *= GrainInGrams;
    // Back from the millimetre reading to inches, then to metres.
    if (!in.diameterInSi) d = d * 1000 * InchInCm * 0.01;

    ProjectileFigures f;
    if (!(v > 0))
        f.error = "Velocity less than or equal to zero.";
    else if (!(m > 0))
        f.error = "Bullet Weight less than or equal to zero.";
    else if (!(d > 0))
        f.error = "Bullet Diamater less than or equal to zero.";
    if (!f.error.empty()) return f;

    f.energy = 0.5 * m * v * v;
    f.momentum = m * v;
    f.ipscFactor = m * GrainsPerKg * v * FeetPerMetre * 0.001;
    // d² × 10000 is the squared diameter in cm².
    f.specificEnergy = f.energy / (d * d * Pi * 0.25 * 10000);
    f.sectionalDensity = m * 1000 / (d * d * 10000);
    f.energyImperial = f.energy * FootPoundsPerJoule;
    f.momentumImperial = f.momentum * FeetPerMetre * PoundsPerKg;
    f.specificEnergyImperial = f.specificEnergy * FootPoundsPerJoule * InchInCm * InchInCm;
    f.sectionalDensityImperial = f.sectionalDensity * 0.001 * PoundsPerKg * InchInCm * InchInCm;
    for (double figure : {f.energy, f.momentum, f.ipscFactor, f.specificEnergy, f.sectionalDensity,
                          f.energyImperial, f.momentumImperial, f.specificEnergyImperial,
                          f.sectionalDensityImperial})
        if (!FigureShowable(figure, FigureFormat::General)) f.error = ResultTooLargeMessage;
    return f;
}
