#include "engine/dragtables.h"

#include <algorithm>
#include <iterator>

void FillDragTables() {
    EngineState& e = Engine();
    for (auto& row : e.DragTables) std::fill(std::begin(row), std::end(row), -1.0);
    for (int item = 1; item < DragTableRows; ++item) {
        const std::span<const DragPoint> points = BuiltInDragPoints(item);
        const size_t n = points.size();
        double* row = e.DragTables[item];
        for (size_t i = 0; i < n; ++i) {
            row[i] = points[i].Velocity;
            row[n + i] = points[i].Coefficient;
        }
    }
}

int DragTablePoints(int row, double* velocities, double* coefficients) {
    if (row < 0 || row >= DragTableRows) return 0;
    const double* slot = Engine().DragTables[row];
    // A velocity is never negative, so the -1.0 filler in slot 0 marks a row
    // that carries no function.
    if (!(slot[0] >= 0)) return 0;

    // The velocities rise until the last one, 1700, which is followed by a
    // (smaller) coefficient; N is not stored anywhere else.
    int n = 1;
    while (n < MaxRowPoints && slot[n - 1] < slot[n]) ++n;
    // The coefficients follow; the first slot that is not positive is the
    // filler behind them. Never more coefficients than velocities.
    int count = 1;
    while (count < n && n + count < DragTableSlots && slot[n + count] > 0) ++count;
    // A line needs two points: anything less is no function (an unfilled row).
    if (count < 2) return 0;

    std::copy(slot, slot + count, velocities);
    std::copy(slot + n, slot + n + count, coefficients);
    return count;
}

namespace {

struct Line {
    double slope;
    double intercept;
};

// The line through points q and q + 1. Slope, intercept and value are always
// computed in this order, so the built-in tables are reproducible to the bit.
Line SegmentLine(const double* v, const double* c, int q) {
    const double slope = (c[q] - c[q + 1]) / (v[q] - v[q + 1]);
    return {slope, c[q] - slope * v[q]};
}

}  // namespace

// Every whole speed s from 0 to 1700 lies on the line of the segment that
// contains it (v[q] <= s < v[q+1]); speeds below the first point lie on the
// first segment's line extended down to 0 m/s; from the last point on the
// table holds the last coefficient. For points at least 1 m/s apart this is
// exactly the result of walking the segments one after another, each writing
// the speeds from the one after the last written up to its own end.
//
// That walk also let each segment write at least one entry: a segment that
// holds no whole speed at all (two points less than 1 m/s apart, as a measured
// file may have) took the next speed anyway, from its line extended beyond its
// end, and pushed the following speeds one entry up until a wider segment
// caught up. Enough such segments in a row pushed the walk past the end of the
// table. Here a speed always goes to the segment
// that holds it, so nothing is shifted or overrun, and the entry stays on the
// function instead of on an extrapolation of a sliver. What the rule meant
// for well-spaced data is kept: a narrow segment that does hold a whole speed
// takes it, and the first segment takes every speed below it, however narrow.
//
// Only the leading run of rising points is used, as in the walk; from the first
// point that does not rise the table holds that run's last coefficient rather
// than whatever the previous function left there. Entries above 1700 are
// never written.
void BuildActiveDragTable(const double* velocities, const double* coefficients, int count) {
    if (count <= 0) return;  // no points: the function built last stays in use
    const double* v = velocities;
    const double* c = coefficients;
    int n = 1;
    while (n < count && v[n - 1] < v[n]) ++n;

    double* table = Engine().ActiveDragTable;
    const double last = c[n - 1];
    if (n == 1) {
        std::fill(table, table + MaxDragSpeed + 1, last);
        return;
    }
    int q = 0;
    Line line = SegmentLine(v, c, q);
    for (int s = 0; s <= MaxDragSpeed; ++s) {
        if (s >= v[n - 1]) {
            table[s] = last;
            continue;
        }
        if (s >= v[q + 1]) {
            while (s >= v[q + 1]) ++q;  // stops before n - 1, since s < v[n - 1]
            line = SegmentLine(v, c, q);
        }
        table[s] = line.slope * s + line.intercept;
    }
}

DragSelection SelectBuiltInDragFunction(int item) {
    if (item == FileFunctionItem) return DragSelection::FileFunction;
    // No selection; an index past the list is treated the same way.
    if (item < 0 || item >= DragTableRows) return DragSelection::NoChange;
    double velocities[MaxRowPoints];
    double coefficients[MaxRowPoints];
    const int n = DragTablePoints(item, velocities, coefficients);
    // Only GL's row is empty once the tables are filled.
    if (n == 0) return DragSelection::Unavailable;
    BuildActiveDragTable(velocities, coefficients, n);
    return DragSelection::BuiltIn;
}
