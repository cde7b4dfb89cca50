// What the table shows right now: the controller's drawing calls fill it, the painter reads it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/card.h"
#include "game/scoring.h"
#include "game/table_view.h"

namespace quorvex {

struct HandModel {
  std::vector<TCard> cards;  // in hand order, card 1 first
  std::vector<int> lefts;    // left edge of each card in the window
  bool face_up = false;
};

struct PanelModel {
  bool shown = false;
  // An empty number is erased; the controller's "keep" leaves the stored one alone.
  std::optional<int32_t> score;
  std::optional<int32_t> second;
  std::optional<int32_t> tricks;
  bool vulnerable = false;
};

struct DealPanelModel {
  bool shown = false;
  int deal_count = 0;
  bool has_contract = false;
  int level = 0;  // 1..7
  char trump = kNoSuit;
  int doubling = 0;  // 1 doubled, 2 redoubled
  std::string hint;
};

// The last four chat lines of a two-player game, oldest first; sender 1..4 picks the colour.
struct ChatLine {
  int sender = 0;
  std::string text;
};

struct ChatModel {
  bool shown = false;
  std::array<ChatLine, 4> lines;

  // A new line takes the first empty line; when all four are used they move up by one.
  void Add(int sender, std::string text) {
    for (ChatLine& line : lines)
      if (line.text.empty()) {
        line = {sender, std::move(text)};
        return;
      }
    for (size_t i = 0; i + 1 < lines.size(); ++i) lines[i] = std::move(lines[i + 1]);
    lines.back() = {sender, std::move(text)};
  }
  void Clear() { lines = {}; }
};

struct TableModel {
  HandModel hands[3];
  bool plate_shown[3] = {};
  NamePlate plates[3];
  PanelModel panels[3];
  DealPanelModel deal;
  int stock = -1;  // cards left; below 0 while the stock is not on the table
  TCard trick[3];
  std::optional<DealScore> result;
  std::string wait_text;
  int progress = -1;  // percent of the computer's search; below 0 when hidden
  ChatModel chat;
  // Seconds left on each seat's move clock in a tournament game; a clock without a value is not
  // shown.
  std::optional<int> clocks[3];
};

}  // namespace quorvex
