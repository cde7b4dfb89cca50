// The record of every deal played: the deck, both contract hands, every call and every card in
// order, the contract and its result, and the search's review of the deal once it was made. The
// records live in one compact file in the history folder; the review window, "Play this deal
// again" and the PBN export read them.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/card.h"

namespace quorvex {

inline constexpr const char* kDealRecordFileName = "Quorva_deals.qdr";
// How many deals are kept when the player has not chosen; the oldest go first.
inline constexpr int kDealRecordLimitDefault = 1000;
inline constexpr int kDealRecordLimitMax = 100000;

// One call of the auction: the seat (1 or 2) and the call code (1..35 a bid, 36 double,
// 37 redouble, 38 pass).
struct DealCall {
  uint8_t seat = 0;
  uint8_t code = 0;
  bool operator==(const DealCall&) const = default;
};

// The search's word on one card of the contract play.
struct CardReview {
  // Tricks the side to move can still take with best play, before this card (the tricks the
  // side already won not counted).
  uint8_t best = 0;
  // Tricks this card cost against the best card: 0 for a best card.
  uint8_t cost = 0;
  bool operator==(const CardReview&) const = default;
};

// The review of a whole deal, computed once and kept with its record.
struct DealAnalysis {
  // One entry per card of the contract play, in the order played.
  std::vector<CardReview> cards;
  // The computer's forecast: tricks each seat (1, 2; row 0 unused) would take as declarer
  // in each denomination (1 clubs .. 5 no trump; column 0 unused), both playing best, the opening
  // lead as the game gives it.
  std::array<std::array<uint8_t, 6>, 3> forecast{};
  // Tricks the declarer takes in the contract played, both playing best from the first card.
  uint8_t best_tricks = 0;
  // What the contract played would score for the declarer with best_tricks.
  int32_t best_score = 0;
  bool operator==(const DealAnalysis&) const = default;
};

enum class DealKind : uint8_t { Computer = 0, Lan = 1, Tournament = 2 };

struct DealRecord {
  // When the deal ended, seconds since 1970 (UTC).
  int64_t time = 0;
  DealKind kind = DealKind::Computer;
  int32_t deal_no = 0;
  // Seats are numbered as this machine's table has them: 2 is this machine's player (at the
  // bottom), 1 the computer or the other player. The players' names in UTF-8 (index 0 unused).
  std::array<std::string, 3> names;
  uint8_t first_seat = 0;     // the seat that calls first
  uint8_t first_leader = 0;   // the seat that led the first trick of the draw
  uint8_t vulnerability = 0;  // 0 none, 1 or 2 that seat, 3 both
  // The deck in dealing order as deck numbers 1..52 (DeckCard): cards 1..26 dealt alternately,
  // then the stock.
  std::array<uint8_t, 52> deck{};
  // The thirteen cards of each seat when the auction began (row 0 unused), deck numbers.
  std::array<std::array<uint8_t, 13>, 3> hands{};
  std::vector<DealCall> calls;
  // The 26 cards of the draw and the contract play's cards (26 when the deal was played out), in
  // the order played, deck numbers.
  std::vector<uint8_t> draw_play;
  std::vector<uint8_t> contract_play;
  uint8_t contract = 0;  // the bid code, 0 when passed out
  uint8_t doubling = 0;  // 0, 1 doubled, 2 redoubled
  uint8_t declarer = 0;  // seat
  uint8_t declarer_tricks = 0;
  int32_t declarer_score = 0;  // the deal's score for the declarer (negative when it went down)
  std::optional<DealAnalysis> analysis;

  bool operator==(const DealRecord&) const = default;
};

// Whether a record holds together: a deck of 52 different cards, hands taken from it, legal seats
// and codes, contract cards from the hands. Records failing it are never stored or shown.
bool DealRecordConsistent(const DealRecord& record);

// The file's bytes: a header, then each record with its length and a checksum of its own, so
// that a damaged record costs only itself.
std::string DealRecordBytes(const std::vector<DealRecord>& records);
struct DealRecordRead {
  std::vector<DealRecord> records;
  int damaged = 0;    // records refused for a wrong checksum, a cut or an inconsistent deal
  bool whole = true;  // false when anything in the bytes could not be read as a record
};
DealRecordRead ParseDealRecords(std::string_view bytes);

std::filesystem::path DealRecordPath(const std::filesystem::path& program_dir);
DealRecordRead ReadDealRecords(const std::filesystem::path& program_dir);
// Adds a record, dropping the oldest beyond `limit`, and replaces the file whole. A file that was
// not whole is first kept aside as "<name>.damaged" (a number added when that is taken). False
// when the file could not be written; it then stays as it was.
bool AddDealRecord(const std::filesystem::path& program_dir, const DealRecord& record, int limit);
// Replaces one record (found by its time and deal number), as when its analysis is cached.
bool UpdateDealRecord(const std::filesystem::path& program_dir, const DealRecord& record);

TCard DealRecordCard(uint8_t deck_number);
uint8_t DeckNumberOf(const TCard& card);

}  // namespace quorvex
