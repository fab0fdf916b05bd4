// Damaged record files, bad home positions and unusable data folders, on real files: each
// gives a clear failure or the tolerant reading, and nothing already stored is lost.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <functional>
#include <random>

#include "core/home_positions_file.h"
#include "records/hall_of_fame_file.h"
#include "records/saved_games_file.h"
#include "records/text_lines.h"
#include "records/utf8.h"
#include "reliability/disk_harness.h"
#include "ui/texts.h"

namespace quarvel::testing {
namespace {

constexpr const char* kSaved = "message Success!|Game # successfully saved.";

using Files = std::vector<std::pair<std::string, std::string>>;

// A folder holding quarvel.dat and the given files.
struct DataFolder {
  TempFolder folder;
  DataFolder() : DataFolder(Files{}) {}
  explicit DataFolder(const Files& files) {
    WriteFile(folder / kHomePositionsFile, kSolvedHomeFile);
    for (const auto& [name, content] : files) WriteFile(folder / name, content);
  }
  std::string operator/(const std::string& name) const { return folder / name; }
  std::string Read(const std::string& name) const { return ReadFile(folder / name).value_or("<missing>"); }
};

std::string FameLine(const std::string& name, const std::string& number, double days, const std::string& date) {
  return '"' + name + "\",\"" + number + "\"," + FormatFameTime(days) + ",\"" + date + "\"\r\n";
}

// The listing's entry lines (after the heading and the empty line).
std::vector<std::string> ListingEntries(const Program& program) {
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(program.windows().listing)) lines.emplace_back(line);
  return lines.size() >= 2 ? std::vector<std::string>(lines.begin() + 2, lines.end()) : lines;
}

TEST(BadFameFile, DamagedLinesAreSkippedWhenReadAndDroppedWhenRewritten) {
  const std::string good1 = "\"Ann\",\"123\",0.001,\"Jan 01, 2026\"";
  const std::vector<std::string> damaged = {
      "\"Bob\",\"456\",0.002",                  // missing field
      "\"Cy\",\"789\",0.003,\"Jan 01, 2026",    // unterminated quote
      "\"Dee\",\"1\",abc,\"Jan 01, 2026\"",     // not a number
      "\"Eve\",\"2\",-0.001,\"Jan 01, 2026\"",  // negative
      "\"Fay\",\"3\",inf,\"Jan 01, 2026\"",     // infinite
      "\"Gil\",\"4\",1e999,\"Jan 01, 2026\"",   // too large for a number
      "\"Hy\",\"5\",nan,\"Jan 01, 2026\"",      // not a number either
      "Ivy\"x,\"6\",0.004,\"Jan 01, 2026\"",    // a quote inside a bare field
  };
  const std::string good2 = "\"Jo\",\"7\",0.005,\"Jan 01, 2026\"";
  std::string file = good1 + "\r\n";
  for (const std::string& d : damaged) file += d + "\r\n";
  file += good2 + "\r\n \r\n";

  DataFolder data(Files{{kFameFile, file}});
  DiskHarness h(data.folder.path());
  ASSERT_TRUE(h.Start());
  EXPECT_EQ(h.state().fame.FameCount, 2);
  EXPECT_EQ(h.state().fame.SlowestFameTime, 0.005);
  ASSERT_TRUE(h.Send(EventId::HallOfFame));
  EXPECT_EQ(ListingEntries(h.program),
            (std::vector<std::string>{"Ann            123              01M  26S   Jan 01, 2026",
                                      "Jo             7                07M  12S   Jan 01, 2026"}));
  h.Send(EventId::ReturnToMain);

  // The winner goes before Jo; the damaged lines are gone.
  h.Win("Kim", 200);
  EXPECT_TRUE(h.Failures().empty());
  std::string expected = good1 + "\r\n";
  expected += FameLine("Kim", "0", 200 / 86400.0, "Jan 01, 2026") + good2 + "\r\n";
  EXPECT_EQ(data.Read(kFameFile), expected);
  EXPECT_EQ(h.state().fame.FameCount, 3);
  EXPECT_EQ(h.state().fame.SlowestFameTime, 0.005);
}

TEST(BadFameFile, MoreThanThirtyEntriesAreListedAndTheRewriteKeepsTheThirtyFastest) {
  std::string file;
  for (int i = 1; i <= 35; ++i)
    file += FameLine(std::string("P").append(std::to_string(i)), std::to_string(i), i / 86400.0, "Jan 01, 2026");
  DataFolder data(Files{{kFameFile, file}});
  DiskHarness h(data.folder.path());
  ASSERT_TRUE(h.Start());
  EXPECT_EQ(h.state().fame.FameCount, 35);
  EXPECT_EQ(h.state().fame.SlowestFameTime, 35 / 86400.0);
  h.Send(EventId::HallOfFame);
  EXPECT_EQ(ListingEntries(h.program).size(), 35u);
  h.Send(EventId::ReturnToMain);

  h.Win("New", 10);  // ties with P10 and goes before it
  const auto entries = ParseFameFile(data.Read(kFameFile));
  ASSERT_EQ(entries.size(), 30u);
  EXPECT_EQ(entries[9].Name, "New");
  EXPECT_EQ(entries[10].Name, "P10");
  EXPECT_EQ(entries.back().Name, "P29");
  EXPECT_EQ(h.state().fame.FameCount, 30);
  EXPECT_EQ(h.state().fame.SlowestFameTime, 29 / 86400.0);
}

TEST(BadFameFile, LongNamesLongNumbersControlCharactersAndLatin1AreListedLegibly) {
  const std::string file = FameLine("Maximilian Alexander", "12345678901234567890123", 0.01, "Jan 01, 2026") +
                           FameLine("Zo\xC3\xAB \xC3\x85ngstr\xC3\xB6m-\xC3\x98rsted", "1", 0.02, "Feb 02, 2026") +
                           FameLine(std::string("A\0B\tC", 5), "2", 0.03, "Mar 03, 2026") +
                           FameLine("\xE9t\xE9", "3", 0.04, "Apr 04, 2026");
  DataFolder data(Files{{kFameFile, file}});
  DiskHarness h(data.folder.path());
  ASSERT_TRUE(h.Start());
  ASSERT_TRUE(h.Send(EventId::HallOfFame));
  // Too long for its column: shown whole and one blank apart from the next column.
  EXPECT_EQ(ListingEntries(h.program),
            (std::vector<std::string>{
                "Maximilian Alexander 12345678901234567890123  14M  24S   Jan 01, 2026",
                "Zo\xC3\xAB \xC3\x85ngstr\xC3\xB6m-\xC3\x98rsted 1                28M  48S   Feb 02, 2026",
                "A?B?C          2                43M  12S   Mar 03, 2026",
                "\xC3\xA9t\xC3\xA9            3                57M  36S   Apr 04, 2026"}));
  h.Send(EventId::ReturnToMain);
  // A rewrite keeps the bytes it read, with Latin-1 stored as UTF-8.
  h.Win("Kim", 1);
  const auto entries = ParseFameFile(data.Read(kFameFile));
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries[1].Name, "Maximilian Alexander");
  EXPECT_EQ(entries[1].GameNumber, "12345678901234567890123");
  EXPECT_EQ(entries[3].Name, std::string("A\0B\tC", 5));
  EXPECT_EQ(entries[4].Name, "\xC3\xA9t\xC3\xA9");
}

TEST(BadFameFile, AnyLineEndsReadAlikeAndAreRewrittenAsCrLf) {
  const std::string a = "\"Ann\",\"1\",0.001,\"Jan 01, 2026\"", b = "\"Bob\",\"2\",0.002,\"Jan 02, 2026\"";
  for (const std::string& file : {a + "\r" + b + "\r", a + "\n" + b + "\n", a + "\n\r" + b, a + "\r\n" + b}) {
    DataFolder data(Files{{kFameFile, file}});
    DiskHarness h(data.folder.path());
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.state().fame.FameCount, 2);
    h.Win("Cy", 300);
    EXPECT_EQ(data.Read(kFameFile), a + "\r\n" + b + "\r\n" + FameLine("Cy", "0", 300 / 86400.0, "Jan 01, 2026"));
  }
}

TEST(BadFameFile, AMegabyteOfGarbageIsReadWithoutHarm) {
  std::mt19937 random(7);
  std::string garbage(kFameFileLimit, '\0');  // as large as it may be
  for (char& c : garbage) c = static_cast<char>(random());
  ASSERT_TRUE(ParseFameFile(ToUtf8Lenient(garbage)).empty());  // no line happens to be an entry
  DataFolder data(Files{{kFameFile, garbage}});
  DiskHarness h(data.folder.path());
  ASSERT_TRUE(h.Start());
  EXPECT_EQ(h.state().fame.FameCount, 0);
  ASSERT_TRUE(h.Send(EventId::HallOfFame));
  EXPECT_TRUE(ListingEntries(h.program).empty());
  h.Send(EventId::ReturnToMain);

  h.Win("Kim", 42);
  EXPECT_TRUE(h.Failures().empty());
  const std::string after = data.Read(kFameFile);
  // The garbage held no entry, so the winner is all the file holds.
  EXPECT_EQ(after, FameLine("Kim", "0", 42 / 86400.0, "Jan 01, 2026"));
}

TEST(BadSavedFile, BlankLinesAndInvalidNumbersAreListedAsTheyStandAndKept) {
  DataFolder data(Files{{kSavedGamesFile, "\r\n\r\n31\r\n\r\nabc\r\n907\n-5\r12345678901234567890\r\n  42  "}});
  DiskHarness h(data.folder.path());
  ASSERT_TRUE(h.Start());
  ASSERT_TRUE(h.Send(EventId::Reload));
  const std::vector<std::string> listed = {"31", "abc", "907", "-5", "12345678901234567890", "  42  "};
  EXPECT_EQ(h.program.windows().savedList, listed);
  for (const char* bad : {"abc", "-5", "12345678901234567890"}) {
    ASSERT_TRUE(h.Pick(bad));
    EXPECT_EQ(h.dialogs.transcript.back(), "message Error!|\"" + std::string(bad) + "\" is not a valid game number.");
    EXPECT_FALSE(h.game().GameInProgress);
  }
  ASSERT_TRUE(h.Pick("  42  "));
  EXPECT_TRUE(h.game().GameInProgress);
  h.Send(EventId::GiveUp);

  h.Save("500");
  EXPECT_EQ(h.dialogs.transcript.back(), kSaved);
  EXPECT_EQ(data.Read(kSavedGamesFile), "31\r\n500\r\nabc\r\n907\r\n-5\r\n12345678901234567890\r\n  42  \r\n");
}

TEST(BadSavedFile, AMillionLinesAreListedAndKept) {
  std::string file;
  for (int n = 1; n <= 1'000'000; ++n) file += std::to_string(n) + "\r\n";
  DataFolder data(Files{{kSavedGamesFile, file}});
  DiskHarness h(data.folder.path());
  ASSERT_TRUE(h.Start());
  ASSERT_TRUE(h.Send(EventId::Reload));
  EXPECT_EQ(h.program.windows().savedList.size(), 1'000'000u);
  h.Send(EventId::ReturnToMain);
  h.Save("123456");
  const std::string after = data.Read(kSavedGamesFile);
  const std::size_t at = file.find("\r\n123457\r\n");
  EXPECT_EQ(after, file.substr(0, at + 2) + "123456\r\n" + file.substr(at + 2));
}

std::string DamagedMessage(const std::string& folder) {
  return Text(TextId::HomePositionsDamaged, {{"folder", folder}});
}

TEST(BadHomePositions, ShortDamagedOrMissingStopsStartUpWithAMessage) {
  const std::string good = kSolvedHomeFile;
  std::string duplicate = good;
  duplicate.replace(duplicate.find("1,2"), 3, "1,1");
  const std::vector<std::string> bad = {"",
                                        "4,4\r\n1,1\r\n",
                                        good.substr(0, good.size() - 5),
                                        "5" + good.substr(1),
                                        "0" + good.substr(1),
                                        "-4" + good.substr(1),
                                        "99999" + good.substr(1),
                                        duplicate,
                                        std::string("4,4\0", 4) + good.substr(5),
                                        "4;4" + good.substr(3),
                                        "4,4,x" + good.substr(3)};
  for (const std::string& content : bad) {
    DataFolder data(Files{{kOldFameFile, "old"}});
    WriteFile(data / kHomePositionsFile, content);
    DiskHarness h(data.folder.path());
    EXPECT_FALSE(h.Start()) << content;
    EXPECT_EQ(h.dialogs.transcript, (std::vector<std::string>{"message Error!|" + DamagedMessage(data.folder.path())}));
    EXPECT_EQ(data.Read(kOldFameFile), "old");  // start-up stopped before touching any file
  }
  // A folder or nothing at all in its place.
  for (bool folder : {true, false}) {
    DataFolder data;
    std::filesystem::remove(data / kHomePositionsFile);
    if (folder) std::filesystem::create_directory(data / kHomePositionsFile);
    DiskHarness h(data.folder.path());
    EXPECT_FALSE(h.Start());
    EXPECT_EQ(h.dialogs.transcript, (std::vector<std::string>{"message Error!|" + DamagedMessage(data.folder.path())}));
  }
}

TEST(BadHomePositions, NumbersAfterTheThirtySecondAreIgnored) {
  DataFolder data;
  WriteFile(data / kHomePositionsFile, std::string(kSolvedHomeFile) + "9,9\r\n1,1\r\nanything");
  DiskHarness h(data.folder.path());
  EXPECT_TRUE(h.Start());
  EXPECT_TRUE(h.dialogs.transcript.empty());
}

// Files of the game replaced by folders (or a named pipe): each operation on them reports
// the file and the reason, and the others go on.
TEST(DataFolder, RecordFilesReplacedByFoldersAreReportedAndNothingElseIsTouched) {
  DataFolder data;
  std::filesystem::create_directory(data / kSavedGamesFile);
  std::filesystem::create_directory(data / kFameFile);
  std::filesystem::create_directory(data / kOldFameFile);
  DiskHarness h(data.folder.path());
  ASSERT_TRUE(h.Start());
  EXPECT_EQ(h.Failures(), (std::vector<std::string>{"Cannot delete HallFame.dat: Is a directory.",
                                                    "Cannot read Fame.dat: Is a directory."}));

  h.Send(EventId::HallOfFame);
  h.Send(EventId::ReturnToMain);
  h.Send(EventId::Reload);
  h.Send(EventId::ReturnToMain);
  h.Save("77");
  EXPECT_FALSE(h.Shown(kSaved));
  EXPECT_TRUE(h.window().enabled.save);  // the number can still be saved once the folder is gone
  h.Win("Kim", 5);
  EXPECT_EQ(h.Failures(), (std::vector<std::string>{
                              "Cannot delete HallFame.dat: Is a directory.", "Cannot read Fame.dat: Is a directory.",
                              "Cannot read Fame.dat: Is a directory.", "Cannot read saved.dat: Is a directory.",
                              "The game number was not recorded in saved.dat. Cannot read saved.dat: Is a directory.",
                              "Your entry was not recorded in Fame.dat. Cannot read Fame.dat: Is a directory."}));
  for (const char* name : {kSavedGamesFile, kFameFile, kOldFameFile})
    EXPECT_TRUE(std::filesystem::is_directory(data / name));
  EXPECT_FALSE(std::filesystem::exists(data / kSavedGamesScratchFile));
  EXPECT_FALSE(std::filesystem::exists(data / kFameScratchFile));
}

TEST(DataFolder, HallFameDatThatCannotBeDeletedLeavesTheSummaryRead) {
  DataFolder data(Files{{kFameFile, FameLine("Ann", "1", 0.001, "Jan 01, 2026")}});
  std::filesystem::create_directory(data / kOldFameFile);
  DiskHarness h(data.folder.path());
  ASSERT_TRUE(h.Start());
  EXPECT_EQ(h.Failures(), (std::vector<std::string>{"Cannot delete HallFame.dat: Is a directory."}));
  EXPECT_EQ(h.state().fame.FameCount, 1);
  EXPECT_EQ(h.state().fame.SlowestFameTime, 0.001);
}

TEST(DataFolder, ANamedPipeInPlaceOfARecordFileCannotHoldTheGameUp) {
  DataFolder data;
  ASSERT_EQ(::mkfifo((data / kFameFile).c_str(), 0644), 0);
  ASSERT_EQ(::mkfifo((data / kSavedGamesFile).c_str(), 0644), 0);
  DiskHarness h(data.folder.path());
  ASSERT_TRUE(h.Start());
  h.Save("77");
  EXPECT_EQ(h.Failures(),
            (std::vector<std::string>{
                "Cannot read Fame.dat: it is not a regular file.",
                "The game number was not recorded in saved.dat. Cannot read saved.dat: it is not a regular file."}));
}

TEST(DataFolder, ScratchNamesTakenByFoldersStopTheRewriteAndKeepTheRecords) {
  const std::string fame = FameLine("Ann", "1", 0.001, "Jan 01, 2026");
  DataFolder data(Files{{kFameFile, fame}, {kSavedGamesFile, "5\r\n"}});
  std::filesystem::create_directories(data / kFameScratchFile + "/inside");
  std::filesystem::create_directories(data / kSavedGamesScratchFile + "/inside");
  DiskHarness h(data.folder.path());
  ASSERT_TRUE(h.Start());
  h.Save("77");
  h.Win("Kim", 5);
  EXPECT_EQ(h.Failures(), (std::vector<std::string>{
                              "The game number was not recorded in saved.dat. Cannot create temp.dat: Is a directory.",
                              "Your entry was not recorded in Fame.dat. Cannot create Temp.dat: Is a directory."}));
  EXPECT_EQ(data.Read(kSavedGamesFile), "5\r\n");
  EXPECT_EQ(data.Read(kFameFile), fame);
  EXPECT_EQ(h.state().fame.FameCount, 1);
}

TEST(DataFolder, LeftOverScratchFilesNeverStopARewriteNorAreWrittenThrough) {
  DataFolder data(Files{{kSavedGamesFile, "5\r\n"}, {kFameScratchFile, "half a line"}, {"keep.txt", "precious"}});
  ::chmod((data / kFameScratchFile).c_str(), 0444);
  std::filesystem::create_hard_link(data / "keep.txt", data / kSavedGamesScratchFile);
  DiskHarness h(data.folder.path());
  ASSERT_TRUE(h.Start());
  h.Save("77");
  h.Win("Kim", 5);
  EXPECT_TRUE(h.Failures().empty());
  EXPECT_EQ(data.Read(kSavedGamesFile), "5\r\n77\r\n");
  EXPECT_EQ(data.Read(kFameFile), FameLine("Kim", "0", 5 / 86400.0, "Jan 01, 2026"));
  EXPECT_EQ(data.Read("keep.txt"), "precious");
  EXPECT_FALSE(std::filesystem::exists(data / kSavedGamesScratchFile));
  EXPECT_FALSE(std::filesystem::exists(data / kFameScratchFile));
}

// A tmpfs mounted on a folder for one test; needs root.
class ScopedTmpfs {
 public:
  ScopedTmpfs(const std::string& path, const std::string& options) : path_(path) {
    mounted_ = ::mount("tmpfs", path.c_str(), "tmpfs", 0, options.c_str()) == 0;
  }
  ScopedTmpfs(const ScopedTmpfs&) = delete;
  ScopedTmpfs& operator=(const ScopedTmpfs&) = delete;
  ~ScopedTmpfs() {
    if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
  }
  bool mounted() const { return mounted_; }
  bool MakeReadOnly() { return ::mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0; }

 private:
  std::string path_;
  bool mounted_ = false;
};

const std::string kAnnLine = FameLine("Ann", "1", 0.001, "Jan 01, 2026");

void WriteRecords(const TempFolder& folder) {
  WriteFile(folder / kHomePositionsFile, kSolvedHomeFile);
  WriteFile(folder / kFameFile, kAnnLine);
  WriteFile(folder / kSavedGamesFile, "5\r\n");
}

// Save and a winner's entry both fail with the reason; the records stay as they were.
// `failure` gives the end of the message for a rewrite through that scratch file.
void ExpectRewritesRefused(const TempFolder& folder, DiskHarness& h,
                           const std::function<std::string(const std::string& scratch)>& failure) {
  h.Save("77");
  EXPECT_FALSE(h.Shown(kSaved));
  EXPECT_TRUE(h.window().enabled.save);
  h.Win("Kim", 5);
  const auto failures = h.Failures();
  ASSERT_GE(failures.size(), 2u);
  EXPECT_EQ(failures[failures.size() - 2].rfind("The game number was not recorded in saved.dat. ", 0), 0u);
  EXPECT_NE(failures[failures.size() - 2].find(failure("temp.dat")), std::string::npos)
      << failures[failures.size() - 2];
  EXPECT_EQ(failures.back().rfind("Your entry was not recorded in Fame.dat. ", 0), 0u);
  EXPECT_NE(failures.back().find(failure("Temp.dat")), std::string::npos) << failures.back();
  EXPECT_EQ(h.state().fame.FameCount, 1);
  EXPECT_EQ(ReadFile(folder / kSavedGamesFile), "5\r\n");
  EXPECT_EQ(ReadFile(folder / kFameFile), kAnnLine);
  EXPECT_FALSE(std::filesystem::exists(folder / kSavedGamesScratchFile));
  EXPECT_FALSE(std::filesystem::exists(folder / kFameScratchFile));
}

TEST(DataFolder, ReadOnlyFolderReportsEveryRewriteAndKeepsTheRecords) {
  TempFolder folder;
  std::string reason = "Permission denied";
  std::unique_ptr<ScopedTmpfs> tmpfs;
  if (::geteuid() == 0) {
    // Root writes through permissions, so the folder is a file system mounted read-only.
    tmpfs = std::make_unique<ScopedTmpfs>(folder.path(), "size=1m");
    if (!tmpfs->mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
    WriteRecords(folder);
    WriteFile(folder / kOldFameFile, "old");
    WriteFile(folder / kLockFile, "");
    ASSERT_TRUE(tmpfs->MakeReadOnly());
    reason = "Read-only file system";
  } else {
    WriteRecords(folder);
    WriteFile(folder / kOldFameFile, "old");
    WriteFile(folder / kLockFile, "");
    ::chmod(folder.path().c_str(), 0555);
  }
  DiskHarness h(folder.path());
  ASSERT_TRUE(h.Start());
  // The folder is named as what cannot be written, not the file the game tried.
  const std::string refused = "The data folder " + folder.path() + " cannot be written to: " + reason + ".";
  EXPECT_EQ(h.Failures(), (std::vector<std::string>{refused}));
  EXPECT_EQ(h.state().fame.FameCount, 1);  // the summary was read all the same
  ExpectRewritesRefused(folder, h, [&](const std::string&) { return refused; });
  ::chmod(folder.path().c_str(), 0755);
}

TEST(DataFolder, FullDiskReportsEveryRewriteAndKeepsTheRecords) {
  if (::geteuid() != 0) GTEST_SKIP() << "a full disk is a small tmpfs, which only root can mount";
  TempFolder folder;
  ScopedTmpfs tmpfs(folder.path(), "size=256k");
  if (!tmpfs.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
  WriteRecords(folder);
  {
    std::ofstream filler(folder / "filler", std::ios::binary);
    const std::string block(4096, 'x');
    while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) && filler.flush()) {
    }
  }
  DiskHarness h(folder.path());
  ASSERT_TRUE(h.Start());
  ExpectRewritesRefused(folder, h, [](const std::string& scratch) { return scratch + ": No space left on device."; });

  // Room again: the next Save goes through.
  std::filesystem::remove(folder / "filler");
  h.Save("77");
  EXPECT_EQ(ReadFile(folder / kSavedGamesFile), "5\r\n77\r\n");
}

}  // namespace
}  // namespace quarvel::testing
