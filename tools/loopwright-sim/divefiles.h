#pragma once

#include "export/divelog.h"

#include <iosfwd>
#include <string>

/// The files loopwright-sim writes the dive to at the end of a scenario; an
/// empty path is not written.
struct DiveFiles
{
    std::string uddf;
    std::string csv;
};

/// Writes each requested file of the recorded dive, dated by the simulated
/// clock (the dive at its start value, the file at the dive's end). Returns
/// false after reporting on \a errors when a file cannot be written (each
/// file is then left as it was) or there is no dive to write.
bool writeDiveFiles(const DiveLog &log, const DiveFiles &files, std::ostream &errors);
