#pragma once

// Validating a UDDF file against the published schema with xmllint, where
// both are at hand (a test that uses this defines LOOPWRIGHT_SOURCE_DIR).

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

/// Why UDDF cannot be validated on this machine; empty when it can.
inline std::string uddfSchemaMissing()
{
    const std::filesystem::path schema =
            std::string(LOOPWRIGHT_SOURCE_DIR) + "/../shared/uddf/uddf_3.3.1.xsd";
    if (!std::filesystem::exists(schema))
        return "no UDDF schema at " + schema.string() + "; the export is not validated";
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
    std::ofstream(scratch + ".ns.xml", std::ios::binary) << uddf;
    const std::string command = "xmllint --noout --schema " + std::string(LOOPWRIGHT_SOURCE_DIR)
            + "/../shared/uddf/uddf_3.3.1.xsd " + scratch + ".ns.xml 2> " + scratch + ".txt";
    if (std::system(command.c_str()) == 0)
        return {};
    std::stringstream complaints;
    complaints << std::ifstream(scratch + ".txt").rdbuf();
    return "xmllint: " + complaints.str();
}
