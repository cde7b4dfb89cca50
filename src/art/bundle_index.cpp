#include "art/bundle_index.h"

#include <utility>

namespace quorvex {

namespace {
constexpr uint16_t kCompressedZlib = 0x01;
constexpr uint16_t kDirectory = 0x02;
constexpr uint16_t kCompressedZstd = 0x04;

class Reader {
 public:
  Reader(const uint8_t* bytes, size_t size) : bytes_(bytes), size_(size) {}

  bool Fits(size_t at, size_t length) const { return at <= size_ && length <= size_ - at; }
  uint32_t U32(size_t at) const {
    return uint32_t{bytes_[at]} << 24 | uint32_t{bytes_[at + 1]} << 16 |
           uint32_t{bytes_[at + 2]} << 8 | bytes_[at + 3];
  }
  uint16_t U16(size_t at) const { return static_cast<uint16_t>(bytes_[at] << 8 | bytes_[at + 1]); }

 private:
  const uint8_t* bytes_;
  size_t size_;
};

void AppendUtf8(std::string& out, uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}
}  // namespace

std::optional<std::vector<BundleEntry>> ReadBundleIndex(const uint8_t* bytes, size_t size) {
  const Reader in(bytes, size);
  if (bytes == nullptr || !in.Fits(0, 20) || bytes[0] != 'q' || bytes[1] != 'r' ||
      bytes[2] != 'e' || bytes[3] != 's')
    return std::nullopt;
  const uint32_t version = in.U32(4);
  if (version < 1 || version > 3) return std::nullopt;
  const size_t tree = in.U32(8), data = in.U32(12), names = in.U32(16);
  if (version >= 3 && !in.Fits(0, 24)) return std::nullopt;
  if (tree >= size || data >= size || names >= size) return std::nullopt;
  const size_t entry_size = version >= 2 ? 22 : 14;

  std::vector<BundleEntry> entries;
  std::vector<bool> seen;
  // (node, its path) pairs still to visit; the root is node 0 and has no name of its own.
  std::vector<std::pair<uint32_t, std::string>> pending = {{0, ""}};
  while (!pending.empty()) {
    auto [node, path] = std::move(pending.back());
    pending.pop_back();
    const size_t at = tree + size_t{node} * entry_size;
    if (!in.Fits(at, entry_size)) return std::nullopt;
    if (node >= seen.size()) seen.resize(size_t{node} + 1, false);
    if (seen[node]) return std::nullopt;  // a loop, or two parents
    seen[node] = true;

    if (node != 0) {
      const size_t name = names + in.U32(at);
      if (!in.Fits(name, 6)) return std::nullopt;
      const size_t length = in.U16(name);
      if (!in.Fits(name + 6, length * 2)) return std::nullopt;
      path += '/';
      for (size_t i = 0; i < length; ++i) AppendUtf8(path, in.U16(name + 6 + 2 * i));
    }
    const uint16_t flags = in.U16(at + 4);
    if (flags & ~(kCompressedZlib | kDirectory | kCompressedZstd)) return std::nullopt;
    if (flags & kDirectory) {
      const uint32_t count = in.U32(at + 6), first = in.U32(at + 10);
      if (count > 0 && !in.Fits(tree + size_t{first} * entry_size, size_t{count} * entry_size))
        return std::nullopt;
      for (uint32_t i = 0; i < count; ++i) pending.emplace_back(first + i, path);
    } else {
      if (node == 0) return std::nullopt;  // the root must be a folder
      const size_t block = data + in.U32(at + 10);
      if (!in.Fits(block, 4)) return std::nullopt;
      const size_t length = in.U32(block);
      if (!in.Fits(block + 4, length)) return std::nullopt;
      entries.push_back({path, block + 4, length, (flags & ~kDirectory) != 0});
    }
  }
  return entries;
}

}  // namespace quorvex
