#pragma once
// The Hall of Fame window's listing: a heading and one line per entry in fixed columns.
#include <string>
#include <vector>

#include "records/hall_of_fame_file.h"

namespace quarvel {

// The column headings, each padded to its column:
// "Name           Game #           Time       Date" in English.
std::string FameListingHeading();

// One entry's line without its line end.
std::string FameListingLine(const FameEntry& entry);

// The whole listing, every line ended by CR LF.
std::string BuildFameListing(const std::vector<FameEntry>& entries);

}  // namespace quarvel
