#include "platform/system_clock.h"

#include <chrono>
#include <ctime>

namespace quarvel {

DateTime SystemClock::Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return ToDateTime({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                     local.tm_min, local.tm_sec});
}

std::int64_t SystemClock::MonotonicMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::string SystemClock::MonthAbbreviation(int month) {
  std::tm date{};
  date.tm_year = 100;
  date.tm_mon = month - 1;
  date.tm_mday = 1;
  char text[64];
  const std::size_t length = std::strftime(text, sizeof text, "%b", &date);
  return std::string(text, length);
}

double SystemGenerator::Next() {
  // 53 random bits scaled into [0, 1): never 1.0.
  return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

void SystemGenerator::ReseedFromClock() {
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  std::seed_seq seed{static_cast<std::uint64_t>(ticks), static_cast<std::uint64_t>(ticks >> 32),
                     static_cast<std::uint64_t>(std::random_device{}())};
  engine_.seed(seed);
}

}  // namespace quarvel
