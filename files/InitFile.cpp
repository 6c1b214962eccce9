#include "files/InitFile.h"

#include <ostream>

#include "platform/safefile.h"
#include "platform/sysutils.h"

std::string InitFilePath() {
    return InitFileFolder() + "init";
}

bool WriteInitFile(const ResultsHeaderData& header) {
    return WriteFileAtomically(InitFilePath(), [&header](std::ostream& out) {
        WriteResultsHeader(out, header);
        return true;
    });
}
