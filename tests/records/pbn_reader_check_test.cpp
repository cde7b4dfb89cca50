// Our PBN export read by a reader of someone else's making (the "pbn" package under node, through
// pbn_reader_check.js): the hands, the auction, the contract and declarer the auction makes by the
// rules of bridge, the play in the order played and the result must all be the record's.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/played_deals.h"
#include "records/pbn_export.h"
#include "records/pbn_text.h"

namespace quorvex {
namespace {

std::string JsonString(const std::string& utf8) {
  std::string out = "\"";
  for (const char c : utf8) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string JsonList(const std::vector<std::string>& items) {
  std::string out = "[";
  for (size_t i = 0; i < items.size(); ++i) out += (i ? "," : "") + JsonString(items[i]);
  return out + "]";
}

// A hand as the package lists the deal's cards: spades, hearts, diamonds, clubs, high to low.
std::vector<std::string> HandCards(const std::array<uint8_t, 13>& hand) {
  std::vector<uint8_t> cards(hand.begin(), hand.end());
  constexpr int kOrder[4] = {2, 1, 0, 3};  // rank of hearts, diamonds, clubs, spades
  std::sort(cards.begin(), cards.end(), [&](uint8_t a, uint8_t b) {
    const int sa = kOrder[(a - 1) % 4], sb = kOrder[(b - 1) % 4];
    return sa != sb ? sa > sb : a > b;
  });
  std::vector<std::string> out;
  for (uint8_t c : cards) out.push_back(PbnCardText(c));
  return out;
}

// What the script prints for a record, the auction as a reader of bridge sees it given here.
std::string ExpectedLine(const DealRecord& r, const std::string& north, const std::string& east,
                         const std::vector<std::string>& auction) {
  const bool contract = r.contract != 0;
  std::string contract_text = contract ? PbnCallText(r.contract) : "Pass";
  if (contract) contract_text += r.doubling == 2 ? "XX" : r.doubling == 1 ? "X" : "";
  const std::string declarer = contract ? std::string(1, r.declarer == 1 ? 'N' : 'E') : "";
  std::vector<std::string> play;
  for (uint8_t card : r.contract_play) {
    const bool north_card =
        std::find(r.hands[1].begin(), r.hands[1].end(), card) != r.hands[1].end();
    play.push_back(std::string(north_card ? "N " : "E ") + PbnCardText(card));
  }
  constexpr const char* kVulnerable[4] = {"None", "NS", "EW", "All"};
  return "{\"board\":" + JsonString(std::to_string(r.deal_no)) + ",\"north\":" + JsonString(north) +
         ",\"east\":" + JsonString(east) + ",\"dealer\":\"" + (r.first_seat == 1 ? "N" : "E") +
         "\",\"vulnerable\":\"" + kVulnerable[r.vulnerability] +
         "\",\"hands\":{\"N\":" + JsonList(HandCards(r.hands[1])) +
         ",\"E\":" + JsonList(HandCards(r.hands[2])) + "},\"auction\":" + JsonList(auction) +
         ",\"auctionContract\":" + JsonString(contract_text) +
         ",\"auctionDeclarer\":" + JsonString(declarer) +
         ",\"auctionLegal\":true,\"auctionFinished\":true,\"contract\":" +
         JsonString(contract_text) + ",\"declarer\":" + JsonString(declarer) +
         ",\"result\":" + JsonString(contract ? std::to_string(r.declarer_tricks) : "") +
         ",\"play\":" + JsonList(play) + ",\"score\":" +
         JsonString(contract ? (r.declarer == 1 ? "NS " : "EW ") + std::to_string(r.declarer_score)
                             : "") +
         "}";
}

std::vector<std::string> RunScript(const std::filesystem::path& file) {
  const std::string command = std::string("NODE_PATH='") + QUORVEX_PBN_READER_DIR +
                              "/node_modules' '" + QUORVEX_NODE + "' '" +
                              QUORVEX_PBN_READER_SCRIPT + "' '" + file.string() + "' 2>&1";
  std::vector<std::string> lines;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return lines;
  std::string line;
  for (int c = std::fgetc(pipe); c != EOF; c = std::fgetc(pipe)) {
    if (c != '\n') {
      line += static_cast<char>(c);
      continue;
    }
    lines.push_back(line);
    line.clear();
  }
  if (!line.empty()) lines.push_back(line);
  EXPECT_EQ(pclose(pipe), 0);
  return lines;
}

TEST(PbnReaderCheckTest, AnotherReaderReadsOurExport) {
  if (std::string(QUORVEX_NODE).empty() ||
      !std::filesystem::exists(std::string(QUORVEX_PBN_READER_DIR) +
                               "/node_modules/pbn/package.json"))
    GTEST_SKIP() << "node or the pbn package is missing (scripts/test installs them)";

  struct Case {
    test::DealPlan plan;
    // The names as the record keeps them (UTF-8) and as the script prints them after their trip
    // through the notation's Latin-1.
    std::string north_record, north, east_record, east;
    std::vector<std::string> auction;
  };
  const std::vector<Case> cases = {
      {{1, 1, 1, {5, 36, 37, 38}},
       "Anna \"Ace\" \\ ©",
       "Anna \"Ace\" \\ ©",
       "Bob",
       "Bob",
       {"N 1NT", "E X", "S Pass", "W Pass", "N XX", "E Pass", "S Pass", "W Pass"}},
      {{2, 2, 2, {38, 13, 38}},
       "Anna",
       "Anna",
       "Сергей",
       "Sergey",
       {"E Pass", "S Pass", "W Pass", "N 3H", "E Pass", "S Pass", "W Pass"}},
      {{3, 2, 3, {9, 36, 38}},
       "Anna",
       "Anna",
       "Bob",
       "Bob",
       {"E 2S", "S Pass", "W Pass", "N X", "E Pass", "S Pass", "W Pass"}},
      {{4, 1, 0, {38, 38}}, "Anna", "Anna", "Bob", "Bob", {"N Pass", "E Pass", "S Pass", "W Pass"}},
      {{5, 1, 1, {1, 9, 20, 36, 38}},
       "Anna",
       "Anna",
       "Bob",
       "Bob",
       {"N 1C", "E 2S", "S Pass", "W Pass", "N 4NT", "E X", "S Pass", "W Pass", "N Pass"}},
      // Both bid spades: the declarer is East, who bid them last, as in the game.
      {{6, 1, 2, {4, 9, 38}},
       "Anna",
       "Anna",
       "Bob",
       "Bob",
       {"N 1S", "E 2S", "S Pass", "W Pass", "N Pass"}},
      // Stopped in the middle of the sixth trick.
      {{7, 2, 0, {35, 38}, 11},
       "Anna",
       "Anna",
       "Bob",
       "Bob",
       {"E 7NT", "S Pass", "W Pass", "N Pass"}},
  };
  std::vector<DealRecord> records;
  std::vector<std::string> expected;
  for (const Case& c : cases) {
    DealRecord r = test::PlayedDeal(c.plan);
    r.names[1] = c.north_record;
    r.names[2] = c.east_record;
    if (records.empty()) {
      // The forecast's table follows the play; it must not disturb the reading.
      DealAnalysis analysis;
      analysis.forecast[1] = {0, 6, 7, 8, 9, 10};
      analysis.forecast[2] = {0, 3, 4, 5, 6, 7};
      r.analysis = analysis;
    }
    ASSERT_TRUE(DealRecordConsistent(r));
    records.push_back(r);
    expected.push_back(ExpectedLine(r, c.north, c.east, c.auction));
  }
  const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                     ("quorvex_pbn_check_" + std::to_string(::getpid()) + ".pbn");
  std::ofstream(file, std::ios::binary) << PbnText(records, {"Quorvex", "Home"});
  const std::vector<std::string> lines = RunScript(file);
  std::filesystem::remove(file);
  ASSERT_EQ(lines.size(), expected.size()) << (lines.empty() ? "" : lines[0]);
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "game " << i + 1;
}

}  // namespace
}  // namespace quorvex
