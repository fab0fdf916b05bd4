#include "platform/system_clock.h"

#include <chrono>
#include <ctime>
#include <cwchar>

namespace quarvel {
namespace {

#if !defined(__EMSCRIPTEN__)
void AppendUtf8(std::string& text, char32_t c) {
  const auto byte = [&text](char32_t bits) { text += static_cast<char>(bits); };
  if (c < 0x80) {
    byte(c);
  } else if (c < 0x800) {
    byte(0xC0 | (c >> 6));
    byte(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    byte(0xE0 | (c >> 12));
    byte(0x80 | ((c >> 6) & 0x3F));
    byte(0x80 | (c & 0x3F));
  } else {
    byte(0xF0 | (c >> 18));
    byte(0x80 | ((c >> 12) & 0x3F));
    byte(0x80 | ((c >> 6) & 0x3F));
    byte(0x80 | (c & 0x3F));
  }
}
#endif

}  // namespace

DateTime SystemClock::Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return ToDateTime({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec});
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
#if defined(__EMSCRIPTEN__)
  // The WebAssembly build's C library has no wcsftime, and its month names are English.
  char name[16];
  return std::string(name, std::strftime(name, sizeof name, "%b", &date));
#else
  // Wide characters, so the name comes out as UTF-8 whatever the locale's own encoding.
  wchar_t text[64];
  const std::size_t length = std::wcsftime(text, sizeof text / sizeof text[0], L"%b", &date);
  std::string utf8;
  for (std::size_t i = 0; i < length; ++i) AppendUtf8(utf8, static_cast<char32_t>(text[i]));
  return utf8;
#endif
}

double SystemGenerator::Next() { return UnitInterval(engine_()); }

void SystemGenerator::ReseedFromClock() {
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  std::seed_seq seed{static_cast<std::uint64_t>(ticks), static_cast<std::uint64_t>(ticks >> 32),
                     static_cast<std::uint64_t>(std::random_device{}())};
  engine_.seed(seed);
}

}  // namespace quarvel
