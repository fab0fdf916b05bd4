// The tables' file: the one the build made is mapped and used; a copy that is damaged in
// any way is refused, both from memory and from disk.
#include "shortest/tables_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <vector>

#include "shortest/pattern_database.h"
#include "shortest/used_tables.h"

namespace quarvel::shortest {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(TablesFile, TheBuildsFileIsMappedAndEveryDamagedCopyRefused) {
  const TablesFile& used = UsedTablesFile();
  ASSERT_EQ(used.problem, "") << used.path;
  EXPECT_EQ(Tables().groups[0].entries().data(), used.image.data() + kTablesHeaderBytes) << "no copy in memory";
  const Bytes good(used.image.begin(), used.image.end());

  struct Case {
    const char* what;
    std::function<void(Bytes&)> change;
    const char* problem;  // part of the reason given, "" for a good file
  };
  const Case cases[] = {
      {"intact", [](Bytes&) {}, ""},
      {"one byte short", [](Bytes& b) { b.pop_back(); }, "bytes, not"},
      {"one byte more", [](Bytes& b) { b.push_back(0); }, "bytes, not"},
      {"the header alone", [](Bytes& b) { b.resize(kTablesHeaderBytes); }, "bytes, not"},
      {"empty", [](Bytes& b) { b.clear(); }, "too short"},
      {"a byte of a table flipped", [](Bytes& b) { b[b.size() / 2] ^= 0x10; }, "checksum"},
      {"the checksum changed", [](Bytes& b) { b[kChecksumAt] ^= 1; }, "checksum"},
      {"another version", [](Bytes& b) { b[kVersionAt] ^= 3; }, "format version"},
      {"another byte order", [](Bytes& b) { std::reverse(b.begin() + 8, b.begin() + 12); }, "byte order"},
      {"a group's tile changed", [](Bytes& b) { b[40] ^= 1; }, "groups or sizes"},
      {"another magic string", [](Bytes& b) { b[0] ^= 0x20; }, "not a tables' file"},
  };
  const std::string path = ::testing::TempDir() + "quarvel-tables-test";
  for (const Case& c : cases) {
    Bytes bytes = good;
    c.change(bytes);
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    const TablesFile file = MapTablesFile(path);
    EXPECT_NE(file.problem.find(c.problem), std::string::npos) << c.what << ": " << file.problem;
    EXPECT_EQ(file.image.empty(), *c.problem != '\0') << c.what;
    EXPECT_EQ(CheckTablesImage(bytes), file.problem) << c.what;
  }
  std::remove(path.c_str());
  const TablesFile missing = MapTablesFile(path);
  EXPECT_FALSE(missing.exists);
  EXPECT_TRUE(missing.image.empty());
}

}  // namespace
}  // namespace quarvel::shortest
