// Our own decimal text of doubles, for standard libraries without the floating-point
// std::to_chars and std::from_chars, gives what the standard library gives.
#include "core/decimal_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace quarvel {
namespace {

std::string LibraryText(double value) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

TEST(PortableDecimalText, WritesWhatTheLibraryWrites) {
  std::vector<double> values = {0.0,
                                -0.0,
                                1.0,
                                0.1,
                                1e22,
                                1e21,
                                123456789012345678.0,
                                1.5e-7,
                                1e-5,
                                1e-4,
                                0.001,
                                5e-324,
                                std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::infinity(),
                                9007199254740993.0,
                                1.0 / 86400,
                                59.0 / 86400,
                                3599.0 / 86400,
                                2.5,
                                100,
                                1234.5};
  // Times in days as the Hall of Fame stores them, and doubles of every magnitude.
  for (int seconds = 0; seconds < 3600; seconds += 7) values.push_back(seconds / 86400.0);
  std::mt19937_64 bits(2026);
  for (int i = 0; i < 20000; ++i) {
    const double value = std::bit_cast<double>(bits());
    if (!std::isnan(value)) values.push_back(value);
  }
  for (const double value : values) EXPECT_EQ(portable::ShortestDecimal(value), LibraryText(value)) << value;
}

TEST(PortableDecimalText, ReadsWhatTheLibraryReads) {
  const char* const texts[] = {"0",
                               "0.5",
                               ".5",
                               "5.",
                               "-1.25",
                               "+1",
                               " 1",
                               "1e5",
                               "1E-5",
                               "1e",
                               "1e+",
                               "1.5x",
                               "abc",
                               "",
                               "-",
                               ".",
                               "-.e1",
                               "1e400",
                               "1e-400",
                               "0e999",
                               "4.9e-324",
                               "2e-324",
                               "inf",
                               "-Infinity",
                               "infin",
                               "nan",
                               "nan(12_a)",
                               "nan(",
                               "0x10",
                               "00012.500",
                               "1.7976931348623157e308",
                               "1.7976931348623159e308",
                               "0.000694444444444444",
                               "3.4722222222222224e-05"};
  for (const std::string_view text : texts) {
    double library = -7, ours = -7;
    const auto expected = std::from_chars(text.data(), text.data() + text.size(), library);
    const auto got = portable::ReadDecimal(text, ours);
    EXPECT_EQ(got.ptr - text.data(), expected.ptr - text.data()) << text;
    EXPECT_EQ(got.ec, expected.ec) << text;
    if (std::isnan(library)) {
      EXPECT_TRUE(std::isnan(ours)) << text;
    } else {
      EXPECT_EQ(std::bit_cast<std::uint64_t>(ours), std::bit_cast<std::uint64_t>(library)) << text;
    }
  }
}

}  // namespace
}  // namespace quarvel
