#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/card.h"
#include "net/lan_messages.h"
#include "net/tour_frames.h"
#include "support/peer_fakes.h"

namespace quorvex {
namespace {

using testing::OrderedDeck;

// Each frame as "kind:number:seat:text" for compact expectations.
std::string Describe(const TourFrame& f) {
  static const char* const kinds[] = {"connect", "deck",    "begin",  "card",  "collect",
                                      "call",    "close",   "chat",   "over",  "abandoned",
                                      "timeup",  "timeout", "result", "leave", "unknown"};
  std::string out = kinds[static_cast<int>(f.kind)];
  if (f.number) out += ":" + std::to_string(f.number);
  if (f.seat) out += std::string(":") + f.seat;
  if (f.kind == TourFrameKind::Chat) out += ":" + f.text;
  if (f.kind == TourFrameKind::Result)
    out += ":" + std::to_string(f.balance[0]) + "/" + std::to_string(f.balance[1]);
  return out;
}

std::vector<std::string> ReadAll(const std::vector<std::string>& reads) {
  TourReader reader;
  std::vector<std::string> seen;
  for (const std::string& read : reads)
    for (const TourFrame& f : reader.Feed(read)) seen.push_back(Describe(f));
  return seen;
}

TEST(TourFrames, FillUpToTwentyWithTheSeatDigitLast) {
  EXPECT_EQ(FrameTourMessage("hhod05", '1'), "hhod05#############1");
  EXPECT_EQ(FrameTourMessage("connect2", '2'), "connect2###########2");
  EXPECT_EQ(FrameTourMessage("e", kRelayDigit), "e##################0");
  // A message longer than a frame keeps its first 19 characters.
  EXPECT_EQ(FrameTourMessage("s0123456789abcdefghij", '2'), "s0123456789abcdefgh2");
  EXPECT_EQ(TourResultMessage(120), "o  120 -120");
  EXPECT_EQ(TourResultMessage(-2750), "o-2750 2750");
}

TEST(TourFrames, ReadsEveryFrame) {
  struct Case {
    std::string message;
    char seat;
    std::string expected;
  };
  const Case cases[] = {
      {"connect1", '1', "connect:1:1"},
      {"hbegin", '1', "begin:1"},
      {"hhod05", '2', "card:5:2"},
      {"hslits", '1', "collect:1"},
      {"htrg38", '2', "call:38:2"},
      {"hclose", '1', "close:1"},
      {"sHello", '2', "chat:2:Hello"},
      // The chat over the relay is cut at the first "#".
      {"sNo#1 here", '1', "chat:1:No"},
      {"e", '0', "over:0"},
      {"a", '0', "abandoned:0"},
      {"T", '0', "timeup:0"},
      {"TOut", '2', "timeout:2"},
      {"disA", '1', "leave:1"},
      {TourResultMessage(-40), '1', "result:1:-40/40"},
      {"hhodx5", '1', "unknown:1"},
      {"hbeginx", '1', "unknown:1"},
      {"connect3", '1', "unknown:1"},
      {"o   1x", '1', "unknown:1"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Describe(ReadTourFrame(FrameTourMessage(c.message, c.seat))), c.expected)
        << c.message;
}

TEST(TourReader, CutsReadsIntoFramesAndDecks) {
  const std::string deck = OrderedDeck();
  const std::string begin = FrameTourMessage("hbegin", '1');
  const std::string card = FrameTourMessage("hhod13", '1');
  const std::string chat = FrameTourMessage("sok", '1');
  // A deck followed by frames in one read.
  EXPECT_EQ(ReadAll({deck + begin + card}),
            (std::vector<std::string>{"deck", "begin:1", "card:13:1"}));
  // Frames and the deck split anywhere across reads.
  EXPECT_EQ(ReadAll({begin.substr(0, 7), begin.substr(7) + card.substr(0, 19), card.substr(19)}),
            (std::vector<std::string>{"begin:1", "card:13:1"}));
  EXPECT_EQ(ReadAll({deck.substr(0, 100), deck.substr(100) + chat}),
            (std::vector<std::string>{"deck", "chat:1:ok"}));
  // A damaged deck is a frame of nothing, and what follows is still read.
  std::string broken = deck;
  broken[3] = broken[1];
  broken[4] = broken[2];
  const std::vector<std::string> seen = ReadAll({broken.substr(0, 20) + begin});
  EXPECT_EQ(seen, (std::vector<std::string>{"unknown:" + std::string(1, broken[19]), "begin:1"}));
}

}  // namespace
}  // namespace quorvex
