// The tables' file's checks: any bytes, read from memory or from a file, are refused for
// the same reason (no input the fuzzer makes is as long as a good file), and nothing is
// read beyond them.
#include "shortest/tables_file.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quarvel::shortest;
  const std::string problem = CheckTablesImage(std::span<const std::uint8_t>(data, size));
  Require(!problem.empty());
  static const std::string path = "/tmp/quarvel-fuzz-tables-" + std::to_string(getpid());
  std::FILE* out = std::fopen(path.c_str(), "wb");
  Require(out != nullptr);
  Require(std::fwrite(data, 1, size, out) == size);
  Require(std::fclose(out) == 0);
  const TablesFile file = MapTablesFile(path);
  Require(file.problem == problem && file.image.empty());
  std::remove(path.c_str());
  return 0;
}
