#pragma once
// The Hall of Fame window's listing: a heading and one line per entry in fixed columns.
#include <array>
#include <string>
#include <vector>

#include "records/hall_of_fame_file.h"
#include "ui/window_state.h"

namespace quarvel {

// The character column at which each column (name, game number, time, date) starts in the
// padded listing.
inline constexpr std::array<std::size_t, kFameColumnCount> kFameColumnStarts{0, 15, 32, 43};

// The column headings, each padded to its column:
// "Name           Game #           Time       Date" in English.
std::string FameListingHeading();

// One entry's line without its line end.
std::string FameListingLine(const FameEntry& entry);

// The whole listing, every line ended by CR LF.
std::string BuildFameListing(const std::vector<FameEntry>& entries);

// The same lines column by column, without padding: the headings, then one per entry.
std::vector<FameColumns> BuildFameListingColumns(const std::vector<FameEntry>& entries);

// The longest name or game number a listing that cuts its fields shows whole: the longest
// name the game takes, and the digits of the largest game number.
inline constexpr std::size_t kFameFieldShownLength = 14;

// An entry's columns as BuildFameListingColumns shows them, with a name or game number longer
// than kFameFieldShownLength characters cut to its first kFameFieldShownLength - 1 and "…",
// so that a hand-edited field cannot widen its column.
FameColumns CutFameColumns(const FameColumns& line);

}  // namespace quarvel
