#include "engine/reticles.h"

#include <gtest/gtest.h>

// Mark angles in degrees at the default magnification, reticle by reticle;
// away from it they scale with default / actual.
TEST(ReticleMarkAngle, NominalAtTheDefaultMagnificationAndScaled) {
    constexpr double Tolerance = 1e-15;  // degrees: products of the given digits
    const double mil = 0.001 * 57.295779;
    const double oneMark[ReticleCount] = {mil,     1.0 / 30, mil / 2, 1.0 / 30,
                                          mil / 2, 1.0 / 60, mil / 2};
    for (int item = 0; item < ReticleCount; ++item) {
        const Reticle& r = *FindReticle(item);
        EXPECT_NEAR(ReticleMarkAngle(r, 24, 24), oneMark[item], Tolerance) << r.Name;
        EXPECT_NEAR(ReticleMarkAngle(r, 24, 48), oneMark[item] / 2, Tolerance) << r.Name;
    }
    EXPECT_EQ(FindReticle(-1), nullptr);
    EXPECT_EQ(FindReticle(ReticleCount), nullptr);
}
