#pragma once

// Reading an exported dive back: its lines and cells, and UDDF validated
// against the published schema with xmllint where both are at hand (a test
// that uses this defines LOOPWRIGHT_SOURCE_DIR).

#include "tempfolder.h"

#include <cstdlib>
#include <string>
#include <vector>

/// \a text cut at every \a separator, carriage returns dropped.
inline std::vector<std::string> split(const std::string &text, char separator)
{
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == separator)
            parts.emplace_back();
        else if (c != '\r')
            parts.back() += c;
    }
    return parts;
}

inline std::string uddfSchema()
{
    return std::string(LOOPWRIGHT_SOURCE_DIR) + "/../shared/uddf/uddf_3.3.1.xsd";
}

/// Why UDDF cannot be validated on this machine; empty when it can.
inline std::string uddfSchemaMissing()
{
    if (!std::filesystem::exists(uddfSchema()))
        return "no UDDF schema at " + uddfSchema() + "; the export is not validated";
    if (std::system("command -v xmllint > /dev/null") != 0)
        return "xmllint (Debian package libxml2-utils) is missing; the export is not validated";
    return {};
}

/// xmllint's complaints about \a uddf, empty when it validates; \a scratch
/// names the files the check leaves behind.
inline std::string uddfSchemaErrors(std::string uddf, const std::string &scratch)
{
    // The schema has a target namespace; the file, as dive computers write
    // it, has none: validate a copy with the namespace added.
    uddf.insert(uddf.find("<uddf ") + 6, "xmlns=\"http://www.streit.cc/uddf/3.3/\" ");
    writeBytes(scratch + ".ns.xml", uddf);
    const std::string command = "xmllint --noout --schema " + uddfSchema() + " " + scratch
            + ".ns.xml 2> " + scratch + ".txt";
    return std::system(command.c_str()) == 0 ? "" : "xmllint: " + readBytes(scratch + ".txt");
}
