// Numbers as text and file-name helpers in the form the windows use them. Qt-free
// so the engine can convert edit texts and build paths without the window
// library; the decimal separator comes from a source that the Qt part installs
// (the current QLocale), '.' until then.
#pragma once

#include <string>

// The decimal separator of the user's locale, as the installed source reports it.
char DecimalSeparator();
// Replaces the separator source; nullptr restores the plain '.'.
void SetDecimalSeparatorSource(char (*source)());

// Reads a decimal number written with the locale's separator: surrounding blanks
// are ignored, an exponent is accepted; group separators, "inf", "nan", hex and
// empty text raise EConvertError "'<text>' is not a valid floating point value"
// (a text of more than 60 characters is quoted by its first 60 and "…").
double StrToFloat(const std::string& text);
// Like StrToFloat for whole numbers in the int range: "'<text>' is not a valid integer value".
int StrToInt(const std::string& text);
// General format with up to 15 significant digits and the locale's separator:
// fixed notation from 1e-5 up to below 1e15, otherwise "1.5E-7" or "2.5E20";
// never "-0", never a group separator.
std::string FloatToStr(double value);
std::string IntToStr(int value);

// Full path of the running program file.
std::string ExeName();
// The folder of the init file, with its trailing separator: the program's
// folder unless another folder was set. Tests set a temporary folder, so no
// test run leaves an init file beside the test programs.
std::string InitFileFolder();
// Sets that folder; "" goes back to the program's folder.
void SetInitFileFolder(const std::string& folder);
// The folder part of a path, with its trailing separator ("" when there is none).
// Both '/' and '\\' separate, so paths written on Windows split as well.
std::string ExtractFilePath(const std::string& path);
// The part after the last '/' or '\\'.
std::string ExtractFileName(const std::string& path);
// The extension with its dot (".txt"), or "" when the file name has none.
std::string ExtractFileExt(const std::string& path);
