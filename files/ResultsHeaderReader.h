// Reader of the header block that opens every results file: the results
// text file, the all-data file, both CSV dialects and the init file. Qt-free:
// it reads a stream into a plain record and changes nothing else, so the
// window applies a header only after all of it has been read.
//
// The header is read by position, as it is written: the first ':' must be
// among the first 250 characters and close the line "Ammo", then every value
// stands behind the colon of its label, in the order of the written lines.
// Each label is checked before its colon, so a header that lacks a line never
// shifts values into other fields.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

inline constexpr char WrongResultsFormatMessage[] =
    "Wrong data format. This is not an output file from Vantorra 2.4";

// What the drag-function line asks for.
enum class HeaderDragChoice {
    Keep,     // no built-in name and no path: the function in use stays
    BuiltIn,  // one of the built-in functions, by its list item
    File,     // a drag-function file, by its path
};

// One band of the variable ballistic coefficient.
struct HeaderBand {
    double Velocity = 0;     // m/s
    double Coefficient = 0;  // lb/in²
};

// A header as read, the numbers in the units of the window's fields.
struct ResultsHeaderRecord {
    std::string AmmoName;
    HeaderDragChoice Drag = HeaderDragChoice::Keep;
    int DragItem = -1;     // list item 1 to 11 for BuiltIn
    std::string DragPath;  // for File

    bool VariableCoefficient = false;
    std::vector<HeaderBand> Bands;    // 2 to 5 in file order, variable coefficient only
    double BallisticCoefficient = 0;  // lb/in², constant coefficient only
    double FormFactor = 0;            // constant coefficient only

    double BulletWeight = 0;    // g
    double BulletDiameter = 0;  // mm
    double MuzzleVelocity = 0;  // m/s
    double SightHeight = 0;     // mm
    double DepartureAngle = 0;  // deg
    double ZeroRange = 0;       // m

    // The click choice: an item to select (-1 keeps the selection), and for
    // the two custom items the number the line states.
    int ClickItem = -1;
    bool CustomClick = false;
    double ClickNumber = 0;  // mm/100 m (item 7) or MOA (item 8)

    double AirTemperature = 0;    // °C
    double AirPressure = 0;       // hPa
    double AirHumidity = 0;       // %
    double CrossWind = 0;         // m/s
    double LongitudinalWind = 0;  // m/s
    double VerticalWind = 0;      // m/s
    double Gravity = 0;           // m/s²
};

// Reads the header at the start of the stream, up to the label of the
// computation step, whose value is not read, nor anything after it. Returns nothing when the stream
// does not start with a complete header: no ':' among its first 250 characters, a label missing or
// out of place, a value that is not a finite decimal number, a custom click value without its unit,
// or the end of the stream before the label of the computation step. Numbers use '.' as decimal
// point; a ',' directly between digits is taken as one too, as the ";" CSV dialect writes them.
std::optional<ResultsHeaderRecord> ParseResultsHeader(std::istream& in);
