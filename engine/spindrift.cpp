#include "engine/spindrift.h"

#include <cmath>
#include <initializer_list>

#include "engine/motion.h"
#include "engine/numeric.h"

namespace {

// The circle constant and a quarter of it as this model has always used them.
constexpr double Pi = 3.14159;
constexpr double QuarterPi = 0.7853975;
// Mach number of one m/s at 340.3 m/s; the grid adds it up entry by entry.
constexpr double MachPerSpeed = 0.0029385;

void CheckProportions(const SpinDriftInput& in) {
    const double lc = in.LengthCal, nc = in.NoseCal, bc = in.BoattailCal;
    if (!(lc > nc)) ShowErrorAndAbort("Nose Length the same or longer than Bullet Length.");
    // A nose and boattail longer than the bullet would leave a cylinder of
    // negative length, a body that does not exist; a cylinder of length 0 is fine.
    if (nc + bc > lc) ShowErrorAndAbort("Nose and Boattail Length longer than Bullet Length.");
    if (nc < 0.5 || nc > 3) ShowErrorAndAbort("Nose Length out of range 0.5 - 3 cal.");
    if (bc < 0.1 || bc > 1.2) ShowErrorAndAbort("Boattail Length out of range 0.1 - 1.2 cal.");
    if (in.BaseCal < 0.5 || in.BaseCal > 0.95)
        ShowErrorAndAbort("Base Diameter out of range 0.5 - 0.95 cal.");
    if (in.MeplatCal < 0 || in.MeplatCal > 0.5)
        ShowErrorAndAbort("Meplat Diameter out of range 0.0 - 0.5 cal.");
}

// Lift slope of the nose and the body.
double NoseBodyLiftSlope(double mach, double beta, double nv, double la) {
    if (mach > 1.19) return 0.921 * beta / nv + 1.974;
    const double q = mach * mach / nv;
    if (q <= 0.25) return 0.856 * q - 0.044 * la + 1.963;
    if (q <= 0.35) return (0.43 * q - 0.1515) * la + 2.202 - 0.1 * q;
    if (q <= 0.4) return (0.104 - 0.3 * q) * la + 0.573 * q + 1.9665;
    return (0.12 * q - 0.064) * la - 0.227 * q + 2.2865;
}

// Lift lost on the boattail before the Mach corrections.
double BoattailLossBase(double mach, double betaT, double bc, double dc) {
    constexpr double k = 0.05666043401892458;
    double f;
    if (mach <= 0.951) {
        if (betaT != 0 && bc / betaT <= 3)
            f = 2 - k * std::pow(3 - bc / betaT, 3.2439);
        else
            f = 2 - k * std::pow(0.10000000000000009, 3.2439);
        if (bc >= 0.48) {
            const double d75 = std::pow(dc, 0.75);
            return ((15.083 * bc * bc + 3.115 - 21.106 * bc) * betaT + 71.14601 * bc -
                    47.3 * bc * bc - 18.303) *
                   d75 * (1 - d75);
        }
        return f * (1 - dc * dc);
    }
    if (bc / betaT <= 3)
        f = 2 - k * std::pow(3 - bc / betaT, 3.2439);
    else
        f = 2 - k * std::pow(3.2, 3.2439);
    return f * (1 - dc * dc);
}

// Above Mach 1.01 only the part of the boattail within the Mach cone loses lift.
double SupersonicBoattailRule(double b, double beta, double bc, double dc) {
    const double e = 0.25 / beta + 0.34;
    if (bc < e) return b;
    const double t = 1 - (1 - dc) * e / bc;
    return (1 - t * t) * b / (1 - dc * dc);
}

double BoattailLoss(double mach, double beta, double betaT, double bc, double dc) {
    double b = BoattailLossBase(mach, betaT, bc, dc);
    if (mach <= 0.951) return b;
    if (mach <= 1.01) return (0.5 * mach + 0.41) * b;
    if (mach <= 1.4)
        b = (0.5 * mach + 0.41) * b;
    else if (mach <= 2.0)
        b = (1.3662 - 0.1833 * mach) * b;
    return SupersonicBoattailRule(b, beta, bc, dc);
}

// Lift slope of the nose and body times its centre-of-pressure distance from
// the equivalent tip.
double NoseBodyMomentTerm(double mach, double beta, double nv) {
    if (mach < 1.01) {
        if (beta > 0.65) return (1.304 - 0.846 * beta) * nv + 0.5 * beta + 0.945;
        if (beta > 0.3) return (1.304 - 0.846 * beta) * nv + 2.286 * beta - 0.216;
        return (1.12 - 0.233 * beta) * nv + 1.1 * beta + 0.14;
    }
    if (beta < 0.6) return (1.12 + 0.166 * beta) * nv + 0.05 * beta + 0.14;
    if (beta < 1.0) return (2.045 - 1.375 * beta) * nv + 4.575 * beta - 2.575;
    return (0.82 - 0.15 * beta) * nv + 1.7 * beta + 0.3;
}

// Lift factor g and afterbody factor h; h carries over between grid points in
// the gap just below Mach 1 for a short afterbody.
double LiftFactor(double mach, double la, double ratio2, double& h) {
    double g = 1;
    if (mach <= 1.0)
        g = 0.038 * mach + 0.96;
    else if (mach > 1.11)
        g = 1.09 - 0.057 * mach;
    const double subsonicH = mach < 1.0 ? 0.22 * mach * mach / std::sqrt(1 - mach * mach) : 0;
    if (la < 1.5) {
        g -= 0.12 * (1.5 - la) * (1.5 - la);
        if (mach <= 0.95)
            h = subsonicH;
        else if (mach >= 1.0)
            h = 0.431 / mach - 0.1;
    } else {
        h = mach < 1.0 ? subsonicH : 0.431 / mach - 0.1;
    }
    return ratio2 * h + g;
}

// The moment slope through the transonic region is replaced by the straight
// line between its values at entries 310 and 410 (Mach 0.911 to 1.205).
void SmoothTransonicMoment(double moment[DragTableSize]) {
    const double s = (moment[410] - moment[310]) * 0.01;
    const double c = moment[410] - 410 * s;
    for (int k = 310; k <= 410; ++k) moment[k] = s * k + c;
}

}  // namespace

MassProperties ComputeMassProperties(const SpinDriftInput& in) {
    const double d = in.Diameter, r = d / 2, m = in.Mass;
    const double l = in.LengthCal * d, ln = in.NoseCal * d, lb = in.BoattailCal * d;
    const double lcyl = l - ln - lb;
    const double rb = in.BaseCal * r, rm = in.MeplatCal * r;
    const double r2 = r * r, r3 = r2 * r, r4 = r2 * r2;

    const double vn = Pi * ln * (r2 + r * rm + rm * rm) / 3;
    const double vb = Pi * lb * (r2 + r * rb + rb * rb) / 3;
    const double vc = Pi * r2 * lcyl;
    const double rho = m / (vn + vb + vc);
    const double mn = rho * vn, mb = rho * vb, mc = rho * vc;

    const double ixn =
        0.1 * Pi * rho * ln * (r4 + rm * rm * rm * rm + rm * rm * rm * r + r3 * rm + r2 * rm * rm);
    const double ixb =
        0.1 * Pi * rho * lb * (r4 + rb * rb * rb * rb + rb * rb * rb * r + r3 * rb + r2 * rb * rb);
    const double ixc = 0.5 * Pi * rho * r4 * lcyl;

    // Centroids: the nose from the tip, the boattail from its full-radius end,
    // the cylinder from its front end.
    const double xn =
        ln * ln * (2 * rm * r + 3 * r2 + rm * rm) / (4 * ln * (r * rm + r2 + rm * rm));
    const double xb =
        lb * lb * (2 * rb * r + 3 * rb * rb + r2) / (4 * lb * (r * rb + r2 + rb * rb));
    const double xc = lcyl / 2;
    const double xcg = (ln + xc) * mc / m + mn * xn / m + (l - lb + xb) * mb / m;

    // Transverse moments about the tip plane, the boattail's front plane and
    // the cylinder's centre, moved to the common centre of mass.
    const double iyn =
        0.5 * ixn + 0.2 * Pi * rho * ln * ln * ln * (r2 + 0.5 * r * rm + rm * rm / 6);
    const double iyb =
        0.5 * ixb + 0.2 * Pi * rho * lb * lb * lb * (rb * rb + 0.5 * r * rb + r2 / 6);
    const double iyc = (lcyl * lcyl + 3 * r2) * mc / 12;
    const double an = xcg - xn, ab = l - lb + xb - xcg, ac = ln + xc - xcg;
    const double iy = mn * an * an + (iyn - mn * xn * xn) + mb * ab * ab + (iyb - mb * xb * xb) +
                      mc * ac * ac + iyc;
    return {rho, ixn + ixb + ixc, iy, xcg / d};
}

void FillSpinCoefficientTables(const SpinDriftInput& in, double centreOfMassCal,
                               double lift[DragTableSize], double moment[DragTableSize]) {
    const double nc = in.NoseCal, bc = in.BoattailCal, dc = in.BaseCal;
    const double la = in.LengthCal - nc;
    // A blunt nose acts like a longer pointed one; positions are measured from its tip.
    const double nv = (nc + nc / (1 - in.MeplatCal)) / 2;
    const double xv = centreOfMassCal + (nv - nc);
    const double ratio2 = (bc / dc) * (bc / dc);
    double mach = 0, h = 0;
    for (int k = 0; k <= MaxDragSpeed; ++k) {
        if (k > 0) mach += MachPerSpeed;
        const double beta = std::sqrt(std::abs(mach * mach - 1));
        const double betaT = std::sqrt(std::abs(mach * mach - 0.9025));
        const double a = NoseBodyLiftSlope(mach, beta, nv, la);
        const double b = BoattailLoss(mach, beta, betaT, bc, dc);
        const double c = a - b;
        const double p = NoseBodyMomentTerm(mach, beta, nv);
        const double xb = (0.66 - 0.041 * bc / beta) * bc + nv + la - bc;
        const double xp = (p - xb * b) / c;
        moment[k] = c * (xv - xp) * (mach < 0.951 ? 0.163 * mach + 0.73 : 0.82);
        lift[k] = c * LiftFactor(mach, la, ratio2, h);
    }
    SmoothTransonicMoment(moment);
}

StabilityFigures ComputeStability(const SpinDriftInput& in, const MassProperties& mass,
                                  double initialSpinRate, const double moment[DragTableSize]) {
    const double d = in.Diameter, v0 = in.MuzzleVelocity, w0 = initialSpinRate;
    const double ix = mass.AxialMoment, iy = mass.TransverseMoment;
    // The muzzle velocity truncated to whole m/s picks the moment slope.
    const double g0 = moment[SpeedTableIndex(std::floor(v0))];
    const double d3 = d * d * d;
    StabilityFigures f;
    // 2.45 is twice the standard sea-level air density of 1.225 kg/m³.
    f.StabilityFactor = ix * ix * w0 * w0 / (2.45 * iy * QuarterPi * d3 * v0 * v0 * g0);
    // 3.6750000000000003 is 1.5 × 2.45; 628.318 turns the rad/m of the twist into cm per turn.
    f.MaximumTwistCm =
        628.318 * v0 /
        std::sqrt(3.6750000000000003 * iy * QuarterPi * d3 * v0 * v0 * g0 / (ix * ix));
    f.SpinEnergy = 0.5 * ix * w0 * w0;
    // 0.31831015504887655 is 1/3.14159: rad/s to revolutions per second.
    f.Revolutions = w0 * 0.5 * 0.31831015504887655;
    return f;
}

namespace {

// A stability figure that is no number (a zero or negative moment slope)
// shows "n/a" right-aligned in the width of the number.
std::string StabilityLine(const std::string& format, double value) {
    if (std::isfinite(value)) return FormatLine(format.c_str(), value);
    const size_t start = format.find('%');
    const size_t dot = format.find('.', start);
    const size_t end = format.find('f', start);
    const std::string text = format.substr(0, start + 1) +
                             format.substr(start + 1, dot - start - 1) + "s" +
                             format.substr(end + 1);
    return FormatLine(text.c_str(), "n/a");
}

}  // namespace

void AppendSpinDriftLines(const MassProperties& mass, const StabilityFigures& f,
                          const std::function<void(const std::string&)>& addLine) {
    if (!addLine) return;
    addLine("  ");
    addLine(FormatLine("  Average Projectile Density:                      %9.1f  kg/m3",
                       mass.Density));
    addLine(FormatLine("  Axial Moment of Inertia:                             %9.2e  kg.m2",
                       mass.AxialMoment));
    addLine(FormatLine("  Transverse Moment of Inertia:                   %9.2e  kg.m2",
                       mass.TransverseMoment));
    addLine(
        FormatLine("  Distance from Centre of Mass to Tip:     %9.2f  cal", mass.CentreOfMassCal));
    addLine(StabilityLine("  Static Stability Factor Sg for v0:               %7.2f  ",
                          f.StabilityFactor));
    addLine(
        StabilityLine("  Maximum Barrel Twist (for Sg = 1.5):       %9.2f  cm", f.MaximumTwistCm));
    addLine(StabilityLine("  Maximum Barrel Twist (for Sg = 1.5):       %9.2f  in",
                          f.MaximumTwistCm * 0.39370078740157477));
    addLine(
        FormatLine("  Initial Spin Energy:                                %9.1f  J", f.SpinEnergy));
    addLine(
        FormatLine("  Initial Number of Revolutions:                %9.0f  r/s", f.Revolutions));
}

void BuildSpinDriftModel(const SpinDriftInput& in,
                         const std::function<void(const std::string&)>& addLine) {
    EngineState& e = Engine();
    SpinAndCoriolisParameters& spin = e.Spin;
    spin.BarrelTwist = in.BarrelTwist;
    if (!(spin.BarrelTwist > 0)) ShowErrorAndAbort("Barrel Twist less than or equal to zero.");
    // One turn per twist length at the muzzle velocity.
    spin.InitialSpinRate = 6.2831853 / (spin.BarrelTwist / in.MuzzleVelocity);
    spin.BulletLength = in.LengthCal * in.Diameter;
    if (!(spin.BulletLength > 0)) ShowErrorAndAbort("Bullet Length less than or equal to zero.");
    CheckProportions(in);

    const MassProperties mass = ComputeMassProperties(in);
    spin.AxialMomentOfInertia = mass.AxialMoment;
    spin.TransverseMomentOfInertia = mass.TransverseMoment;
    FillSpinCoefficientTables(in, mass.CentreOfMassCal, e.SpinTables.LiftCoefficientTable,
                              e.SpinTables.OverturningMomentTable);
    const StabilityFigures figures =
        ComputeStability(in, mass, spin.InitialSpinRate, e.SpinTables.OverturningMomentTable);
    // A bullet at the ends of the double range (a diameter of 1e297 m, a twist
    // of 1e-302 m) has moments or a spin that are no numbers: it cannot be
    // flown, and its lines would print "nan". The stability lines have their
    // own "n/a" for a moment slope of 0.
    for (double v : {spin.InitialSpinRate, mass.Density, mass.AxialMoment, mass.TransverseMoment,
                     mass.CentreOfMassCal, figures.SpinEnergy, figures.Revolutions}) {
        if (!std::isfinite(v)) ShowErrorAndAbort(ComputationFailedMessage);
    }
    AppendSpinDriftLines(mass, figures, addLine);
}
