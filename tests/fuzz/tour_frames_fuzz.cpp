// The tournament frame reader: the relay's bytes in reads of any sizes. Nothing is read past a
// read, what waits for the rest of a frame stays under a deck's length, and the frames do not
// depend on where the reads were cut.
#include <algorithm>

#include "fuzz_support.h"
#include "net/lan_messages.h"
#include "net/tour_frames.h"

using namespace quorvex;

namespace {

bool Same(const TourFrame& a, const TourFrame& b) {
  return a.kind == b.kind && a.seat == b.seat && a.number == b.number &&
         a.balance[0] == b.balance[0] && a.balance[1] == b.balance[1] && a.text == b.text &&
         a.deck == b.deck && a.ranks == b.ranks;
}

}  // namespace

// The first byte chooses the read sizes; the rest is the stream.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t step = data[0] % 128 + 1;
  const std::string_view stream = fuzz::Bytes(data + 1, size - 1);

  TourReader whole;
  const std::vector<TourFrame> at_once = whole.Feed(stream);
  TourReader cut;
  const std::vector<TourFrame> in_pieces =
      fuzz::FeedInReads(cut, stream, step, [](const TourReader& reader) {
        FUZZ_CHECK(reader.Pending() < std::max(kDeckMessageLength, kTourFrameLength));
      });
  FUZZ_CHECK(at_once.size() == in_pieces.size());
  for (size_t i = 0; i < at_once.size(); ++i) FUZZ_CHECK(Same(at_once[i], in_pieces[i]));
  FUZZ_CHECK(whole.Pending() == cut.Pending());

  // One frame read alone, exactly as long as a frame.
  if (stream.size() >= kTourFrameLength) {
    const std::string frame(stream.substr(0, kTourFrameLength));
    const TourFrame read = ReadTourFrame(frame);
    FUZZ_CHECK(read.text.size() < kTourFrameLength);
  }
  return 0;
}
