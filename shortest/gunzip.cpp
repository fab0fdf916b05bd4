#include "shortest/gunzip.h"

#include <array>
#include <cstring>

namespace quarvel::shortest {
namespace {

constexpr int kMaxBits = 15;        // the longest code
constexpr int kLiteralCodes = 288;  // literals, the end of a block and lengths
constexpr int kDistanceCodes = 30;

struct BadData {
  const char* why;
};

// The deflate stream's bits, least significant first.
class Bits {
 public:
  Bits(std::span<const std::uint8_t> in, std::size_t at) : in_(in), at_(at) {}

  unsigned Take(int count) {
    std::uint64_t value = buffer_;
    while (held_ < count) {
      if (at_ == in_.size()) throw BadData{"it ends in the middle of its data"};
      value |= std::uint64_t{in_[at_++]} << held_;
      held_ += 8;
    }
    buffer_ = value >> count;
    held_ -= count;
    return static_cast<unsigned>(value & ((std::uint64_t{1} << count) - 1));
  }
  // Drops the bits left of the current byte; returns where the next byte is.
  std::size_t ByteBoundary() {
    buffer_ = 0;
    held_ = 0;
    return at_;
  }
  void Skip(std::size_t bytes) { at_ += bytes; }
  std::span<const std::uint8_t> input() const { return in_; }

 private:
  std::span<const std::uint8_t> in_;
  std::size_t at_;
  std::uint64_t buffer_ = 0;
  int held_ = 0;
};

// A canonical Huffman code: how many codes of each length, and the symbols by code.
struct Code {
  std::array<std::uint16_t, kMaxBits + 1> count{};
  std::array<std::uint16_t, kLiteralCodes> symbol{};

  // From each symbol's code length (0: unused); a code with more codes of a length than
  // fit is refused, an incomplete one is allowed (a lone distance code).
  Code(const std::uint8_t* lengths, int symbols) {
    for (int s = 0; s < symbols; ++s) ++count[lengths[s]];
    int left = 1;
    for (int len = 1; len <= kMaxBits; ++len) {
      left = 2 * left - count[static_cast<std::size_t>(len)];
      if (left < 0) throw BadData{"it holds a Huffman code with too many codes"};
    }
    std::array<std::uint16_t, kMaxBits + 1> offset{};
    for (int len = 1; len < kMaxBits; ++len)
      offset[static_cast<std::size_t>(len + 1)] =
          static_cast<std::uint16_t>(offset[static_cast<std::size_t>(len)] + count[static_cast<std::size_t>(len)]);
    for (int s = 0; s < symbols; ++s)
      if (lengths[s] != 0) symbol[offset[lengths[s]]++] = static_cast<std::uint16_t>(s);
  }

  int Decode(Bits& bits) const {
    int code = 0, first = 0, index = 0;
    for (int len = 1; len <= kMaxBits; ++len) {
      code |= static_cast<int>(bits.Take(1));
      const int n = count[static_cast<std::size_t>(len)];
      if (code - n < first) return symbol[static_cast<std::size_t>(index + code - first)];
      index += n;
      first = (first + n) << 1;
      code <<= 1;
    }
    throw BadData{"it holds a code that no table has"};
  }
};

constexpr std::array<std::uint16_t, 29> kLengthBase{3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                                    31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                    2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, kDistanceCodes> kDistanceBase{
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, kDistanceCodes> kDistanceExtra{0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                                  6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

class Inflater {
 public:
  Inflater(Bits& bits, std::span<std::uint8_t> out) : bits_(bits), out_(out) {}

  void Run() {
    for (bool last = false; !last;) {
      last = bits_.Take(1) == 1;
      switch (bits_.Take(2)) {
        case 0: Stored(); break;
        case 1: Fixed(); break;
        case 2: Dynamic(); break;
        default: throw BadData{"it holds a block of an unknown kind"};
      }
    }
  }
  std::size_t written() const { return at_; }

 private:
  void Stored() {
    const std::size_t from = bits_.ByteBoundary();
    const auto in = bits_.input();
    if (in.size() - from < 4) throw BadData{"it ends in the middle of its data"};
    const auto byte = [&](std::size_t k) { return static_cast<unsigned>(in[from + k]); };
    const unsigned length = byte(0) | (byte(1) << 8U);
    if ((length ^ (byte(2) | (byte(3) << 8U))) != 0xFFFFU) throw BadData{"a stored block's length is damaged"};
    if (in.size() - from - 4 < length) throw BadData{"it ends in the middle of its data"};
    if (out_.size() - at_ < length) throw BadData{"its data are longer than its trailer says"};
    std::memcpy(out_.data() + at_, in.data() + from + 4, length);
    at_ += length;
    bits_.Skip(4 + length);
  }

  void Fixed() {
    static const std::array<Code, 2> fixed = [] {
      std::array<std::uint8_t, kLiteralCodes> lengths{};
      for (int s = 0; s < kLiteralCodes; ++s)
        lengths[static_cast<std::size_t>(s)] = s < 144 ? 8 : s < 256 ? 9 : s < 280 ? 7 : 8;
      std::array<std::uint8_t, kDistanceCodes> distances{};
      distances.fill(5);
      return std::array<Code, 2>{Code(lengths.data(), kLiteralCodes), Code(distances.data(), kDistanceCodes)};
    }();
    Codes(fixed[0], fixed[1]);
  }

  void Dynamic() {
    const int literals = static_cast<int>(bits_.Take(5)) + 257;
    const int distances = static_cast<int>(bits_.Take(5)) + 1;
    const int lengthCodes = static_cast<int>(bits_.Take(4)) + 4;
    if (literals > 286 || distances > kDistanceCodes) throw BadData{"it holds too many codes"};
    static constexpr std::array<std::uint8_t, 19> kOrder{16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                         11, 4,  12, 3, 13, 2, 14, 1, 15};
    std::array<std::uint8_t, 19> lengthLengths{};
    for (int i = 0; i < lengthCodes; ++i)
      lengthLengths[kOrder[static_cast<std::size_t>(i)]] = static_cast<std::uint8_t>(bits_.Take(3));
    const Code lengthCode(lengthLengths.data(), 19);
    std::array<std::uint8_t, 286 + kDistanceCodes> lengths{};
    for (int i = 0; i < literals + distances;) {
      const int symbol = lengthCode.Decode(bits_);
      if (symbol < 16) {
        lengths[static_cast<std::size_t>(i++)] = static_cast<std::uint8_t>(symbol);
        continue;
      }
      std::uint8_t repeated = 0;
      unsigned times = 0;
      if (symbol == 16) {
        if (i == 0) throw BadData{"it repeats a code length before the first"};
        repeated = lengths[static_cast<std::size_t>(i - 1)];
        times = 3 + bits_.Take(2);
      } else {
        times = symbol == 17 ? 3 + bits_.Take(3) : 11 + bits_.Take(7);
      }
      if (i + static_cast<int>(times) > literals + distances) throw BadData{"it repeats code lengths too often"};
      while (times-- > 0) lengths[static_cast<std::size_t>(i++)] = repeated;
    }
    if (lengths[256] == 0) throw BadData{"it has no code for the end of a block"};
    Codes(Code(lengths.data(), literals), Code(lengths.data() + literals, distances));
  }

  void Codes(const Code& literal, const Code& distance) {
    for (;;) {
      int symbol = literal.Decode(bits_);
      if (symbol < 256) {
        if (at_ == out_.size()) throw BadData{"its data are longer than its trailer says"};
        out_[at_++] = static_cast<std::uint8_t>(symbol);
        continue;
      }
      if (symbol == 256) return;
      symbol -= 257;
      if (symbol >= 29) throw BadData{"it holds a length code that does not exist"};
      const std::size_t length =
          kLengthBase[static_cast<std::size_t>(symbol)] + bits_.Take(kLengthExtra[static_cast<std::size_t>(symbol)]);
      const int d = distance.Decode(bits_);
      if (d >= kDistanceCodes) throw BadData{"it holds a distance code that does not exist"};
      const std::size_t back =
          kDistanceBase[static_cast<std::size_t>(d)] + bits_.Take(kDistanceExtra[static_cast<std::size_t>(d)]);
      if (back > at_) throw BadData{"it refers back before its start"};
      if (out_.size() - at_ < length) throw BadData{"its data are longer than its trailer says"};
      for (std::size_t k = 0; k < length; ++k, ++at_) out_[at_] = out_[at_ - back];  // may overlap
    }
  }

  Bits& bits_;
  std::span<std::uint8_t> out_;
  std::size_t at_ = 0;
};

std::uint32_t Crc32(std::span<const std::uint8_t> data) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const std::uint8_t byte : data) crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Little32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// Where the deflate data start, past the header and its optional fields.
std::size_t DataStart(std::span<const std::uint8_t> file) {
  if (!IsGzip(file) || file[2] != 8) throw BadData{"it is not a gzip file"};
  const unsigned flags = file[3];
  if (flags & 0xE0) throw BadData{"its header has flags this reader does not know"};
  std::size_t at = 10;
  const auto need = [&](std::size_t bytes) {
    if (file.size() - 8 < at || file.size() - 8 - at < bytes) throw BadData{"its header is cut short"};
  };
  if (flags & 4) {  // extra field
    need(2);
    at += 2 + (std::size_t{file[at]} | std::size_t{file[at + 1]} << 8);
  }
  for (const unsigned text : {8u, 16u})  // name, comment: zero-terminated
    if (flags & text) {
      do need(1);
      while (file[at++] != 0);
    }
  if (flags & 2) at += 2;  // the header's CRC
  need(0);
  return at;
}

}  // namespace

bool IsGzip(std::span<const std::uint8_t> file) { return file.size() >= 2 && file[0] == 0x1F && file[1] == 0x8B; }

std::optional<std::uint32_t> GunzippedSize(std::span<const std::uint8_t> file) {
  if (file.size() < 18) return std::nullopt;
  return Little32(file.data() + file.size() - 4);
}

std::string Gunzip(std::span<const std::uint8_t> file, std::span<std::uint8_t> out) {
  try {
    if (!GunzippedSize(file)) throw BadData{"it is too short for a gzip file"};
    Bits bits(file.first(file.size() - 8), DataStart(file));
    Inflater inflater(bits, out);
    inflater.Run();
    if (bits.ByteBoundary() != file.size() - 8) throw BadData{"it holds more than one member, or bytes after its data"};
    const std::uint8_t* trailer = file.data() + file.size() - 8;
    if (inflater.written() != out.size() || Little32(trailer + 4) != static_cast<std::uint32_t>(out.size()))
      throw BadData{"its data are shorter than its trailer says"};
    if (Little32(trailer) != Crc32(out)) throw BadData{"its CRC-32 does not match: it is damaged"};
    return "";
  } catch (const BadData& bad) {
    return bad.why;
  }
}

}  // namespace quarvel::shortest
