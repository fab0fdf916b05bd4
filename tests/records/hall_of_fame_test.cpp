#include "records/hall_of_fame.h"

#include <gtest/gtest.h>

#include <string>

#include "support/harness.h"

namespace quarvel {
namespace {

using testing::Harness;

// A Fame.dat line with a plain decimal time.
std::string Line(const std::string& name, const std::string& time) {
  return "\"" + name + "\",\"7\"," + time + ",\"Jan 02, 2026\"\r\n";
}

// Lines ek with the whole-day time k, for k from `first` to `last`: an ascending list.
std::string Lines(int first, int last) {
  std::string text;
  for (int k = first; k <= last; ++k) text += Line(std::string("e") + std::to_string(k), std::to_string(k));
  return text;
}

struct Summary {
  int count;
  double slowest;
  bool button;
};

Summary Load(Harness& h) {
  FameSummary state;
  const bool listed = LoadFameSummary(state, h.services);
  return {state.FameCount, state.SlowestFameTime, listed};
}

TEST(LoadFameSummary, CountsEntriesAndTakesTheLastTime) {
  const std::pair<const char*, Summary> cases[] = {
      {nullptr, {0, 9999, false}},
      {"", {0, 0, true}},
      {"\r\n  \r\n", {0, 0, true}},
      {"\"a\",\"1\",0.25,\"d\"\r\n\"b\",\"2\",0.5,\"d\"", {2, 0.5, true}},
      // A damaged last line is not counted; the slowest is the last entry read.
      {"\"a\",\"1\",0.25,\"d\"\r\n\"b\",\"2\",0.5,\"d\"\r\n\"c\",\"3\"\r\n", {2, 0.5, true}},
  };
  for (const auto& [content, expected] : cases) {
    Harness h;
    if (content) h.files.files["Fame.dat"] = content;
    const Summary s = Load(h);
    EXPECT_EQ(s.count, expected.count) << (content ? content : "no file");
    EXPECT_EQ(s.slowest, expected.slowest) << (content ? content : "no file");
    EXPECT_EQ(s.button, expected.button) << (content ? content : "no file");
  }
  Harness thirtyTwo;
  thirtyTwo.files.files["Fame.dat"] = Lines(1, 32);
  EXPECT_EQ(Load(thirtyTwo).count, 32);
  EXPECT_EQ(Load(thirtyTwo).slowest, 32);
}

TEST(LoadFameSummary, DeletesHallFameDatWithOrWithoutAList) {
  for (bool withList : {false, true}) {
    Harness h;
    h.files.files["HallFame.dat"] = "old";
    if (withList) h.files.files["Fame.dat"] = Lines(1, 1);
    ASSERT_TRUE(h.Start());
    EXPECT_FALSE(h.files.Exists("HallFame.dat"));
    EXPECT_EQ(h.window().enabled.hallOfFame, withList);
    EXPECT_TRUE(h.dialogs.transcript.empty());
  }
}

struct Inserted {
  std::string file;
  int count;
  double slowest;
};

Inserted Insert(Harness& h, FameSummary& state, const std::string& name, double time) {
  InsertFameEntry(state, h.services, "316", name, time);
  return {h.files.files.at("Fame.dat"), state.FameCount, state.SlowestFameTime};
}

TEST(InsertFameEntry, FirstEntryWithoutAFileAndWithAnEmptyFile) {
  for (bool emptyFile : {false, true}) {
    Harness h;
    if (emptyFile) h.files.files["Fame.dat"] = "";
    FameSummary state;
    LoadFameSummary(state, h.services);
    const Inserted r = Insert(h, state, "Ann", 103 / 86400.0);
    EXPECT_EQ(r.file, "\"Ann\",\"316\",0.0011921296296296296,\"Jan 01, 2026\"\r\n");
    EXPECT_EQ(r.count, 1);
    EXPECT_EQ(r.slowest, 103 / 86400.0);
  }
}

TEST(InsertFameEntry, RanksTiesCapAndUpdatesTheSummary) {
  Harness h;
  FameSummary state;
  h.files.files["Fame.dat"] = Line("a", "0.002") + Line("b", "0.004");
  LoadFameSummary(state, h.services);

  Inserted r = Insert(h, state, "mid", 0.003);
  EXPECT_EQ(r.file, Line("a", "0.002") + "\"mid\",\"316\",0.003,\"Jan 01, 2026\"\r\n" + Line("b", "0.004"));
  EXPECT_EQ(r.count, 3);
  EXPECT_EQ(r.slowest, 0.004);

  r = Insert(h, state, "tie", 0.002);  // the later entry stands first among equals
  EXPECT_EQ(r.file.substr(0, r.file.find("\r\n")), "\"tie\",\"316\",0.002,\"Jan 01, 2026\"");
  EXPECT_EQ(r.count, 4);

  r = Insert(h, state, "last", 0.005);
  EXPECT_EQ(r.file.substr(r.file.rfind("\"last\"")), "\"last\",\"316\",0.005,\"Jan 01, 2026\"\r\n");
  EXPECT_EQ(r.slowest, 0.005);
}

TEST(InsertFameEntry, AFullListDropsPlace31AndTwentyNineGrowToThirty) {
  const struct {
    int lines;
    const char* name;
    double time;
    std::string file;
    double slowest;
  } cases[] = {
      {30, "new", 1.5, Lines(1, 1) + "\"new\",\"316\",1.5,\"Jan 01, 2026\"\r\n" + Lines(2, 29), 29},
      {29, "slow", 40, Lines(1, 29) + "\"slow\",\"316\",40,\"Jan 01, 2026\"\r\n", 40},
  };
  for (const auto& c : cases) {
    Harness h;
    FameSummary state;
    h.files.files["Fame.dat"] = Lines(1, c.lines);
    LoadFameSummary(state, h.services);
    ASSERT_EQ(state.FameCount, c.lines);
    ASSERT_EQ(state.SlowestFameTime, c.lines);
    const Inserted r = Insert(h, state, c.name, c.time);
    EXPECT_EQ(r.file, c.file) << c.lines;
    EXPECT_EQ(r.count, 30) << c.lines;
    EXPECT_EQ(r.slowest, c.slowest) << c.lines;
  }
}

TEST(InsertFameEntry, RewriteNormalisesTheOldLines) {
  Harness h;
  FameSummary state;
  h.files.files["Fame.dat"] =
      "\"a\",\"1\",0.25,\"d1\",\"extra\",9\n"  // fields beyond the fourth
      "\"broken\",\"2\"\r"                     // damaged: dropped
      "  \"J\xF6rg\" ,  12 ,.5 ,\"d2\"";       // Latin-1, blanks, no line end
  const Inserted r = Insert(h, state, "N\xC3\xA9", 0.3);
  EXPECT_EQ(r.file,
            "\"a\",\"1\",0.25,\"d1\"\r\n"
            "\"N\xC3\xA9\",\"316\",0.3,\"Jan 01, 2026\"\r\n"
            "\"J\xC3\xB6rg\",\"12\",0.5,\"d2\"\r\n");
  EXPECT_EQ(r.count, 3);
}

TEST(InsertFameEntry, DateIsTakenWhenTheEntryIsWritten) {
  Harness h;
  FameSummary state;
  h.clock.SetWall(ToDateTime({2027, 12, 31, 23, 59, 59}));
  h.clock.Advance(1);
  EXPECT_EQ(Insert(h, state, "Ann", 0.001).file, "\"Ann\",\"316\",0.001,\"Jan 01, 2028\"\r\n");
}

TEST(InsertFameEntry, AFailedRewriteChangesNothing) {
  Harness h;
  FameSummary state;
  h.files.files["Fame.dat"] = Lines(1, 2);
  LoadFameSummary(state, h.services);
  h.files.failing.insert("Temp.dat");
  EXPECT_THROW(InsertFameEntry(state, h.services, "316", "Ann", 0.0001), FileFailure);
  EXPECT_EQ(h.files.files["Fame.dat"], Lines(1, 2));
  EXPECT_EQ(state.FameCount, 2);
  EXPECT_EQ(state.SlowestFameTime, 2);
}

}  // namespace
}  // namespace quarvel
