// Makes the tables' file: the pattern tables built two at a time, written to a scratch
// file beside the target and renamed over it, so a stopped run leaves no partial file.
//   quarvel_make_tables OUTPUT
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "shortest/pattern_database.h"
#include "shortest/tables_file.h"

int main(int argc, char* argv[]) {
  using namespace quarvel::shortest;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
    return 2;
  }
  const std::string target = argv[1];
  const std::string scratch = target + ".part";
  const PatternTables tables = BuildTables(2);
  const std::vector<std::uint8_t> image = TablesFileImage(tables);
  std::FILE* out = std::fopen(scratch.c_str(), "wb");
  const bool written = out && std::fwrite(image.data(), 1, image.size(), out) == image.size();
  if (!out || std::fclose(out) != 0 || !written || std::rename(scratch.c_str(), target.c_str()) != 0) {
    std::perror(scratch.c_str());
    std::remove(scratch.c_str());
    return 1;
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("%s: %zu bytes, built in %.1f s on two threads, peak memory %.0f MiB\n", target.c_str(), image.size(),
              tables.buildSeconds, static_cast<double>(usage.ru_maxrss) / 1024.0);
  return 0;
}
