// The eleven built-in drag functions, the per-m/s table of the function in
// use, and the logic behind the calculator window's drag-function list.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "engine/state.h"

// Items of the drag-function list; item k belongs to row k of DragTables.
inline constexpr std::array<std::string_view, DragTableRows> DragFunctionItems = {
    "Function Selection", "G1", "G2", "G5", "G6", "G7", "G8", "GL", "GS", "GC", "RA4", "1943"};
constexpr int FileFunctionItem = 0;  // "Function Selection": the function in use came from a file
constexpr int GlItem = 7;            // "GL": listed, but no table of it is included
// A row holds its velocities and then its coefficients, so at most half its slots.
constexpr int MaxRowPoints = DragTableSlots / 2;

inline constexpr char GlUnavailableMessage[] = "The GL drag function is not available.";

struct DragPoint {
    double Velocity;     // m/s
    double Coefficient;  // drag coefficient, dimensionless
};

// The points of built-in function `item`, ascending from 0 to 1700 m/s; empty
// for item 0, for GL and for items outside the list. FillDragTables copies
// them into DragTables, which is what the rest of the program reads.
std::span<const DragPoint> BuiltInDragPoints(int item);

// Sets every slot of the 12 rows to -1.0, then writes rows 1 to 11: the
// velocities from slot 0, the coefficients right behind them.
void FillDragTables();

// Splits row `row` of DragTables into its velocities and coefficients (each
// array must hold MaxRowPoints values) and returns the number of points: 0 for
// a row without a function (row 0, GL, a row outside the table).
int DragTablePoints(int row, double* velocities, double* coefficients);

// Resamples a function given by `count` points (velocities ascending, m/s)
// into ActiveDragTable: one coefficient for every whole m/s from 0 to 1700.
void BuildActiveDragTable(const double* velocities, const double* coefficients, int count);

// What the calculator window does after its drag-function list changed.
enum class DragSelection {
    NoChange,      // no item selected, or an index past the list: nothing to do
    FileFunction,  // "Function Selection": disable "Add to List"; the table keeps its function
    Unavailable,   // "GL": show GlUnavailableMessage and select the item in use again
    BuiltIn,       // ActiveDragTable now holds the chosen function: enable "Add to List"
};

// The table side of a change of the drag-function list to `item` (the list's
// ItemIndex, -1 when nothing is selected). Only DragSelection::BuiltIn changes
// ActiveDragTable; DragFileName is never touched.
DragSelection SelectBuiltInDragFunction(int item);
