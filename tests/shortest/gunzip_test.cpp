// The page's gzip reader against zlib's writer: stored, fixed and dynamic blocks and the
// header's optional fields come back whole; a file damaged anywhere is refused.
#include "shortest/gunzip.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <functional>
#include <random>
#include <vector>

namespace quarvel::shortest {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Runs of repeated text with noise between them, so that codes reach far back.
Bytes Sample(std::size_t size) {
  std::mt19937 rng(34);
  Bytes data;
  while (data.size() < size) {
    if (rng() % 3 == 0 && data.size() > 40000) {
      const std::size_t from = data.size() - 1 - rng() % 32768, length = 3 + rng() % 300;
      for (std::size_t k = 0; k < length; ++k) data.push_back(data[from + k]);
    } else {
      for (unsigned k = rng() % 64; k-- > 0;)
        data.push_back(static_cast<std::uint8_t>(rng() % 7 == 0 ? rng() : 'a' + rng() % 4));
    }
  }
  data.resize(size);
  return data;
}

Bytes Gzip(const Bytes& data, int level, int strategy, const char* name = nullptr) {
  z_stream z{};
  EXPECT_EQ(deflateInit2(&z, level, Z_DEFLATED, 15 + 16, 8, strategy), Z_OK);
  gz_header header{};
  if (name) {
    header.name = reinterpret_cast<Bytef*>(const_cast<char*>(name));
    header.hcrc = 1;
    EXPECT_EQ(deflateSetHeader(&z, &header), Z_OK);
  }
  Bytes out(deflateBound(&z, data.size()) + 64);
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

std::string Unpack(const Bytes& file, Bytes& out) {
  const auto size = GunzippedSize(file);
  out.assign(size ? *size : 0, 0);
  return Gunzip(file, out);
}

TEST(Gunzip, EveryKindOfBlockAndHeaderComesBackWhole) {
  const Bytes data = Sample(300000);
  struct Case {
    const char* what;
    Bytes file;
  };
  const Case cases[] = {
      {"stored blocks", Gzip(data, 0, Z_DEFAULT_STRATEGY)},
      {"fixed codes", Gzip(data, 6, Z_FIXED)},
      {"dynamic codes", Gzip(data, 9, Z_DEFAULT_STRATEGY)},
      {"lengths of one byte (run-length)", Gzip(data, 9, Z_RLE)},
      {"a name and a header CRC", Gzip(data, 6, Z_DEFAULT_STRATEGY, "tables")},
      {"nothing", Gzip({}, 9, Z_DEFAULT_STRATEGY)},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(IsGzip(c.file)) << c.what;
    Bytes out;
    EXPECT_EQ(Unpack(c.file, out), "") << c.what;
    EXPECT_EQ(out, std::string(c.what) == "nothing" ? Bytes{} : data) << c.what;
  }
}

TEST(Gunzip, AFileDamagedAnywhereIsRefused) {
  const Bytes good = Gzip(Sample(100000), 9, Z_DEFAULT_STRATEGY);
  struct Case {
    const char* what;
    std::function<void(Bytes&)> change;
    const char* problem;
  };
  const Case cases[] = {
      {"a byte of the data flipped", [](Bytes& b) { b[b.size() / 2] ^= 0x20; }, ""},
      {"the CRC changed", [](Bytes& b) { b[b.size() - 8] ^= 1; }, "CRC-32"},
      {"the length changed", [](Bytes& b) { b[b.size() - 4] ^= 1; }, ""},
      {"cut in the middle", [](Bytes& b) { b.erase(b.begin() + 20, b.begin() + static_cast<long>(b.size() / 2)); }, ""},
      {"only its header", [](Bytes& b) { b.resize(10); }, "too short"},
      {"another method", [](Bytes& b) { b[2] = 7; }, "not a gzip file"},
      {"bytes after its end",
       [](Bytes& b) {
         b.insert(b.end() - 8, {0, 0});
       },
       "more than one member"},
  };
  for (const Case& c : cases) {
    Bytes file = good;
    c.change(file);
    Bytes out;
    const std::string problem = Unpack(file, out);
    EXPECT_NE(problem, "") << c.what;
    EXPECT_NE(problem.find(c.problem), std::string::npos) << c.what << ": " << problem;
  }
}

}  // namespace
}  // namespace quarvel::shortest
