#include "files/ResultsFiles.h"

#include <functional>

#include "engine/numeric.h"
#include "platform/sysutils.h"

namespace {

// How one column is written in each format: the text file's header, rule
// piece and cell, the CSV header cells and the "," cell, and the decimals of
// the ";" cell. The strings do not line up exactly; they are the formats.
struct ColumnFormat {
    const char* textHeader;
    const char* textRule;
    const char* textCell;
    const char* semicolonHeader;
    const char* commaHeader;
    const char* commaCell;
    int decimals;
};

const ColumnFormat Columns[ResultColumnCount] = {
    {"     Y [cm]", "-----------", "   %9.1f", " Y [cm] ;", " Y [cm] ,", " %9.1f ,", 1},
    {"     Y [MOA]", "-----------", "     %7.1f", " Y [MOA] ;", " Y [MOA] ,", " %7.1f ,", 1},
    {"    Y [Clicks]", "-----------", "     %7.1f", " Y [Clicks] ;", " Y [Clicks] ,", " %7.1f ,",
     1},
    {"    V [m/s]", "-----------", "   %9.1f", " V [m/s] ;", " V [m/s] ,", " %9.1f ,", 1},
    {"     E [J]", "-----------", "   %9.1f", " E [J] ;", " E [J] ,", " %9.1f ,", 1},
    {"     T [ms]", "-----------", "   %7.0f", " T [ms] ;", " T [ms] ,", " %7.0f ,", 0},
    {"   Wind [cm]", "-----------", "    %7.1f", " Wind [cm] ;", " Wind [cm] ,", " %7.1f ,", 1},
    {"   Wind [Clicks]", "----------------", "      %7.1f", " Wind [Clicks] ;", " Wind [Clicks]  ,",
     " %7.1f ,", 1},
    {"   Inclin. [Deg]", "----------------", "        %7.2f", " Inclin. [Deg] ;",
     " Inclin. [Deg]  ,", " %7.2f ,", 2},
    // "Spec. En.": specific energy, the kinetic energy per cm² of cross-section.
    {"   Spec. En. [J/cm2]", "----------------", "          %7.1f", " Spec. En. [J/cm2] ;",
     " Spec. En. [J/cm2]  ,", " %7.1f ,", 1},
};

// The distance column, written before the optional ones.
constexpr int DistanceColumn = -1;
const ColumnFormat DistanceFormat = {"  X [m]",  "\n --------------", " %4.0f", " X [m] ;",
                                     " X [m] ,", " %4.0f ,",          0};

constexpr double MinutesPerDegree = 60;

double ColumnValue(int column, const RangeTableRow& row) {
    switch (column) {
        case HeightCmColumn:
            return row.Y;
        case HeightMoaColumn:
            return -row.HeightAngle * MinutesPerDegree;
        case HeightClicksColumn:
            return row.HeightClicks;
        case VelocityColumn:
            return row.V;
        case EnergyColumn:
            return row.E;
        case TimeColumn:
            return row.T;
        case WindageCmColumn:
            return row.Windage;
        case WindageClicksColumn:
            return row.WindageClicks;
        case InclinationColumn:
            return row.Inclination;
        case SpecificEnergyColumn:
            return row.SpecificEnergy;
        default:
            return row.ShownX;
    }
}

const ColumnFormat& FormatOf(int column) {
    return column == DistanceColumn ? DistanceFormat : Columns[column];
}

// The one row loop of every table file: each row on its own line, the
// distance first, then the ticked columns, each written by `cell`.
void WriteRows(std::ostream& out, const ResultsTable& table, const TrajectoryArrays& traj,
               const std::function<void(const ColumnFormat&, double)>& cell) {
    for (const RangeTableRow& row : SelectRangeTableRows(traj, table.Rows)) {
        out << "\n";
        cell(DistanceFormat, ColumnValue(DistanceColumn, row));
        for (int c = 0; c < ResultColumnCount; ++c)
            if (table.Columns[c]) cell(Columns[c], ColumnValue(c, row));
    }
}

// The ticked columns' strings chosen by `part`, after the distance column's.
template <class Part>
void WriteColumnStrings(std::ostream& out, const ResultsTable& table, const char* first,
                        Part part) {
    out << first;
    for (int c = 0; c < ResultColumnCount; ++c)
        if (table.Columns[c]) out << part(FormatOf(c));
}

void WriteOptionLines(std::ostream& out, const ResultsOptions& options) {
    if (options.VariableCrossWind) out << "\n Cross Wind Variable";
    if (options.Coriolis) out << "\n Including Coriolis Force";
    if (options.Drift) out << "\n Including Drift";
}

// After the header: the option lines and the lines that mark the form.
void WriteTablePreamble(std::ostream& out, const ResultsTable& table) {
    out << "\n";
    WriteOptionLines(out, table.Options);
    if (table.Rows.Slope)
        out << "\n"
            << " Shooting Up/Downhill  \n "
            << "\n";
    else
        out << "\n"
            << "\n";
}

}  // namespace

void WriteResultsText(std::ostream& out, const ResultsTable& table, const TrajectoryArrays& traj) {
    WriteResultsHeader(out, table.Header);
    WriteTablePreamble(out, table);
    const bool slant = table.Rows.Slope && table.SlantDistances;
    WriteColumnStrings(out, table, slant ? " S.D.[m]" : DistanceFormat.textHeader,
                       [](const ColumnFormat& f) { return f.textHeader; });
    WriteColumnStrings(out, table, DistanceFormat.textRule,
                       [](const ColumnFormat& f) { return f.textRule; });
    WriteRows(out, table, traj, [&out](const ColumnFormat& f, double value) {
        out << FormatLine(f.textCell, value);
    });
}

void WriteResultsCsv(std::ostream& out, const ResultsTable& table, const TrajectoryArrays& traj,
                     CsvDialect dialect) {
    const bool semicolon = dialect == CsvDialect::Semicolon;
    WriteHeaderBlock(out, table.Header,
                     semicolon ? HeaderForm::SemicolonCsv : HeaderForm::CommaCsv);
    WriteTablePreamble(out, table);
    // Level, up/downhill with horizontal distances, up/downhill along the line.
    const char* first = semicolon ? " X [m] ;" : " X [m] ,";
    if (table.Rows.Slope && table.SlantDistances)
        first = semicolon ? " S.D.[m] ;" : " S.D.[m] ,";
    else if (table.Rows.Slope)
        first = semicolon ? "  X [m] ;" : "  X [m] ,";
    WriteColumnStrings(out, table, first, [semicolon](const ColumnFormat& f) {
        return semicolon ? f.semicolonHeader : f.commaHeader;
    });
    WriteRows(out, table, traj, [&out, semicolon](const ColumnFormat& f, double value) {
        if (semicolon)
            out << " " << FloatToStr(RoundToDecimals(value, f.decimals)) << " ;";
        else
            out << FormatLine(f.commaCell, value);
    });
}

void WriteAllDataText(std::ostream& out, const ResultsHeaderData& header,
                      const ResultsOptions& options, const TrajectoryArrays& t) {
    WriteResultsHeader(out, header);
    out << "\n";
    WriteOptionLines(out, options);
    out << "\n"
        << "\n";
    out << "    T[s];     X[m];    Y[m];      Z[m];  Vx[m/s];   Vy[m/s];  Vz[m/s]"
        << "\n";
    for (int k = 0; k <= t.LastPointIndex; ++k) {
        // Heights and windage are stored in cm.
        out << FormatLine("%9.5f;%9.5f;%9.5f;%9.5f;%9.5f;%9.5f;%9.5f", t.TrajTime[k],
                          t.TrajRange[k], 0.01 * t.TrajHeight[k], 0.01 * t.TrajWindage[k],
                          t.TrajVelocityX[k], t.TrajVelocityY[k], t.TrajVelocityZ[k])
            << "\n";
    }
}
