// The index of a resource library file: a Qt binary resource bundle ("qres"). The window checks
// a library with it before handing the bytes to Qt, whose reader trusts every offset, so a
// damaged or cut-off file is refused instead of read out of bounds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvex {

struct BundleEntry {
  std::string path;   // "/RCDATA/KR3QMEDB", without the leading colon
  size_t offset = 0;  // of the data, past its length field
  size_t size = 0;
  bool compressed = false;
};

// Every file of a well-formed bundle; nothing when the header, the tree, a name or a data
// block reaches outside the bytes, the tree loops back on itself or the format is unknown.
std::optional<std::vector<BundleEntry>> ReadBundleIndex(const uint8_t* bytes, size_t size);

}  // namespace quorvex
