#include "shortest/tables_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <xxhash.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <utility>

#ifndef QUARVEL_SHORTEST_TABLES_PATH
#define QUARVEL_SHORTEST_TABLES_PATH ""
#endif

namespace quarvel::shortest {
namespace {

constexpr char kMagic[8] = {'Q', 'V', 'O', 'R', 'B', 'T', 'B', 'L'};
constexpr std::uint32_t kByteOrder = 0x01020304;

struct GroupEntry {
  std::uint8_t tiles[8];  // the group's tiles, 0 after the last
  std::uint64_t offset;   // from the start of the body
  std::uint64_t size;
};

struct Header {
  char magic[8];
  std::uint32_t byteOrder;
  std::uint32_t version;
  std::uint32_t groupCount;
  std::uint32_t headerBytes;
  std::uint64_t bodyBytes;
  std::uint64_t checksum;         // XXH3, 64 bits, of the body
  GroupEntry groups[kMaxTables];  // zero after the kind's last
};
static_assert(offsetof(Header, version) == kVersionAt && offsetof(Header, checksum) == kChecksumAt);
static_assert(sizeof(Header) <= kTablesHeaderBytes);

// The header the kind's groups need, checksum not yet filled in.
template <class Kind>
Header ExpectedHeader() {
  Header h;
  std::memset(&h, 0, sizeof h);
  std::memcpy(h.magic, kMagic, sizeof kMagic);
  h.byteOrder = kByteOrder;
  h.version = kTablesFormatVersion;
  h.groupCount = Kind::kTableCount;
  h.headerBytes = kTablesHeaderBytes;
  std::uint64_t offset = 0;
  for (std::size_t g = 0; g < Kind::kTableCount; ++g) {
    const std::size_t group = Kind::kTableGroup[g];
    for (int i = 0; i < Kind::kGroupSizes[group]; ++i)
      h.groups[g].tiles[i] = Kind::kGroups[group][static_cast<std::size_t>(i)];
    h.groups[g].offset = offset;
    h.groups[g].size = (TableSize(Kind::kGroupSizes[group]) + 1) / 2;  // two entries a byte
    offset += h.groups[g].size;
  }
  h.bodyBytes = offset;
  return h;
}

// Why the header cannot be used with a file of `fileBytes`, or "".
template <class Kind>
std::string CheckHeader(std::span<const std::uint8_t> bytes, std::uint64_t fileBytes, Header& header) {
  if (bytes.size() < sizeof(Header)) return "it is too short for its header";
  std::memcpy(&header, bytes.data(), sizeof header);
  if (std::memcmp(header.magic, kMagic, sizeof kMagic) != 0) return "it is not a tables' file";
  if (header.byteOrder != kByteOrder) return "it was written for another byte order";
  if (header.version != kTablesFormatVersion)
    return "it is of format version " + std::to_string(header.version) + ", not " +
           std::to_string(kTablesFormatVersion);
  Header expected = ExpectedHeader<Kind>();
  expected.checksum = header.checksum;
  if (std::memcmp(&header, &expected, sizeof header) != 0) return "its groups or sizes are not this program's";
  if (fileBytes != kTablesHeaderBytes + header.bodyBytes)
    return "it holds " + std::to_string(fileBytes) + " bytes, not " +
           std::to_string(kTablesHeaderBytes + header.bodyBytes);
  return "";
}

std::string SystemError(const std::string& what) { return what + ": " + std::strerror(errno); }

std::string ProgramFolder() {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : self.parent_path().string();
}

}  // namespace

template <class Kind>
std::vector<std::uint8_t> TablesFileImage(const PatternTablesOf<Kind>& tables) {
  Header header = ExpectedHeader<Kind>();
  std::vector<std::uint8_t> image(kTablesHeaderBytes + static_cast<std::size_t>(header.bodyBytes), 0);
  for (std::size_t g = 0; g < Kind::kTableCount; ++g) {
    const auto entries = tables.groups[g].entries();
    std::memcpy(image.data() + kTablesHeaderBytes + header.groups[g].offset, entries.data(), entries.size());
  }
  header.checksum = XXH3_64bits(image.data() + kTablesHeaderBytes, static_cast<std::size_t>(header.bodyBytes));
  std::memcpy(image.data(), &header, sizeof header);
  return image;
}

template <class Kind>
std::string CheckTablesImage(std::span<const std::uint8_t> image) {
  Header header;
  std::string problem = CheckHeader<Kind>(image, image.size(), header);
  if (problem.empty() &&
      XXH3_64bits(image.data() + kTablesHeaderBytes, static_cast<std::size_t>(header.bodyBytes)) != header.checksum)
    problem = "its checksum does not match: it is damaged";
  return problem;
}

template <class Kind>
TablesFile MapTablesFile(const std::string& path) {
  TablesFile file{{}, path, ""};
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    file.exists = errno != ENOENT;
    file.problem = file.exists ? SystemError("cannot open it") : "there is no such file";
    return file;
  }
  struct stat status {};
  Header header;
  std::vector<std::uint8_t> start(kTablesHeaderBytes);
  if (::fstat(fd, &status) != 0) {
    file.problem = SystemError("cannot read its size");
  } else if (!S_ISREG(status.st_mode)) {
    file.problem = "it is not a regular file";
  } else {
    const ssize_t got = ::pread(fd, start.data(), start.size(), 0);
    start.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    file.problem = CheckHeader<Kind>(start, static_cast<std::uint64_t>(status.st_size), header);
  }
  // The checksum is taken from reads, so that only the pages the search uses are mapped
  // into the process; the page cache holds one copy for every process.
  if (file.problem.empty()) {
    const std::unique_ptr<XXH3_state_t, decltype(&XXH3_freeState)> state(XXH3_createState(), &XXH3_freeState);
    XXH3_64bits_reset(state.get());
    std::vector<std::uint8_t> chunk(1 << 20);
    for (std::uint64_t at = 0; at < header.bodyBytes && file.problem.empty();) {
      const ssize_t got = ::pread(fd, chunk.data(), chunk.size(), static_cast<off_t>(kTablesHeaderBytes + at));
      if (got <= 0)
        file.problem = got < 0 ? SystemError("cannot read it") : "it ended early";
      else
        XXH3_64bits_update(state.get(), chunk.data(), static_cast<std::size_t>(got)),
            at += static_cast<std::uint64_t>(got);
    }
    if (file.problem.empty() && XXH3_64bits_digest(state.get()) != header.checksum)
      file.problem = "its checksum does not match: it is damaged";
  }
  if (file.problem.empty()) {
    const auto bytes = static_cast<std::size_t>(status.st_size);
    void* mapped = ::mmap(nullptr, bytes, PROT_READ, MAP_SHARED, fd, 0);
    if (mapped == MAP_FAILED)
      file.problem = SystemError("cannot map it");
    else
      file.image = {static_cast<const std::uint8_t*>(mapped), bytes};
  }
  ::close(fd);
  return file;
}

std::vector<std::string> TablesFilePlaces() {
  if (const char* named = std::getenv("QUARVEL_SHORTEST_TABLES"); named && *named) return {named};
  std::vector<std::string> places;
  const std::string name = kTablesFileName;
  const std::string folder = ProgramFolder();
  if (!folder.empty()) {
    places.push_back(folder + "/" + name);
    // From /usr/games (or bin) and from /usr/libexec/quarvel-orbix.
    places.push_back(folder + "/../share/games/quarvel-orbix/" + name);
    places.push_back(folder + "/../../share/games/quarvel-orbix/" + name);
  }
  if (*QUARVEL_SHORTEST_TABLES_PATH) places.push_back(QUARVEL_SHORTEST_TABLES_PATH);
  return places;
}

const TablesFile& UsedTablesFile() {
  static const TablesFile used = [] {
    TablesFile last{{}, "", "no place to look for it", false};
    for (const std::string& place : TablesFilePlaces()) {
      TablesFile file = MapTablesFile(place);
      if (file.problem.empty()) return file;
      // A file that is there but unusable is worth reporting over one that is missing.
      if (last.path.empty() || (file.exists && !last.exists)) last = std::move(file);
    }
    return last;
  }();
  return used;
}

template <class Kind>
PatternTablesOf<Kind> TablesOverImage(std::span<const std::uint8_t> image) {
  const Header header = ExpectedHeader<Kind>();
  const auto table = [&](std::size_t g) {
    return PatternDatabase(GroupTiles<Kind>(Kind::kTableGroup[g]),
                           image.subspan(kTablesHeaderBytes + static_cast<std::size_t>(header.groups[g].offset),
                                         static_cast<std::size_t>(header.groups[g].size)));
  };
  return [&]<std::size_t... g>(std::index_sequence<g...>) { return PatternTablesOf<Kind>{{table(g)...}, 0}; }
  (std::make_index_sequence<Kind::kTableCount>{});
}

#define QUARVEL_TABLES_KIND(Kind)                                                   \
  template std::vector<std::uint8_t> TablesFileImage(const PatternTablesOf<Kind>&); \
  template std::string CheckTablesImage<Kind>(std::span<const std::uint8_t>);       \
  template TablesFile MapTablesFile<Kind>(const std::string&);                      \
  template PatternTablesOf<Kind> TablesOverImage<Kind>(std::span<const std::uint8_t>);
QUARVEL_TABLES_KIND(FullTables)
QUARVEL_TABLES_KIND(SmallTables)
#undef QUARVEL_TABLES_KIND

}  // namespace quarvel::shortest
