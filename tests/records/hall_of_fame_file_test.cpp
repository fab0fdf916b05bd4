#include "records/hall_of_fame_file.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "records/utf8.h"

namespace quarvel {
namespace {

std::vector<std::string> Names(const std::vector<FameEntry>& entries) {
  std::vector<std::string> names;
  for (const FameEntry& e : entries) names.push_back(e.Name);
  return names;
}

TEST(FameFileReader, AcceptsEveryLineEndAndTheToleratedLayouts) {
  const std::vector<FameEntry> expected = {{"Ann", "2", 0.5, "Jan 01, 2026"}, {"Bo b ", "31", 0.75, "Feb 02, 2026"}};
  const std::string lines[] = {R"("Ann","2",0.5,"Jan 01, 2026")", R"("Bo b ","31",0.75,"Feb 02, 2026")"};
  for (const char* end : {"\r\n", "\n", "\r"}) {
    EXPECT_EQ(ParseFameFile(lines[0] + end + lines[1] + end), expected) << "line end " << int(end[0]);
    EXPECT_EQ(ParseFameFile(lines[0] + end + lines[1]), expected) << "no final line end";
  }
  // Blanks before fields, junk after a closing quote, trailing blanks of unquoted fields,
  // fields beyond the fourth, empty lines and a byte order mark.
  const std::string tolerant =
      "\xEF\xBB\xBF  \"Ann\" junk ,\t\"2\"x,  .5  ,\"Jan 01, 2026\",\"extra\",9\r\n"
      "\r\n"
      "   \r\n"
      "\"Bo b \",31 ,7.5E-1,\"Feb 02, 2026\"\r\n";
  EXPECT_EQ(ParseFameFile(tolerant), expected);
}

TEST(FameFileReader, TimesInPlainAndExponentNotation) {
  const std::pair<const char*, double> cases[] = {{"0.0011921296296296296", 103 / 86400.0},
                                                  {"8.101851851851852e-05", 7 / 86400.0},
                                                  {"1.15740740740741E-03", 1.15740740740741e-3},
                                                  {".25", 0.25},
                                                  {"0", 0.0},
                                                  {"3.", 3.0},
                                                  {"1e2", 100.0}};
  for (const auto& [text, value] : cases) {
    const auto entries = ParseFameFile(std::string("\"a\",\"1\",") + text + ",\"d\"");
    ASSERT_EQ(entries.size(), 1u) << text;
    EXPECT_EQ(entries[0].Time, value) << text;
  }
}

TEST(FameFileReader, SkipsDamagedLinesAndKeepsTheRest) {
  const char* damaged[] = {
      R"("a","1",0.1)",                // three fields
      R"("a")",                        // one field
      R"("a","1",0.1,"Jan 01, 2026)",  // unterminated quote
      R"("a","1",0.1,"d","open)",      // unterminated quote in a fifth field
      R"("a,"1",0.1,"Jan 01, 2026")",  // the quote swallows a comma: fields shift
      R"("a","1",abc,"d")",            // time not a number
      R"("a","1",,"d")",               // empty time
      R"("a","1",-0.1,"d")",           // negative
      R"("a","1",+0.1,"d")",           // sign
      R"("a","1",inf,"d")",            // not finite
      R"("a","1",nan,"d")",
      R"("a","1",1e999,"d")",       // out of range
      R"("a","1",0.1x,"d")",        // trailing junk in a bare number
      R"("a","1",0x10,"d")",        // hexadecimal
      "\"a\",\"1\",0.1\x01,\"d\"",  // control character
  };
  for (const char* line : damaged) {
    const std::string text = std::string("\"first\",\"1\",0.1,\"d\"\r\n") + line + "\r\n\"last\",\"2\",0.2,\"d\"\r\n";
    EXPECT_EQ(Names(ParseFameFile(text)), (std::vector<std::string>{"first", "last"})) << line;
  }
  // Nothing in a damaged file can crash the reader.
  std::string noise;
  for (int i = 0; i < 4096; ++i) noise += static_cast<char>((i * 7919) % 256);
  EXPECT_NO_THROW(ParseFameFile(noise));
  EXPECT_TRUE(ParseFameFile("\"").empty());
  EXPECT_TRUE(ParseFameFile(",,,,").empty());
}

TEST(FameFileReader, BytesThatAreNotUtf8AreReadAsLatin1) {
  const auto entries = ParseFameFile(ToUtf8Lenient("\"J\xF6rg\",\"1\",0.1,\"Jan 01, 2026\"\r\n"));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].Name, "J\xC3\xB6rg");
  EXPECT_EQ(ToUtf8Lenient("J\xC3\xB6rg \xE2\x82\xAC"), "J\xC3\xB6rg \xE2\x82\xAC");  // valid UTF-8 kept
  EXPECT_EQ(ToUtf8Lenient("\xC3"), "\xC3\x83");                                      // cut sequence
  EXPECT_EQ(ToUtf8Lenient("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xC2\x80");              // surrogate
  EXPECT_EQ(CountCharacters("J\xC3\xB6rg \xE2\x82\xAC"), 6u);
}

TEST(FameFileWriter, WritesQuotedFieldsBareTimeAndCrLf) {
  const std::vector<FameEntry> entries = {{" Ann ", "2", 103 / 86400.0, "Jan 01, 2026"},
                                          {"B,o", "10461394943999", 7 / 86400.0, "Dec 31, 2025"}};
  EXPECT_EQ(FormatFameFile(entries),
            "\" Ann \",\"2\",0.0011921296296296296,\"Jan 01, 2026\"\r\n"
            "\"B,o\",\"10461394943999\",8.101851851851852e-05,\"Dec 31, 2025\"\r\n");
  EXPECT_EQ(FormatFameFile({}), "");
  EXPECT_EQ(ParseFameFile(FormatFameFile(entries)), entries);
}

TEST(FameFileWriter, TimeIsTheShortestTextThatReadsBackExactly) {
  EXPECT_EQ(FormatFameTime(0), "0");
  EXPECT_EQ(FormatFameTime(0.5), "0.5");
  EXPECT_EQ(FormatFameTime(1 / 86400.0), "1.1574074074074073e-05");
  for (int seconds = 0; seconds < 3600; ++seconds) {
    const double days = seconds / 86400.0;
    const std::string text = FormatFameTime(days);
    double back = -1;
    std::from_chars(text.data(), text.data() + text.size(), back);
    ASSERT_EQ(back, days) << text;
    // No fewer significant digits read back as the same value.
    const std::size_t digits = text.find_first_of("eE") == std::string::npos ? text.size() : text.find_first_of("eE");
    int significant = 0;
    bool leading = true;
    for (std::size_t k = 0; k < digits; ++k) {
      if (text[k] < '0' || text[k] > '9') continue;
      if (leading && text[k] == '0') continue;
      leading = false;
      ++significant;
    }
    if (significant > 1) {
      char shorter[400];
      std::snprintf(shorter, sizeof shorter, "%.*g", significant - 1, days);
      EXPECT_NE(std::strtod(shorter, nullptr), days) << text << " could be " << shorter;
    }
  }
}

FameEntry Entry(const std::string& name, double time) { return {name, "1", time, "Jan 01, 2026"}; }

TEST(InsertRanked, LandsBeforeTheFirstEqualOrSlowerEntryAtEveryRank) {
  const std::vector<FameEntry> list = {Entry("a", 0.1), Entry("b", 0.2), Entry("c", 0.3)};
  const std::pair<double, std::vector<std::string>> cases[] = {
      {0.05, {"new", "a", "b", "c"}}, {0.1, {"new", "a", "b", "c"}}, {0.15, {"a", "new", "b", "c"}},
      {0.2, {"a", "new", "b", "c"}},  {0.3, {"a", "b", "new", "c"}}, {0.35, {"a", "b", "c", "new"}}};
  for (const auto& [time, order] : cases) {
    auto entries = list;
    InsertRanked(entries, Entry("new", time), 30);
    EXPECT_EQ(Names(entries), order) << time;
  }
  std::vector<FameEntry> empty;
  InsertRanked(empty, Entry("first", 0.4), 30);
  EXPECT_EQ(Names(empty), (std::vector<std::string>{"first"}));
}

TEST(InsertRanked, KeepsAtMostTheLimitDroppingTheSlowest) {
  std::vector<FameEntry> full;
  for (int k = 1; k <= 30; ++k) full.push_back(Entry(std::string("e") + std::to_string(k), k / 100.0));

  auto faster = full;
  InsertRanked(faster, Entry("new", 0.105), 30);
  ASSERT_EQ(faster.size(), 30u);
  EXPECT_EQ(faster[10].Name, "new");
  EXPECT_EQ(faster.back().Name, "e29");

  auto slowest = full;
  InsertRanked(slowest, Entry("new", 0.30), 30);  // equal to the 30th: takes its place
  EXPECT_EQ(slowest[29].Name, "new");

  auto slower = full;
  InsertRanked(slower, Entry("new", 0.31), 30);
  EXPECT_EQ(slower, full);

  full.push_back(Entry("e31", 0.31));  // a hand-edited list of 31
  InsertRanked(full, Entry("new", 0.001), 30);
  ASSERT_EQ(full.size(), 30u);
  EXPECT_EQ(full.front().Name, "new");
  EXPECT_EQ(full.back().Name, "e29");
}

}  // namespace
}  // namespace quarvel
