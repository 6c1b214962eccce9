// Where the reticle picture's red cross goes: the mark geometry of a reticle
// in the picture and the search of the last reticle computation's table for
// the hold point of a shooting distance and a cross wind.
#pragma once

#include "engine/state.h"

struct Reticle;

// The reticle square of the picture is 360 × 360 px around (180, 180).
constexpr int ReticleCentre = 180;

// Mark positions of a reticle in the picture: vertical mark k at y = O + S·k
// (so that the centre mark lies at the centre), horizontal mark j left of the
// centre at x = 180 − S·j.
struct ReticleGeometry {
    int Spacing;  // S, px between marks
    int Offset;   // O, px
};
ReticleGeometry GeometryOf(const Reticle& reticle);

enum class HoldOutcome {
    Cross,                  // the cross goes at (X, Y)
    DistanceOutOfRange,     // "Distance out of calculated Range"
    WindSpeedOutOfRange,    // "Wind Speed out of calculated Range"
    DistanceOutOfWindRange  // "Distance out of calculated Wind Range"
};

struct HoldPoint {
    HoldOutcome Outcome = HoldOutcome::Cross;
    int X = 0;
    int Y = 0;
};

// Where the red cross goes for a shooting distance (m) and a cross wind (m/s),
// by the table of the last reticle computation; windRow says that the
// horizontal entries hold wind speeds ("Cross Wind") rather than distances.
// Every search stays within the table. A distance before the nearest or
// beyond the farthest met vertical mark has no height in the table; neither
// has a wind (or a distance in the wind row) past what the row covers.
HoldPoint FindHoldPoint(const MilDotTable& table, ReticleGeometry geometry, double distance,
                        double crossWind, bool windRow);
