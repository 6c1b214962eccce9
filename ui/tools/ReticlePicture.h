// The reticle picture of the reticle window: the seven reticles with the
// results of the reticle computation written at their marks. Where the red
// cross goes is found by the hold-point search.
#pragma once

#include "compute/HoldPoint.h"
#include "engine/state.h"

class TCanvas;

// Draws the lines, posts, dots and hash marks of reticle item 0 to 6 in black,
// then the distance labels (vertical entries above 1) and the wind labels
// (horizontal entries other than 0) at its marks. Leaves the font at size 9.
void DrawReticle(TCanvas& canvas, int item, const MilDotTable& table);
