// The scope reticles the calculator can compute for: their names as the
// reticle list shows them, how many marks each has and the angle of one mark.
// The reticle computation and the reticle window share this one table.
#pragma once

constexpr int ReticleCount = 7;

struct Reticle {
    const char* Name;         // as listed in the reticle drop-down
    int HorizontalMarks;      // marks on each side of the centre
    int VerticalMarks;        // marks on the vertical line, counted from the top
    int CentreMark;           // the vertical mark at the centre of the cross hair
    double NominalMarkAngle;  // degrees, one mark at the default magnification
    int MarkSpacingPx;        // pixels between marks in the reticle picture
};

// Items 0 to 6 of the reticle drop-down, in order.
extern const Reticle Reticles[ReticleCount];

// The reticle of a drop-down item; nullptr when the item is no reticle (no
// item selected, or typed text).
const Reticle* FindReticle(int item);

// The angle (degrees) of one mark at the actual magnification. A second-focal
// -plane reticle has its nominal angles only at the default magnification; at
// any other the angles scale with default / actual.
double ReticleMarkAngle(const Reticle& reticle, double defaultZoom, double actualZoom);
