#pragma once
// What the tests and the benchmarks start from: quarvel.dat as shipped, and the moment
// the scripted clock starts at.
#include "core/date_time.h"

namespace quarvel::testing {

inline constexpr const char* kSolvedHomeFile =
    "4,4\r\n1,1\r\n1,2\r\n1,3\r\n1,4\r\n2,1\r\n2,2\r\n2,3\r\n2,4\r\n3,1\r\n3,2\r\n3,3\r\n3,4\r\n4,1\r\n4,2\r\n4,3\r\n";

inline DateTime ScriptedStart() { return ToDateTime({2026, 1, 1, 9, 0, 0}); }

}  // namespace quarvel::testing
