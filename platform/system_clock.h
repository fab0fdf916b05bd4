#pragma once
// The real clock and random generator of the desktop program, the console and the web page
// (where the monotonic clock is performance.now() and the seed crypto.getRandomValues).
#include <random>

#include "core/platform.h"

namespace quarvel {

// The system's local wall clock, its monotonic clock and the month names of the locale
// set for the program (LC_TIME), as UTF-8.
class SystemClock : public Clock {
 public:
  DateTime Now() override;
  std::int64_t MonotonicMs() override;
  std::string MonthAbbreviation(int month) override;
};

// 53 random bits scaled into [0, 1): never 1.0.
inline double UnitInterval(std::uint64_t bits) { return static_cast<double>(bits >> 11) * 0x1.0p-53; }

// A 64-bit Mersenne Twister, reseeded from the clock.
class SystemGenerator : public UniformGenerator {
 public:
  double Next() override;
  void ReseedFromClock() override;

 private:
  std::mt19937_64 engine_;
};

}  // namespace quarvel
