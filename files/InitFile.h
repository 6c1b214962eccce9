// The init file: the header block of the last computation's inputs, kept in
// the program's folder from the end of one run to the start of the next.
#pragma once

#include <string>

#include "files/ResultsHeader.h"

// The init file's full path: "init" in the init-file folder.
std::string InitFilePath();

// Writes the header block whole or not at all; returns whether it was written.
bool WriteInitFile(const ResultsHeaderData& header);
