// A record replaced by a file the player chose: read as the game reads it, refused when it
// holds nothing readable, asked first when it would replace entries, and undone; and the
// plain words where nothing is kept.
#include "ui/record_load.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "records_support.h"

namespace quarvel {
namespace {

using testing::DealNearlySolved;
using testing::Harness;
using testing::WinAfter;
using Transcript = std::vector<std::string>;

const std::string kEve = "\"Eve\",\"316\",0.001,\"Jan 02, 2026\"\r\n";
const std::string kZed = "\"Zed\",\"12\",0.002,\"Feb 03, 2026\"\r\n";

TEST(RecordContents, EntriesKeptDamagedLinesCountedBlankLinesNot) {
  struct Case {
    const LoadableRecord& record;
    std::string bytes;
    std::size_t entries, damaged;
    std::string text;
  };
  const Case cases[] = {
      {kLoadableRecords[0], kEve + "\r\n  \r\n\"Broken,\"1\r\n" + kZed, 2, 1, kEve + kZed},
      {kLoadableRecords[0], "\x01\x02,\x03\n\xff\xfe", 0, 2, ""},
      {kLoadableRecords[1], "316\r\nnot a number\r\n\r\n 12 \n-1\n", 2, 2, "316\r\n 12 \r\n"},
  };
  for (const Case& c : cases) {
    const RecordContents got = ReadRecordContents(c.record, c.bytes);
    EXPECT_EQ(got.entries, c.entries) << c.bytes;
    EXPECT_EQ(got.damaged, c.damaged) << c.bytes;
    EXPECT_EQ(got.text, c.text) << c.bytes;
  }
}

TEST(RecordLoad, RefusedAskedReplacedAndUndone) {
  struct Case {
    const char* what;
    std::optional<std::string> before;  // Fame.dat as it stands
    std::string chosen;
    std::vector<std::optional<std::string>> answers;  // to the question, if asked
    Transcript shown;
    std::optional<std::string> after;
  };
  const std::string question =
      "question Load Fame.dat|Fame.dat now holds 1 entry. The file you chose holds 2 entries; 1 damaged line left "
      "out. Replace Fame.dat with it?|";
  const std::string loaded = "message Load Fame.dat|Fame.dat now holds 2 entries; 1 damaged line left out.";
  const Case cases[] = {
      {"junk",
       kEve,
       "\x01\x02,\x03\n\xff",
       {},
       {"message Load Fame.dat|The file you chose holds nothing that can go into Fame.dat. Fame.dat is unchanged."},
       kEve},
      {"too large",
       kEve,
       std::string((1 << 20) + 1, 'x'),
       {},
       {"failure Cannot read Fame.dat: it is larger than 1 MiB."},
       kEve},
      {"cancelled", kEve, kZed + "x\r\n" + kEve, {std::nullopt}, {question + "<cancel>"}, kEve},
      {"accepted", kEve, kZed + "x\r\n" + kEve, {""}, {question + "ok", loaded}, kZed + kEve},
      {"nothing to replace", std::nullopt, kZed + "x\r\n" + kEve, {}, {loaded}, kZed + kEve},
  };
  for (const Case& c : cases) {
    Harness h;
    if (c.before) h.files.files["Fame.dat"] = *c.before;
    ASSERT_TRUE(h.Start());
    h.dialogs.answers.assign(c.answers.begin(), c.answers.end());
    EXPECT_TRUE(h.Send({EventId::LoadRecord, 0, c.chosen})) << c.what;
    EXPECT_EQ(h.dialogs.transcript, c.shown) << c.what;
    EXPECT_EQ(h.files.files["Fame.dat"], c.after) << c.what;
    const bool kept = c.after != c.before && c.before;
    EXPECT_EQ(h.window().undoableLoads[0], kept) << c.what;
    EXPECT_EQ(h.files.files.count("Fame.before-load"), kept ? 1u : 0u) << c.what;
    if (!kept) continue;
    h.dialogs.transcript.clear();
    EXPECT_TRUE(h.Send({EventId::UndoLoad, 0}));
    EXPECT_EQ(h.dialogs.transcript,
              Transcript{"message Load Fame.dat|Fame.dat holds again what it held before the load."});
    EXPECT_EQ(h.files.files["Fame.dat"], kEve);
    EXPECT_FALSE(h.window().undoableLoads[0]);
    EXPECT_FALSE(h.Send({EventId::UndoLoad, 0})) << "one undo only";
  }
}

TEST(RecordLoad, AnUndoNeverDropsWhatCameAfterTheLoad) {
  Harness h;
  h.files.files["Fame.dat"] = kEve;
  ASSERT_TRUE(h.Start());
  h.dialogs.answers.push_back("");
  h.Send({EventId::LoadRecord, 0, kZed});
  h.files.files["Fame.dat"] = kZed + kEve;  // a win since
  h.dialogs.transcript.clear();
  EXPECT_TRUE(h.Send({EventId::UndoLoad, 0}));
  EXPECT_EQ(
      h.dialogs.transcript,
      Transcript{"message Load Fame.dat|Fame.dat has changed since the load, so the load can no longer be undone."});
  EXPECT_EQ(h.files.files["Fame.dat"], kZed + kEve);
  EXPECT_FALSE(h.window().undoableLoads[0]);
}

TEST(RecordLoad, WhatFollowsWaitsForStorageAndAFailedStoreKeepsNoUndo) {
  Harness h;
  h.files.files["saved.dat"] = "316\r\n";
  ASSERT_TRUE(h.Start());
  h.files.storing = true;
  h.dialogs.answers.push_back("");
  h.Send({EventId::LoadRecord, 1, "12\r\n"});
  EXPECT_TRUE(h.program.Waiting());
  h.files.storing = false;
  h.Send({EventId::Stored, 28, "saved.dat"});
  EXPECT_FALSE(h.window().undoableLoads[1]) << "nothing was stored to undo";
  EXPECT_EQ(h.dialogs.transcript.back(), "failure Cannot rewrite saved.dat: No space left on device.");
  EXPECT_FALSE(h.Send({EventId::LoadRecord, 2, "12\r\n"})) << "no such record";
}

TEST(NoRecordsKept, TheWinnerAndSaveAreToldInPlainWords) {
  Harness h;
  h.files.keeps = false;
  ASSERT_TRUE(h.Start());
  DealNearlySolved(h);
  h.Send(EventId::Save);
  WinAfter(h, 5);
  EXPECT_EQ(
      h.dialogs.transcript,
      (Transcript{"message Error!|This browser keeps no records for this page, so this game number cannot be saved.",
                  "message Congratulations!|Congratulations, your winning time was  0 minutes 5 seconds.",
                  "message Congratulations!|This browser keeps no records for this page, so your time cannot enter "
                  "the Hall of Fame."}));
}

}  // namespace
}  // namespace quarvel
