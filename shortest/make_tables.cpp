// Makes the tables' file: the pattern tables built two at a time, written to a scratch
// file beside the target and renamed over it, so a stopped run leaves no partial file.
//   quarvel_make_tables [--small] OUTPUT
// --small makes the web page's smaller tables instead of the desktop's.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "shortest/pattern_database.h"
#include "shortest/tables_file.h"

namespace {

#ifdef __EMSCRIPTEN__
constexpr int kThreads = 1;  // the web build runs it under node, without threads
#else
constexpr int kThreads = 2;
#endif

template <class Kind>
std::vector<std::uint8_t> Image(double& seconds) {
  const auto tables = quarvel::shortest::BuildTables<Kind>(kThreads);
  seconds = tables.buildSeconds;
  return quarvel::shortest::TablesFileImage(tables);
}

}  // namespace

int main(int argc, char* argv[]) {
  const bool small = argc == 3 && std::strcmp(argv[1], "--small") == 0;
  if (argc != 2 && !small) {
    std::fprintf(stderr, "usage: %s [--small] OUTPUT\n", argv[0]);
    return 2;
  }
  const std::string target = argv[argc - 1];
  const std::string scratch = target + ".part";
  double seconds = 0;
  const std::vector<std::uint8_t> image =
      small ? Image<quarvel::shortest::SmallTables>(seconds) : Image<quarvel::shortest::FullTables>(seconds);
  std::FILE* out = std::fopen(scratch.c_str(), "wb");
  const bool written = out && std::fwrite(image.data(), 1, image.size(), out) == image.size();
  if (!out || std::fclose(out) != 0 || !written || std::rename(scratch.c_str(), target.c_str()) != 0) {
    std::perror(scratch.c_str());
    std::remove(scratch.c_str());
    return 1;
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("%s: %zu bytes, built in %.1f s on %d thread(s), peak memory %.0f MiB\n", target.c_str(), image.size(),
              seconds, kThreads, static_cast<double>(usage.ru_maxrss) / 1024.0);
  return 0;
}
