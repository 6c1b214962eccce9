// The hold-point search of the reticle picture: where the red cross goes.
#include "compute/HoldPoint.h"

#include <algorithm>
#include <cmath>

#include "engine/numeric.h"
#include "engine/reticles.h"

namespace {

// The first entry from 1 on that passes the test; 0 when none in the table does.
template <class Test>
int FirstEntry(Test test) {
    for (int i = 1; i < MilDotEntries; ++i)
        if (test(i)) return i;
    return 0;
}

// A picture position rounded to the whole pixel. Far-off values (a table
// whose entries fall instead of rising) are held where an int can take them.
int WholePixel(double position) {
    constexpr double Limit = 1e6;
    if (std::isnan(position)) return 0;
    return static_cast<int>(std::clamp(RoundToDecimals(position, 0), -Limit, Limit));
}

}  // namespace

ReticleGeometry GeometryOf(const Reticle& reticle) {
    const int spacing = reticle.MarkSpacingPx;
    return {spacing, ReticleCentre - reticle.CentreMark * spacing};
}

HoldPoint FindHoldPoint(const MilDotTable& table, ReticleGeometry geometry, double distance,
                        double crossWind, bool windRow) {
    const double* V = table.MilDotVertical;
    const double* H = table.MilDotHorizontal;
    const int S = geometry.Spacing, O = geometry.Offset;
    HoldPoint hold;

    // The height: only between the nearest and the farthest met vertical mark.
    const int k0 = FirstEntry([&](int k) { return V[k] >= 1; });
    const double farthest = *std::max_element(V + 1, V + MilDotEntries);
    if (k0 == 0 || distance < V[k0] || distance > farthest) {
        hold.Outcome = HoldOutcome::DistanceOutOfRange;
        return hold;
    }

    // The side: the row ends at its first entry of 0 or less (the one just
    // past the last mark reads 0), a distance row also where it stops rising.
    const HoldOutcome outOfRow =
        windRow ? HoldOutcome::WindSpeedOutOfRange : HoldOutcome::DistanceOutOfWindRange;
    const double u = windRow ? std::fabs(crossWind) : distance;
    const int j0 = FirstEntry([&](int j) { return H[j] <= 0 || (!windRow && H[j - 1] > H[j]); });
    if (j0 == 0 || u > H[j0 - 1]) {
        hold.Outcome = outOfRow;
        return hold;
    }

    const int k = FirstEntry([&](int k) { return distance <= V[k]; });
    hold.Y = WholePixel(InterpolateLinear(distance, V[k - 1], V[k], O + S * (k - 1), O + S * k));

    const int j = FirstEntry([&](int j) { return u <= H[j] || H[j - 1] > H[j]; });
    if (j == 0) {
        hold.Outcome = outOfRow;
        return hold;
    }
    hold.X = WholePixel(
        InterpolateLinear(u, H[j - 1], H[j], ReticleCentre - S * (j - 1), ReticleCentre - S * j));
    // The row describes the marks left of the centre; a positive cross wind
    // puts the hold as far to the right, no wind on the vertical line.
    if (crossWind > 0) hold.X = 2 * ReticleCentre - hold.X;
    if (crossWind == 0) hold.X = ReticleCentre;
    return hold;
}
