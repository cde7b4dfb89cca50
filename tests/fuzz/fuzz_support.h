// What the fuzz targets share: a property check that libFuzzer reports as a crash, and a folder
// of the run's own for the readers that take a file by its place.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

// An abort keeps the input that broke the property, as a crash input does.
#define FUZZ_CHECK(condition)                                                                \
  do {                                                                                       \
    if (!(condition)) {                                                                      \
      std::fprintf(stderr, "Property broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
      std::abort();                                                                          \
    }                                                                                        \
  } while (false)

namespace quorvex::fuzz {

inline std::string_view Bytes(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// What a stream reader makes of a stream that comes in reads of `step` bytes. Every read is its
// own buffer, so that reading past it is seen; `after_read` looks at the reader after each one.
template <class Reader, class AfterRead>
auto FeedInReads(Reader& reader, std::string_view stream, size_t step, AfterRead after_read) {
  decltype(reader.Feed(stream)) messages;
  for (size_t at = 0; at < stream.size(); at += step) {
    const std::string read(stream.substr(at, std::min(step, stream.size() - at)));
    for (auto& message : reader.Feed(read)) messages.push_back(std::move(message));
    after_read(reader);
  }
  return messages;
}

// One empty folder per process, in memory where the system has such a place, removed at exit.
class ScratchFolder {
 public:
  static const std::filesystem::path& Path() {
    static ScratchFolder folder;
    return folder.path_;
  }
  // Empties the folder for the next input.
  static void Clear() {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(Path(), error))
      std::filesystem::remove_all(entry.path(), error);
  }
  static void Put(const std::string& name, std::string_view bytes) {
    std::ofstream(Path() / name, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  static std::string Get(const std::string& name) {
    std::ifstream in(Path() / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  ScratchFolder() {
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                           ? "/dev/shm"
                                           : std::filesystem::temp_directory_path();
    std::string pattern = (base / "quorvex-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  std::filesystem::path path_;
};

}  // namespace quorvex::fuzz
