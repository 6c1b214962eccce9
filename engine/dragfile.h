// Reader of drag-function files (.drg): the measured drag function of one
// bullet, with its name, mass and diameter in a one-line header.
//
// The whole file is read and checked before anything changes, so a caller can
// apply a good file in one step and leave everything as it was on a bad one:
//
//     const DragFileData data = ReadDragFunctionFileData(path);
//     if (data.Status == DragFileStatus::NotFound) { ShowMessage(data.Message); return; }
//     if (data.Status == DragFileStatus::Refused) ShowErrorAndAbort(data.Message);
//     ApplyDragFunction(data);  // and write the fields from data
//
// File layout (text, '.' as decimal point, Windows or Unix line ends):
//   tag,?name,mass ... ,diameter rest
// The tag ends at the first ',' among the first 20 characters, one character
// after it is passed over, the name runs to the next ',', the mass (kg) is a
// number followed by anything up to a ',', then the diameter (m) and the rest
// of the line (at most 199 characters), which holds "Enco" 12 characters
// before its end in the encoded variant. The plain body is a list of pairs
// "coefficient Mach" separated by white space, ended by a pair whose
// coefficient is 0 or less or by the end of the file; at most 298 pairs.
#pragma once

#include <string>
#include <vector>

enum class DragFileStatus {
    Ok,        // the file holds a usable drag function
    NotFound,  // the file cannot be opened: a plain message, the caller goes on
    Refused,   // the file is not a usable drag-function file: the action ends
};

inline constexpr char DragFileNotFoundMessage[] = "DRG function not found.";
inline constexpr char DragFileFormatMessage[] = "Wrong data format.";
inline constexpr char DragFileTooManyMessage[] = "Too many entries.";
inline constexpr char DragFileEncodedMessage[] = "Encoded drag function files are not supported.";

// Pairs with a positive coefficient a file may hold.
constexpr int MaxDragFilePairs = 298;

// Everything a successful read changes, gathered before any of it is applied.
struct DragFileData {
    DragFileStatus Status = DragFileStatus::Refused;
    std::string Message;  // the text to show; empty when Status is Ok
    std::string Path;     // the file that was read, as given (UTF-8)

    // Only meaningful when Status is Ok.
    std::string BulletName;     // as written in the file, meant as UTF-8 text
    double BulletMass = 0;      // kg
    double BulletDiameter = 0;  // m
    double WeightField = 0;     // g, the mass as the weight field shows it
    double DiameterField = 0;   // mm
    // Ballistic coefficient of this bullet at form factor 1, rounded to four
    // decimals (lb/in²): what the coefficient field holds before the switch
    // to "Form Factor ".
    double FormFactorOneCoefficient = 0;

    // The function: velocities strictly ascending, the last one exactly
    // 1700 m/s, at most MaxDragFilePairs + 1 points.
    std::vector<double> Velocities;    // m/s
    std::vector<double> Coefficients;  // drag coefficient at each velocity
};

// Reads and checks the drag-function file at `path` (UTF-8). Changes nothing
// outside the returned value; the file is closed when it returns.
DragFileData ReadDragFunctionFileData(const std::string& path);

// The engine side of a successful read: the file's function becomes
// ActiveDragTable and DragFileName becomes its path. Does nothing unless
// data.Status is Ok.
void ApplyDragFunction(const DragFileData& data);
