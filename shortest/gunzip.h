#pragma once
// Decompresses a gzip file (one member, deflate) straight into a buffer of its own size:
// the web page gets its tables' file so, and inflates it into its program's memory without
// a copy in the script's heap.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace quarvel::shortest {

// Whether the bytes start as a gzip file does.
bool IsGzip(std::span<const std::uint8_t> file);

// The size of the decompressed data that the file's trailer gives (modulo 2^32), or
// nothing for a file too short to hold a header and a trailer.
std::optional<std::uint32_t> GunzippedSize(std::span<const std::uint8_t> file);

// Decompresses the file into `out`, which must be exactly the size of its data. Returns ""
// when done and the data match the trailer's length and CRC-32, else why not.
std::string Gunzip(std::span<const std::uint8_t> file, std::span<std::uint8_t> out);

}  // namespace quarvel::shortest
