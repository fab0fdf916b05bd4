// The C library's gettext reads a catalogue by mapping its file, which the browser's file
// system cannot do (emscripten's own mapping fails in a way gettext does not expect). This
// reads the file into memory instead; a catalogue, once read, stays for the page's life.
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

// The C library's own routine, as its files declare it: the whole file and its size, or
// null when it cannot be read.
extern "C" const unsigned char* __map_file(const char* path, std::size_t* size) {
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
  if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return nullptr;
  const long length = std::ftell(file.get());
  if (length <= 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) return nullptr;
  const auto bytes = static_cast<std::size_t>(length);
  auto* data = static_cast<unsigned char*>(std::malloc(bytes));
  if (!data || std::fread(data, 1, bytes, file.get()) != bytes) {
    std::free(data);
    return nullptr;
  }
  *size = bytes;
  return data;
}
