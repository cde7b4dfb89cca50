#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/card.h"
#include "net/lan_messages.h"
#include "net/lan_reader.h"
#include "support/peer_fakes.h"

namespace quorvex {
namespace {

using testing::OrderedDeck;

// Each message as "kind:number:role:name/text" for compact expectations.
std::string Describe(const LanMessage& m) {
  static const char* const kinds[] = {"handshake", "wrong",   "reply", "deck",  "begin",
                                      "card",      "collect", "call",  "close", "chat"};
  std::string out = kinds[static_cast<int>(m.kind)];
  if (m.number) out += ":" + std::to_string(m.number);
  if (m.role) out += std::string(":") + m.role;
  if (!m.name.empty()) out += ":" + m.name;
  if (m.kind == LanMessageKind::Chat) out += ":" + m.text;
  return out;
}

std::vector<std::string> ReadAll(const std::vector<std::string>& reads, size_t* dropped = nullptr) {
  LanReader reader;
  std::vector<std::string> seen;
  for (const std::string& read : reads)
    for (const LanMessage& m : reader.Feed(read)) seen.push_back(Describe(m));
  if (dropped) *dropped = reader.Dropped();
  return seen;
}

TEST(LanMessages, BuildTheBytesOnTheWire) {
  EXPECT_EQ(CardMessage(5, LanRole::Client), "hhod052");
  EXPECT_EQ(CallMessage(38, LanRole::Server), "htrg381");
  EXPECT_EQ(CloseMessage(LanRole::Client), "hclose2");
  EXPECT_EQ(HandshakeMessage("Ann"), "zef4725connect1Ann                 ");
  EXPECT_EQ(ConnectReplyMessage("Bob").size(), 28u);
  EXPECT_EQ(ChatMessage("a line longer than fifteen"), "sa line longer t");
  EXPECT_EQ(OrderedDeck().size(), 209u);
  // A name of 15 characters survives the trip: the padding absorbs the dropped last character.
  EXPECT_EQ(ReceivedName(PadLanName("Fifteen chars..")), "Fifteen chars..");
  EXPECT_EQ(ReceivedName(PadLanName("Twenty characters!!!")), "Twenty characters!!");
}

TEST(LanReader, CutsEveryBatchAndPieceIntoWholeMessages) {
  const std::string deck = OrderedDeck();
  struct Case {
    const char* what;
    std::vector<std::string> reads;
    std::vector<std::string> expected;
  } const cases[] = {
      {"each move alone",
       {"hbegin", "hhod052", "hslits", "htrg011", "hclose2"},
       {"begin", "card:5:2", "collect", "call:1:1", "close:2"}},
      {"two moves in one read", {"hhod131hslits"}, {"card:13:1", "collect"}},
      {"three in one read, six-character messages between",
       {"hslitshbeginhtrg382"},
       {"collect", "begin", "call:38:2"}},
      {"a close then a call", {"hclose1htrg361"}, {"close:1", "call:36:1"}},
      {"a move split across reads", {"hho", "d0", "71"}, {"card:7:1"}},
      {"a deck in two pieces", {deck.substr(0, 100), deck.substr(100)}, {"deck"}},
      {"a deck in five pieces then a begin",
       {deck.substr(0, 1), deck.substr(1, 50), deck.substr(51, 100), deck.substr(151, 57),
        deck.substr(208) + "hbegin"},
       {"deck", "begin"}},
      {"a chat line alone", {"shello there"}, {"chat:hello there"}},
      {"a chat line after a move", {"hhod012sgood luck"}, {"card:1:2", "chat:good luck"}},
      {"a chat line takes at most a line",
       {"s0123456789abcdefhbegin"},
       {"chat:0123456789abcde", "begin"}},
      {"a chat whose text came in the next read", {"hslitss", "hi"}, {"collect", "chat:hi"}},
      {"our handshake", {"zef4725connect1Maria Lopez         "}, {"handshake:Maria Lopez"}},
      {"another game's handshake", {"zef4925connect1Maria Lopez         "}, {"wrong:Maria Lopez"}},
      {"another protocol's handshake in pieces",
       {"zef47", "26connect1Maria Lopez         "},
       {"wrong:Maria Lopez"}},
      {"the server's answer", {"connect2Boris               "}, {"reply:Boris"}},
      {"garbage around a move", {"xx\x01hhod031?!"}, {"card:3:1"}},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadAll(c.reads), c.expected) << c.what;
}

TEST(LanReader, DropsWhatFitsNoMessage) {
  size_t dropped = 0;
  // A role digit that is no role, a card index that is no number, a deck with a card twice.
  std::string twice = OrderedDeck();
  twice[3] = twice[1];
  twice[4] = twice[2];
  EXPECT_TRUE(ReadAll({"hhod057", "hhodx51", twice}, &dropped).empty());
  EXPECT_GE(dropped, 3u);
  // The reader keeps no more than one message's worth while it waits.
  LanReader reader;
  std::string flood(64 * 1024, '\x7f');
  flood += "hbegin";
  const std::vector<LanMessage> after = reader.Feed(flood);
  ASSERT_EQ(after.size(), 1u);
  EXPECT_EQ(after[0].kind, LanMessageKind::Begin);
  EXPECT_EQ(reader.Dropped(), 64u * 1024);
}

TEST(LanReader, ADeckReadsBackCardForCard) {
  LanReader reader;
  const std::vector<LanMessage> got = reader.Feed(OrderedDeck());
  ASSERT_EQ(got.size(), 1u);
  for (int n = 1; n <= 52; ++n) {
    EXPECT_EQ(got[0].deck[size_t(n)], DeckCard(n));
    EXPECT_EQ(got[0].ranks[size_t(n)], RankValue(DeckCard(n)));
  }
}

}  // namespace
}  // namespace quorvex
