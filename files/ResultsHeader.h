// The header block that opens every file written from a computation: the
// inputs of the computation as labelled lines, in the text form of the
// results, all-data and init files and in the forms of the two CSV dialects.
// The loader reads it back by position (the colons, the letters that open
// the coefficient lines and the order of the lines), so the strings are part
// of the file format. Qt-free: it takes plain records and writes to a stream.
#pragma once

#include <ostream>
#include <string>

#include "engine/state.h"

// What the header states: the inputs of one computation, the names and the
// two list items as the window showed them when it ran.
struct ResultsHeaderData {
    std::string AmmoName;
    int DragItem = 1;          // drag-function item: 0 a function from a file, 1 to 11 built in
    std::string DragFileName;  // full path of the function file, for item 0
    int ClickItem = 2;         // click item: 0 to 6 fixed, 7 custom in mm/100 m, else MOA
    InputParameters Input;
    SteppedBallisticCoefficient SteppedBc;  // with the set-up's coefficient mode and band ticks
    double ClickValue = 1.0 / 240.0;        // degrees per click
    double IntegrationStep = 0;             // s
};

// The three forms of the block: the text files, the ";" CSV dialect (numbers
// rounded and written in the locale's notation) and the "," CSV dialect.
enum class HeaderForm { Text, SemicolonCsv, CommaCsv };

// The header in the given form. Numbers of the text and "," forms always use
// '.' as decimal point; control characters in the names are written as blanks
// so no line is ever broken. The block starts with an empty line and ends
// without a line end. The stream is neither checked nor closed.
void WriteHeaderBlock(std::ostream& out, const ResultsHeaderData& header, HeaderForm form);

// The text form, shared by the results text file, the all-data file and the
// init file.
inline void WriteResultsHeader(std::ostream& out, const ResultsHeaderData& header) {
    WriteHeaderBlock(out, header, HeaderForm::Text);
}

// The text with every control character turned into a blank.
std::string WithoutControlCharacters(std::string text);

// Dry-air density corrected for humidity, kg/m³, from the temperature (K),
// the relative humidity (%) and the pressure (Pa), as the header states it.
double HeaderAirDensity(double temperatureK, double humidityPercent, double pressurePa);
