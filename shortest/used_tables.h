#pragma once
// The tables a program searches with: mapped from the tables' file when it is good, else
// built in memory on first use.
#include <atomic>

#include "shortest/pattern_database.h"

namespace quarvel::shortest {

// The tables, from the tables' file when it is good, else built in memory on first use
// (once, whichever thread asks first; the others wait for it).
const PatternTables& Tables();
// The same, or nullptr when `cancel` was set while this call was building them (the
// next call builds them afresh).
const PatternTables* TablesUnlessCancelled(const std::atomic<bool>* cancel);

}  // namespace quarvel::shortest
