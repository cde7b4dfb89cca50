#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "support/played_deals.h"
#include "records/pbn_export.h"
#include "records/pbn_import.h"
#include "records/pbn_text.h"

namespace quorvex {
namespace {

std::vector<uint8_t> Sorted(std::vector<uint8_t> cards) {
  std::sort(cards.begin(), cards.end());
  return cards;
}

// A spread of played deals: both first seats, every kind of auction end, both vulnerabilities,
// some played out and some stopped on the way.
std::vector<DealRecord> SampleDeals() {
  const std::vector<std::vector<uint8_t>> auctions = {
      {38, 38}, {4, 38}, {38, 13, 38}, {5, 36, 38}, {5, 36, 37, 38}, {1, 9, 20, 36, 38}, {35, 38}};
  std::vector<DealRecord> deals;
  for (unsigned seed = 1; seed <= 42; ++seed) {
    test::DealPlan plan;
    plan.seed = seed;
    plan.first_seat = static_cast<uint8_t>(seed % 2 + 1);
    plan.vulnerability = static_cast<uint8_t>(seed % 4);
    plan.calls = auctions[seed % auctions.size()];
    plan.cards_played = seed % 5 == 0 ? seed % 26 : 26;
    deals.push_back(test::PlayedDeal(plan));
  }
  return deals;
}

// Everything the reader gives back is what the record holds.
TEST(PbnImportTest, RoundTripOfPlayedDeals) {
  const std::vector<DealRecord> deals = SampleDeals();
  const PbnRead read = ReadPbnGames(PbnText(deals, {"Quorvex", "Home"}));
  ASSERT_FALSE(read.cut);
  ASSERT_EQ(read.games.size(), deals.size());
  for (size_t i = 0; i < deals.size(); ++i) {
    const DealRecord& r = deals[i];
    const PbnGame& g = read.games[i];
    SCOPED_TRACE("deal " + std::to_string(i));
    EXPECT_EQ(g.error, "");
    EXPECT_EQ(g.event, "Quorvex");
    EXPECT_EQ(g.site, "Home");
    EXPECT_EQ(g.board, std::to_string(r.deal_no));
    EXPECT_EQ(g.players[kPbnNorth], "Anna");
    EXPECT_EQ(g.players[kPbnEast], "Bob");
    EXPECT_EQ(g.dealer, PbnSeatOfRecord(r.first_seat));
    for (int seat = 1; seat <= 2; ++seat) {
      ASSERT_TRUE(g.hands[PbnSeatOfRecord(seat)].has_value());
      EXPECT_EQ(Sorted(*g.hands[PbnSeatOfRecord(seat)]),
                Sorted({r.hands[seat].begin(), r.hands[seat].end()}));
    }
    EXPECT_FALSE(g.hands[kPbnSouth].has_value());
    EXPECT_FALSE(g.hands[kPbnWest].has_value());
    // The game's calls, with South's and West's passes taken out.
    std::vector<DealCall> calls;
    for (const PbnCall& call : g.auction) {
      if (RecordSeatOfPbn(call.seat) != 0)
        calls.push_back(
            {static_cast<uint8_t>(RecordSeatOfPbn(call.seat)), static_cast<uint8_t>(call.code)});
      else
        EXPECT_EQ(call.code, 38);
    }
    EXPECT_EQ(calls, r.calls);
    EXPECT_TRUE(g.auction_finished);
    EXPECT_EQ(g.contract, r.contract);
    EXPECT_EQ(g.doubling, r.doubling);
    if (r.contract == 0) {
      EXPECT_EQ(g.declarer, -1);
      EXPECT_EQ(g.result, -1);
      EXPECT_TRUE(g.play.empty());
      continue;
    }
    EXPECT_EQ(g.declarer, PbnSeatOfRecord(r.declarer));
    EXPECT_EQ(g.result, r.declarer_tricks);
    EXPECT_EQ(g.leader, PbnSeatOfRecord(OtherSeat(r.first_seat)));
    EXPECT_EQ(g.play_finished, r.contract_play.size() == 26);
    std::vector<uint8_t> played;
    for (const PbnPlayed& p : g.play) {
      played.push_back(p.card);
      const auto& hand = r.hands[RecordSeatOfPbn(p.seat)];
      EXPECT_NE(std::find(hand.begin(), hand.end(), p.card), hand.end());
    }
    EXPECT_EQ(played, r.contract_play);
  }
}

// Files of other programs: four hands, comments of both kinds, values inherited from the game
// before, notes and quality marks in the sections, "AP", import-format freedom.
TEST(PbnImportTest, ReadsTheUsualFormsOfOtherPrograms) {
  const std::string text =
      "\xEF\xBB\xBF% PBN 2.1\n"
      "; a comment line\n"
      "[Event \"Club \\\"night\\\"\"]\n"
      "[Site \"C:\\temp\"] [Board \"1\"]\n"
      "[Dealer \"S\"]\n"
      "{ a comment\n over lines }\n"
      "[Deal \"W:KQT2.AT.J6542.85 - A8654.KQ5.T.QJT6 -\"]\n"
      "[Declarer \"S\"]\n"
      "[Contract \"4s\"]\n"
      "[Result \"10\"]\n"
      "[Auction \"S\"]\n"
      "1S! =1= Pass 4S $3 AP\n"
      "[Play \"W\"]\n"
      "D2 - DT -\n"
      "*\n"
      "\n"
      "[Event \"#\"]\n"
      "[Site \"##Elsewhere\"]\n"
      "[Board \"2\"]\n"
      "[Contract \"3NTXX\"]\n";
  const PbnRead read = ReadPbnGames(text);
  ASSERT_EQ(read.games.size(), 2u);
  const PbnGame& g = read.games[0];
  EXPECT_EQ(g.error, "");
  EXPECT_EQ(g.event, "Club \"night\"");
  EXPECT_EQ(g.site, "C:\\temp");
  EXPECT_EQ(g.board, "1");
  EXPECT_EQ(g.dealer, kPbnSouth);
  ASSERT_TRUE(g.hands[kPbnWest] && g.hands[kPbnEast]);
  EXPECT_EQ(g.hands[kPbnWest]->size(), 13u);
  EXPECT_FALSE(g.hands[kPbnNorth]);
  EXPECT_EQ(g.contract, 19);  // four spades
  EXPECT_EQ(g.declarer, kPbnSouth);
  EXPECT_EQ(g.result, 10);
  const std::vector<PbnCall> auction = {{kPbnSouth, 4}, {kPbnWest, 38},  {kPbnNorth, 19},
                                        {kPbnEast, 38}, {kPbnSouth, 38}, {kPbnWest, 38}};
  EXPECT_EQ(g.auction, auction);
  EXPECT_TRUE(g.auction_finished);
  const std::vector<PbnPlayed> play = {{kPbnWest, PbnCardOf("D2")}, {kPbnEast, PbnCardOf("DT")}};
  EXPECT_EQ(g.play, play);
  EXPECT_FALSE(g.play_finished);
  const PbnGame& h = read.games[1];
  EXPECT_EQ(h.event, "Club \"night\"");
  EXPECT_EQ(h.site, "C:\\temp");
  EXPECT_EQ(h.contract, 15);
  EXPECT_EQ(h.doubling, 2);
}

// Damaged and odd input: each game says what is wrong with it, and the reading goes on.
TEST(PbnImportTest, DamagedInputIsReportedPerGame) {
  struct Case {
    const char* name;
    std::string text;
    size_t games;
    const char* error;  // in the first game; "" when it reads whole
  };
  const std::string deal = "[Deal \"N:AKQJT98765432... .AKQJT98765432.. - -\"]\n";
  const std::string played = deal + "[Contract \"4H\"]\n[Play \"E\"]\n";
  std::string fourteen_tricks, endless_auction;
  for (int i = 0; i < 14; ++i) fourteen_tricks += "- - - -\n";
  for (int i = 0; i < 500; ++i) endless_auction += "1C ";
  std::string long_table = "[ScoreTable \"Rank\"]\n";
  for (int i = 0; i < 2000; ++i) long_table += "1\n";
  const Case cases[] = {
      {"empty", "", 0, ""},
      {"header only", "% PBN 2.1\r\n% EXPORT\r\n", 0, ""},
      {"blank lines only", "\n\r\n \t\n", 0, ""},
      {"cut tag", "[Deal", 1, "bad tag line"},
      {"unclosed value", "[Event \"abc]\n", 1, "bad tag line"},
      {"no bracket", "[Event \"abc\"\n", 1, "bad tag line"},
      {"value without name", "[ \"abc\"]\n", 1, "bad tag line"},
      {"deal without seat", "[Deal \"AKQ... - - -\"]\n", 1, "bad deal"},
      {"three hands", "[Deal \"N:- - -\"]\n", 1, "fewer than four hands"},
      {"five hands", "[Deal \"N:- - - - -\"]\n", 1, "more than four hands"},
      {"five suits", "[Deal \"N:A.K.Q.J.T - - -\"]\n", 1, "bad hand"},
      {"fourteen cards", "[Deal \"N:AKQJT98765432.A.. - - -\"]\n", 1, "bad hand"},
      {"bad rank", "[Deal \"N:AKZ... - - -\"]\n", 1, "bad or repeated card"},
      {"card twice", "[Deal \"N:A... A... - -\"]\n", 1, "bad or repeated card"},
      {"bad contract", "[Contract \"8S\"]\n", 1, "bad contract"},
      {"tripled", "[Contract \"4SXXX\"]\n", 1, "bad contract"},
      {"bad declarer", "[Declarer \"Q\"]\n", 1, "bad Declarer"},
      {"bad result", "[Result \"14\"]\n", 1, "bad result"},
      {"bad call", "[Auction \"N\"]\n1S 8C\n", 1, "bad call"},
      {"call after the end", "[Auction \"N\"]\nPass Pass Pass Pass 1C\n", 1, "after the end"},
      {"auction without a seat", "[Auction \"\"]\n1S\n", 1, "without its first seat"},
      {"play without contract", deal + "[Play \"E\"]\nHA - - S2\n", 1, "without a contract"},
      {"play without leader", deal + "[Contract \"4H\"]\n[Play \"\"]\nHA - - S2\n", 1,
       "without its leader"},
      {"bad card", played + "HA - - S1\n", 1, "bad card"},
      {"card from another hand", played + "SA - - S2\n", 1, "not in E's hand"},
      {"card twice in the play", played + "HA - - S2\nHA - - S3\n", 1, "not in E's hand"},
      {"fourteen tricks", played + fourteen_tricks, 1, "more than thirteen tricks"},
      {"empty trick", played + "- - - -\nHA - - S2\n", 1, "a trick without cards"},
      {"endless auction", "[Auction \"N\"]\n" + endless_auction, 1, "too many"},
      {"long table of another program", "[Board \"1\"]\n" + long_table, 1, ""},
      {"damage does not spread", "[Contract \"9Z\"]\n\n" + deal, 2, "bad contract"},
      {"stray tokens before a game", "garbage here\n[Board \"1\"]\n", 1, ""},
      {"comment never closed", "[Board \"1\"]\n{ open\n[Board \"2\"]\n", 1, ""},
      {"bytes of every kind", std::string("[Event \"\x01\x80\xFF\0x\"]\n", 16), 1, ""},
      {"carriage returns only", "[Board \"1\"]\r[Board \"2\"]\r", 1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PbnRead read = ReadPbnGames(c.text);
    ASSERT_EQ(read.games.size(), c.games);
    if (c.games == 0) continue;
    if (*c.error == '\0') {
      EXPECT_EQ(read.games[0].error, "");
    } else {
      EXPECT_NE(read.games[0].error.find(c.error), std::string::npos) << read.games[0].error;
    }
    if (c.games == 2) {
      EXPECT_EQ(read.games[1].error, "");
    }
  }
}

// Every cut of a valid file and every single damaged byte is read without reading past the text
// (the sanitized build sees any such read).
TEST(PbnImportTest, CutsAndDamagedBytesNeverHurt) {
  std::vector<DealRecord> deals = SampleDeals();
  deals.resize(3);
  const std::string text = PbnText(deals, {"Quorvex", "Home"});
  for (size_t n = 0; n <= text.size(); ++n) {
    const std::string cut = text.substr(0, n);  // a buffer of its own, so an overread is seen
    const PbnRead read = ReadPbnGames(cut);
    EXPECT_LE(read.games.size(), 3u);
  }
  std::mt19937 random(7);
  for (int i = 0; i < 3000; ++i) {
    std::string damaged = text;
    damaged[random() % damaged.size()] = static_cast<char>(random() % 256);
    const PbnRead read = ReadPbnGames(damaged);
    EXPECT_LE(read.games.size(), 4u);
  }
}

TEST(PbnImportTest, StopsAtTheGameLimit) {
  std::string text;
  for (size_t i = 0; i <= kPbnGameLimit; ++i) text += "[Board \"1\"]\n\n";
  const PbnRead read = ReadPbnGames(text);
  EXPECT_TRUE(read.cut);
  EXPECT_EQ(read.games.size(), kPbnGameLimit);
}

}  // namespace
}  // namespace quorvex
