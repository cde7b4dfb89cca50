// The record of the running deal. Indexes are 1-based as everywhere in the game state;
// element 0 of every array is unused.
#pragma once

#include <array>
#include <cstdint>

#include "game/card.h"

namespace quorvex {

inline constexpr int kHandSlots = 13;

// Phase codes of the controller.
inline constexpr uint8_t PhaseSeat1 = 1;
inline constexpr uint8_t PhaseSeat2 = 2;
inline constexpr uint8_t PhaseTrickDone = 3;
inline constexpr uint8_t PhaseDealOver = 4;
inline constexpr uint8_t PhaseBidSeat1 = 11;
inline constexpr uint8_t PhaseBidSeat2 = 12;

// Who this instance is at the table.
enum class TableRole : uint8_t { SinglePlayer, LanServer, LanClient, TourSeat1, TourSeat2 };

bool IsNetworkRole(TableRole role);
bool IsTournamentRole(TableRole role);
// The shared seat number both peers use: seats swap on the LAN client and on tournament seat 2.
int SharedSeat(TableRole role, int local_seat);

struct TDealState {
  std::array<TCard, 53> Deck{};
  std::array<uint8_t, 53> DeckRank{};
  // Rows 1 and 2 are the seats; rows 3 and 4 keep the contract hands once HandsSaved is set.
  std::array<std::array<TCard, kHandSlots + 1>, 5> Hand{};
  std::array<std::array<uint8_t, kHandSlots + 1>, 5> HandRank{};
  std::array<uint8_t, 5> HandCount{};
  uint8_t StockNext = 27;
  char Trump = kNoSuit;
  uint8_t Phase = 0;
  uint8_t PlayState = 0;
  std::array<TCard, 3> Trick{};
  std::array<uint8_t, 3> TrickRank{};
  uint8_t TrickSlot = 1;
  char LedSuit = kNoSuit;
  uint8_t Leader = 0;
  uint8_t DrawFirst = 0;
  uint8_t TrickNo = 1;
  std::array<TCard, 53> Played{};
  uint8_t PlayedNext = 1;
  std::array<int32_t, 3> Tricks{};
  std::array<int32_t, 3> MatchScore{};
  int32_t DealNo = 0;
  uint8_t Vulnerability = 0;
  uint8_t FirstSeat = 0;
  uint8_t ContractCode = 0;
  uint8_t TricksNeeded = 0;
  uint8_t Doubling = 0;
  uint8_t Declarer = 0;
  uint8_t HandsSaved = 0;

  TDealState();
  // Empties every hand row and the trick.
  void ClearHands();
  // Cards left in the stock.
  int StockLeft() const { return StockNext <= 52 ? 53 - StockNext : 0; }
  bool ContractPlay() const { return StockNext > 52; }
  // A card of the contract play is on the table or was collected.
  bool ContractPlayBegun() const { return ContractPlay() && (TrickSlot > 1 || TrickNo > 14); }
  // Whether a local seat is vulnerable: Vulnerability 3, or equal to the seat's shared number.
  bool SeatVulnerable(TableRole role, int local_seat) const;
};

inline int OtherSeat(int seat) {
  return 3 - seat;
}

}  // namespace quorvex
