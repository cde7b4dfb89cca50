#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "art/bundle_index.h"

namespace quorvex {
namespace {

// A bundle as rcc writes it (format 3): root folder "RCDATA" holding "AB" with "hello".
class BundleBytes {
 public:
  BundleBytes() {
    Bytes("qres");
    U32(3);
    const size_t tree_at = Here();
    U32(0);
    const size_t data_at = Here();
    U32(0);
    const size_t names_at = Here();
    U32(0);
    U32(0);  // flags
    // Data: length then bytes.
    Patch(data_at, Here());
    data_start_ = Here();
    U32(5);
    Bytes("hello");
    // Names: length, hash, UTF-16.
    Patch(names_at, Here());
    names_start_ = Here();
    Name("RCDATA");
    const size_t second_name = Here() - names_start_;
    Name("AB");
    // Tree: root folder (1 child at node 1), folder RCDATA (1 child at node 2), file AB.
    Patch(tree_at, Here());
    tree_start_ = Here();
    Node(0, 0x02, 1, 1);
    Node(0, 0x02, 1, 2);
    Node(static_cast<uint32_t>(second_name), 0x00, 0, 0);
  }

  std::vector<uint8_t> bytes;
  size_t tree_start_ = 0, data_start_ = 0, names_start_ = 0;

 private:
  size_t Here() const { return bytes.size(); }
  void Bytes(const std::string& s) { bytes.insert(bytes.end(), s.begin(), s.end()); }
  void U16(uint32_t v) {
    bytes.push_back(static_cast<uint8_t>(v >> 8));
    bytes.push_back(static_cast<uint8_t>(v));
  }
  void U32(uint32_t v) {
    U16(v >> 16);
    U16(v & 0xFFFF);
  }
  void Patch(size_t at, size_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (24 - 8 * i));
  }
  void Name(const std::string& s) {
    U16(static_cast<uint32_t>(s.size()));
    U32(0);
    for (char c : s) U16(static_cast<uint8_t>(c));
  }
  // A tree entry of format 2 and later: 22 bytes.
  void Node(uint32_t name, uint16_t flags, uint32_t count_or_locale, uint32_t child_or_data) {
    U32(name);
    U16(flags);
    U32(count_or_locale);
    U32(child_or_data);
    U32(0);
    U32(0);
  }
};

TEST(BundleIndex, ListsTheFilesOfAWellFormedBundle) {
  const BundleBytes b;
  const auto entries = ReadBundleIndex(b.bytes.data(), b.bytes.size());
  ASSERT_TRUE(entries);
  ASSERT_EQ(entries->size(), 1u);
  EXPECT_EQ((*entries)[0].path, "/RCDATA/AB");
  EXPECT_EQ((*entries)[0].size, 5u);
  EXPECT_EQ(std::string(b.bytes.begin() + static_cast<long>((*entries)[0].offset),
                        b.bytes.begin() + static_cast<long>((*entries)[0].offset + 5)),
            "hello");
}

TEST(BundleIndex, RefusesDamagedBundles) {
  const BundleBytes good;
  auto damaged = [&](auto change) {
    std::vector<uint8_t> bytes = good.bytes;
    change(bytes);
    return !ReadBundleIndex(bytes.data(), bytes.size());
  };
  // Every cut-off length is refused.
  for (size_t length = 0; length < good.bytes.size(); ++length)
    EXPECT_FALSE(ReadBundleIndex(good.bytes.data(), length)) << length;
  EXPECT_TRUE(damaged([](auto& b) { b[0] = 'x'; }));                          // magic
  EXPECT_TRUE(damaged([](auto& b) { b[7] = 9; }));                            // version
  EXPECT_TRUE(damaged([&](auto& b) { b[good.data_start_ + 3] = 200; }));      // data length
  EXPECT_TRUE(damaged([&](auto& b) { b[good.names_start_ + 1] = 90; }));      // name length
  EXPECT_TRUE(damaged([&](auto& b) { b[good.tree_start_ + 22 + 9] = 40; }));  // child count
  // A folder that names itself as its child would loop for ever.
  EXPECT_TRUE(damaged([&](auto& b) { b[good.tree_start_ + 22 + 13] = 1; }));
  EXPECT_TRUE(damaged([&](auto& b) { b[good.tree_start_ + 5] = 0x40; }));  // unknown flag
}

}  // namespace
}  // namespace quorvex
