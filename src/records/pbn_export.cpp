#include "records/pbn_export.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "game/card.h"
#include "game/deal_replay.h"
#include "game/deal_state.h"
#include "opponent/auction_table.h"
#include "records/pbn_text.h"

namespace quorvex {

namespace {

constexpr const char* kLineEnd = "\r\n";
// Lines stay well within the notation's 255 characters whatever a name holds.
constexpr size_t kValueLimit = 100;

std::string TagLine(const char* name, const std::string& value) {
  return std::string("[") + name + " \"" + PbnEscaped(value) + "\"]" + kLineEnd;
}

// A text tag value in Latin-1, cut to fit a line. A value "#" or one starting "##" would be read
// as the previous game's value, so its first character becomes '?'.
std::string TextValue(std::string_view utf8) {
  std::string value = PbnLatin1(utf8);
  if (value.size() > kValueLimit) value.resize(kValueLimit);
  if (value == "#" || value.starts_with("##")) value[0] = '?';
  return value;
}

std::string PlayerName(const std::string& utf8) {
  const std::string value = TextValue(utf8);
  return value.empty() ? "?" : value;
}

// "yyyy.mm.dd" of a time in seconds since 1970 (UTC); "????.??.??" outside the years 1..9999.
std::string DateValue(int64_t time) {
  constexpr int64_t kDay = 86400;
  constexpr int64_t kEarliest = -62135596800;  // 0001-01-01
  constexpr int64_t kLatest = 253402300799;    // 9999-12-31 23:59:59
  if (time < kEarliest || time > kLatest) return "????.??.??";
  int64_t days = time / kDay - (time % kDay < 0 ? 1 : 0);
  // Days since 1970 to a civil date in the proleptic Gregorian calendar.
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t day_of_era = days - era * 146097;
  const int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const int64_t day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const int64_t shifted_month = (5 * day_of_year + 2) / 153;
  const int64_t day = day_of_year - (153 * shifted_month + 2) / 5 + 1;
  const int64_t month = shifted_month < 10 ? shifted_month + 3 : shifted_month - 9;
  const int64_t year = year_of_era + era * 400 + (month <= 2 ? 1 : 0);
  char text[48];
  std::snprintf(text, sizeof text, "%04d.%02d.%02d", static_cast<int>(year),
                static_cast<int>(month), static_cast<int>(day));
  return text;
}

// The cards of a hand in the notation's order: spades, hearts, diamonds, clubs, each from the ace
// down, suits parted by dots.
std::string HandValue(const std::array<uint8_t, 13>& hand) {
  constexpr int kSuitOrder[4] = {3, 0, 1, 2};
  std::string text;
  for (int i = 0; i < 4; ++i) {
    if (i > 0) text += '.';
    for (int rank = 13; rank >= 1; --rank) {
      const auto deck = static_cast<uint8_t>((rank - 1) * 4 + kSuitOrder[i] + 1);
      if (std::find(hand.begin(), hand.end(), deck) != hand.end()) text += PbnRankChar(rank);
    }
  }
  return text;
}

// The vulnerability by sides of the table. With seat 1 North and seat 2 East every one of the
// game's four cases is a side's: seat 1 alone is North-South, seat 2 alone East-West.
std::string VulnerableValue(uint8_t vulnerability) {
  constexpr const char* kValues[4] = {"None", "NS", "EW", "All"};
  return vulnerability <= 3 ? kValues[vulnerability] : "?";
}

std::string ContractValue(const DealRecord& r) {
  if (r.contract == 0) return "Pass";
  std::string text = PbnCallText(r.contract);
  if (r.doubling == 1) text += "X";
  if (r.doubling == 2) text += "XX";
  return text;
}

// Whether calls in rotation make a finished auction by the rules of bridge: four passes, or three
// after another call.
bool BridgeAuctionEnded(const std::vector<std::string>& calls) {
  const size_t n = calls.size();
  const auto pass = [&](size_t i) { return calls[i] == "Pass"; };
  if (n >= 4 && pass(0) && pass(1) && pass(2) && pass(3)) return true;
  return n >= 4 && pass(n - 1) && pass(n - 2) && pass(n - 3);
}

// Whether a call may follow the calls before it by the game's rules: a bid above the last bid, a
// double of a bid just made, a redouble of a double just made, a pass; nothing after a pass that
// followed a call.
bool GameAllows(const std::vector<DealCall>& before, uint8_t code) {
  const size_t n = before.size();
  if (n >= 2 && before[n - 1].code == kCallPass) return false;
  if (IsBid(code)) {
    for (const DealCall& call : before)
      if (IsBid(call.code) && call.code >= code) return false;
    return true;
  }
  if (code == kCallDouble) return n > 0 && IsBid(before[n - 1].code);
  if (code == kCallRedouble) return n > 0 && before[n - 1].code == kCallDouble;
  return code == kCallPass;
}

// The auction section: the calls in rotation from the dealer, four to a line. South and West pass
// whenever their turn comes. Since seat 1 and seat 2 sit side by side and a pass after any call
// ends the game's auction, those passes never end the auction before the game's last call, and
// after it they complete it as bridge asks: the auction reads as the same calls with the same
// contract and declarer. Calls past the first that breaks the game's rules are left out and the
// auction is marked unfinished.
std::string AuctionSection(const DealRecord& r) {
  std::vector<std::string> calls;
  int seat = PbnSeatOfRecord(r.first_seat);
  std::vector<DealCall> made;
  for (size_t i = 0; i < r.calls.size(); ++i) {
    const DealCall& call = r.calls[i];
    const int expected = i % 2 == 0 ? r.first_seat : OtherSeat(r.first_seat);
    if (call.seat != expected || !GameAllows(made, call.code)) break;
    const int target = PbnSeatOfRecord(call.seat);
    while (seat != target) {
      calls.push_back("Pass");
      seat = (seat + 1) % 4;
    }
    calls.push_back(PbnCallText(call.code));
    seat = (seat + 1) % 4;
    made.push_back(call);
  }
  while (!BridgeAuctionEnded(calls) && RecordSeatOfPbn(seat) == 0) {
    calls.push_back("Pass");
    seat = (seat + 1) % 4;
  }
  if (!BridgeAuctionEnded(calls)) calls.push_back("*");
  std::string text;
  for (size_t i = 0; i < calls.size(); ++i) {
    text += calls[i];
    text += (i % 4 == 3 || i + 1 == calls.size()) ? kLineEnd : " ";
  }
  return text;
}

// The play section: a line per trick, the cards in the order of the seats from the opening leader
// (not in the order played; a reader finds each trick's leader from the trick before), "-" for
// South and West. A play that stops short or breaks a rule (a card from the wrong hand, a revoke)
// is written up to there and ends with "*".
std::string PlaySection(const DealRecord& r) {
  // The play as far as it keeps to the rules, trick by trick in the notation's seats.
  const DealReplay replay(r);
  const int opening = OtherSeat(r.first_seat);
  std::vector<std::array<uint8_t, 4>> tricks;  // by seat of the notation, 0 for no card
  for (int i = 0; i < replay.Cards(); ++i) {
    if (i % 2 == 0) tricks.emplace_back();
    tricks.back()[PbnSeatOfRecord(replay.PlayerOf(i))] = DeckNumberOf(replay.CardAt(i));
  }
  const bool finished = replay.Cards() == 26;

  std::string text;
  const int first_column = PbnSeatOfRecord(opening);
  for (const auto& trick : tricks) {
    for (int i = 0; i < 4; ++i) {
      const uint8_t card = trick[(first_column + i) % 4];
      if (i > 0) text += ' ';
      text += card != 0 ? PbnCardText(card) : "-";
    }
    text += kLineEnd;
  }
  if (!finished) text += std::string("*") + kLineEnd;
  return text;
}

// The computer's forecast as the table of tricks by declarer and denomination, both sides playing
// best with every card known. The opening lead is the game's (the seat that did not call first),
// not always the declarer's left-hand opponent.
std::string ForecastTable(const DealAnalysis& analysis) {
  for (int seat = 1; seat <= 2; ++seat)
    for (int d = 1; d <= 5; ++d)
      if (analysis.forecast[seat][d] > 13) return {};
  // The column layout's backslashes are the notation's own ("\2R": two characters, right
  // aligned), not escapes: they are written as they stand, as other programs write them.
  std::string text =
      std::string("[OptimumResultTable \"Declarer;Denomination\\2R;Result\\2R\"]") + kLineEnd;
  for (int seat = 1; seat <= 2; ++seat) {
    for (int d = 5; d >= 1; --d) {
      char line[32];
      std::snprintf(line, sizeof line, "%c %2s %2d", PbnSeatLetter(PbnSeatOfRecord(seat)),
                    PbnDenominationText(d).c_str(), analysis.forecast[seat][d]);
      text += line;
      text += kLineEnd;
    }
  }
  return text;
}

}  // namespace

std::string PbnGameText(const DealRecord& r, const PbnEvent& event) {
  if (!DealRecordConsistent(r)) return {};
  const bool contract = r.contract != 0;
  std::string text;
  text += TagLine("Event", TextValue(event.event));
  text += TagLine("Site", TextValue(event.site));
  text += TagLine("Date", DateValue(r.time));
  text += TagLine("Board", r.deal_no > 0 ? std::to_string(r.deal_no) : "?");
  // South and West are nobody's seats: not an unknown player ("?") but none at all.
  text += TagLine("West", "");
  text += TagLine("North", PlayerName(r.names[1]));
  text += TagLine("East", PlayerName(r.names[2]));
  text += TagLine("South", "");
  text += TagLine("Dealer", std::string(1, PbnSeatLetter(PbnSeatOfRecord(r.first_seat))));
  text += TagLine("Vulnerable", VulnerableValue(r.vulnerability));
  text += TagLine("Deal", "N:" + HandValue(r.hands[1]) + " " + HandValue(r.hands[2]) + " - -");
  // The game's premiums are its own (two doubled overtricks earn 300, not 200): no scoring
  // method of the notation fits.
  text += TagLine("Scoring", "?");
  text += TagLine("Declarer",
                  contract ? std::string(1, PbnSeatLetter(PbnSeatOfRecord(r.declarer))) : "");
  text += TagLine("Contract", ContractValue(r));
  text += TagLine("Result", contract ? std::to_string(r.declarer_tricks) : "");
  if (!r.calls.empty()) {
    text += TagLine("Auction", std::string(1, PbnSeatLetter(PbnSeatOfRecord(r.first_seat))));
    text += AuctionSection(r);
  }
  if (contract) {
    text +=
        TagLine("Play", std::string(1, PbnSeatLetter(PbnSeatOfRecord(OtherSeat(r.first_seat)))));
    text += PlaySection(r);
    text += TagLine(
        "Score", std::string(r.declarer == 1 ? "NS " : "EW ") + std::to_string(r.declarer_score));
  }
  if (r.analysis) text += ForecastTable(*r.analysis);
  return text;
}

std::string PbnText(std::span<const DealRecord> records, const PbnEvent& event) {
  std::string text = std::string("% PBN 2.1") + kLineEnd + "% EXPORT" + kLineEnd;
  for (const DealRecord& record : records) {
    const std::string game = PbnGameText(record, event);
    if (game.empty()) continue;
    text += kLineEnd;
    text += game;
  }
  return text;
}

}  // namespace quorvex
