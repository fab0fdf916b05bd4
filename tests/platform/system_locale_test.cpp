// The program under the system's locale: the Hall of Fame date takes the locale's month
// names as UTF-8, while numbers in Fame.dat and game numbers keep one format everywhere.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <ctime>
#include <string>

#include "platform/system_clock.h"
#include "records/hall_of_fame.h"
#include "records/hall_of_fame_file.h"
#include "support/harness.h"

namespace quarvel {
namespace {

// Sets the whole locale for the test's life; says whether the system has that locale.
class ScopedLocale {
 public:
  explicit ScopedLocale(const char* name) : set_(std::setlocale(LC_ALL, name) != nullptr) {}
  ~ScopedLocale() { std::setlocale(LC_ALL, "C"); }
  ScopedLocale(const ScopedLocale&) = delete;
  ScopedLocale& operator=(const ScopedLocale&) = delete;
  bool set() const { return set_; }

 private:
  bool set_;
};

// German locales are made by the test set-up (tools/setup.sh test) where it runs as root.
constexpr const char* kGermanUtf8 = "de_DE.UTF-8";
constexpr const char* kGermanLatin1 = "de_DE.ISO-8859-1";

TEST(SystemLocale, MonthAbbreviationsAreTheLocalesInUtf8WhateverItsEncoding) {
  SystemClock clock;
  EXPECT_EQ(clock.MonthAbbreviation(3), "Mar") << "the C locale";
  for (const char* name : {kGermanUtf8, kGermanLatin1}) {
    ScopedLocale locale(name);
    if (!locale.set()) GTEST_SKIP() << name << " is not installed";
    EXPECT_EQ(clock.MonthAbbreviation(3), "M\xC3\xA4r") << name;
    EXPECT_EQ(clock.MonthAbbreviation(5), "Mai") << name;
    EXPECT_EQ(clock.MonthAbbreviation(12), "Dez") << name;
  }
}

TEST(SystemLocale, FameDatAndGameNumbersKeepTheirFormatUnderACommaLocale) {
  ScopedLocale locale(kGermanUtf8);
  if (!locale.set()) GTEST_SKIP() << kGermanUtf8 << " is not installed";
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 0.5);
  ASSERT_STREQ(probe, "0,5") << "the locale writes decimal commas";

  // A dealt game's number.
  testing::Harness h;
  h.draws.fallback = 0.5;
  ASSERT_TRUE(h.Start());
  h.Send(EventId::NewGame);
  EXPECT_EQ(h.window().gameNumberText, "5252855902758");

  // A winner written with the system clock: a period in the time, the locale's month.
  SystemClock clock;
  Services services{clock, h.boxes, h.windowSystem, h.files, h.draws, h.shortest};
  ProgramState state = h.state();
  const std::time_t now = std::time(nullptr);
  std::tm today{};
  localtime_r(&now, &today);
  InsertFameEntry(state.fame, services, state.game.playedGameNumber, "Zo\xC3\xAB", 1234.5 / 86400);
  const std::string written = h.files.files["Fame.dat"];
  const std::string expectedStart =
      "\"Zo\xC3\xAB\",\"5252855902758\",0.014288194444444444,\"" + clock.MonthAbbreviation(today.tm_mon + 1) + " ";
  EXPECT_EQ(written.substr(0, expectedStart.size()), expectedStart) << written;
  const auto entries = ParseFameFile(written);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_DOUBLE_EQ(entries[0].Time, 1234.5 / 86400);
}

}  // namespace
}  // namespace quarvel
