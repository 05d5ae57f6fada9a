#include "divefiles.h"

#include "export/csvwriter.h"
#include "export/exporttext.h"
#include "export/uddfwriter.h"
#include "history/divehistory.h"
#include "util/atomicfile.h"

#include <ostream>

bool writeDiveFiles(const DiveLog &log, const DiveFiles &files, std::ostream &errors)
{
    if (files.uddf.empty() && files.csv.empty())
        return true;
    if (!log.holdsDive()) {
        errors << "loopwright-sim: no dive to export: the scenario never starts one\n";
        return false;
    }
    const DiveRecord &record = log.record();
    bool written = true;
    auto write = [&](const std::string &path, auto &&contents) {
        if (path.empty())
            return;
        try {
            writeFileAtomically(path, contents());
        } catch (const FileWriteError &e) {
            errors << "loopwright-sim: " << e.what() << '\n';
            written = false;
        }
    };
    write(files.uddf, [&] {
        const UddfTimes times {exporttext::utcDateTime(kSimClockStartMs),
                exporttext::utcDateTime(kSimClockStartMs + record.durationMs)};
        return uddfDocument(record, times);
    });
    write(files.csv, [&] { return diveCsv(record); });
    return written;
}
