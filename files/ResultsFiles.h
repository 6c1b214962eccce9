// The files "Save" writes from the last table run: the results text file and
// the two CSV dialects, each in a level and an up/downhill form, and the
// all-data file with every integration point. Qt-free: each writer takes a
// stream, plain records and the arrays. The table rows are those of the range
// table in the result pane; one row loop serves every table format.
#pragma once

#include <array>
#include <ostream>

#include "compute/RangeTable.h"
#include "engine/state.h"
#include "files/ResultsHeader.h"

// The optional table columns, in the order of the save-options dialog.
enum ResultColumn {
    HeightCmColumn,
    HeightMoaColumn,
    HeightClicksColumn,
    VelocityColumn,
    EnergyColumn,
    TimeColumn,
    WindageCmColumn,
    WindageClicksColumn,
    InclinationColumn,
    SpecificEnergyColumn,
    ResultColumnCount
};

// The option lines after the header: the options the computation ran with.
struct ResultsOptions {
    bool VariableCrossWind = false;
    bool Coriolis = false;
    bool Drift = false;
};

// Everything a table file states besides the arrays.
struct ResultsTable {
    ResultsHeaderData Header;
    ResultsOptions Options;
    std::array<bool, ResultColumnCount> Columns{};
    // The rows: step, zero range, click value; Slope set for the up/downhill form.
    RangeTableSettings Rows;
    // Up/downhill form: the distances run along the line to the target.
    bool SlantDistances = false;
};

enum class CsvDialect {
    Semicolon,  // ";" separators, numbers rounded, in the locale's notation
    Comma,      // "," separators, fixed formats with '.'
};

// The stream is neither checked nor closed; the last line has no line end.
void WriteResultsText(std::ostream& out, const ResultsTable& table, const TrajectoryArrays& traj);
void WriteResultsCsv(std::ostream& out, const ResultsTable& table, const TrajectoryArrays& traj,
                     CsvDialect dialect);
// Every stored point with time, position and velocity, one line each, each
// with its line end behind it.
void WriteAllDataText(std::ostream& out, const ResultsHeaderData& header,
                      const ResultsOptions& options, const TrajectoryArrays& traj);
