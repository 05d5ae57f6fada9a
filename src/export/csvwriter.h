#pragma once

#include "export/divelog.h"

#include <string>

/// The header line of the dive CSV, without its line end.
inline constexpr const char *kDiveCsvHeader = "time_s,depth_m,ppo2,setpoint,cns_percent,otu,"
                                              "ceiling_m,ndl_min,first_stop_m,first_stop_min,"
                                              "gf99,surf_gf,cell1,cell2,cell3,breathing";

/// The samples as CSV for a spreadsheet (RFC 4180, UTF-8, CRLF line ends):
/// the header, then one row per sample in the program's units (seconds,
/// metres, kg/cm², %, minutes) with a point for decimals; a cell is empty
/// where its value does not apply. GF99 and the surface GF are whole
/// percents, as the dive computer shows them; what the diver breathes is
/// "loop", "1" or "2", as the trace has it.
std::string diveCsv(const DiveRecord &record);
