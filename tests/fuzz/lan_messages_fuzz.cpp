// The LAN message reader: a peer's bytes in reads of any sizes. Nothing is read past a read, the
// fields are what the game's code expects, and (chat aside, whose line is a whole read) the
// messages do not depend on where the reads were cut.
#include <algorithm>

#include "fuzz_support.h"
#include "net/lan_reader.h"

using namespace quorvex;

namespace {

bool Same(const LanMessage& a, const LanMessage& b) {
  return a.kind == b.kind && a.number == b.number && a.role == b.role && a.name == b.name &&
         a.text == b.text && a.deck == b.deck && a.ranks == b.ranks;
}

void CheckFields(const LanMessage& m) {
  if (m.kind == LanMessageKind::Card || m.kind == LanMessageKind::Call)
    FUZZ_CHECK(m.number >= 0 && m.number <= 99);
  if (m.kind == LanMessageKind::Card || m.kind == LanMessageKind::Call ||
      m.kind == LanMessageKind::Close)
    FUZZ_CHECK(m.role == '1' || m.role == '2');
}

}  // namespace

// The first byte chooses the read sizes; the rest is the stream.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t step = data[0] % 64 + 1;
  const std::string_view stream = fuzz::Bytes(data + 1, size - 1);

  LanReader whole;
  const std::vector<LanMessage> at_once = whole.Feed(stream);
  LanReader cut;
  const std::vector<LanMessage> in_pieces = fuzz::FeedInReads(cut, stream, step, [](auto&) {});
  for (const LanMessage& m : at_once) CheckFields(m);
  for (const LanMessage& m : in_pieces) CheckFields(m);
  if (stream.find('s') == std::string_view::npos) {
    FUZZ_CHECK(at_once.size() == in_pieces.size());
    for (size_t i = 0; i < at_once.size(); ++i) FUZZ_CHECK(Same(at_once[i], in_pieces[i]));
  }
  return 0;
}
