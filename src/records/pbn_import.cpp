#include "records/pbn_import.h"

#include <algorithm>
#include <bitset>
#include <map>
#include <memory>
#include <set>

#include "opponent/auction_table.h"
#include "records/pbn_text.h"

namespace quorvex {

namespace {

// The longest legal auction has 319 calls.
constexpr size_t kCallLimit = 400;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Notes ("=1=") and annotation glyphs ("$12") stand between calls and cards; they are skipped.
bool IsAnnotation(std::string_view token) {
  return (token.size() >= 3 && token.front() == '=' && token.back() == '=') ||
         (token.size() >= 2 && token.front() == '$');
}

// A call or card with its "!" and "?" marks of quality taken off.
std::string_view WithoutMarks(std::string_view token) {
  while (!token.empty() && (token.back() == '!' || token.back() == '?')) token.remove_suffix(1);
  return token;
}

// The suit index of a contract's trump (clubs 2, diamonds 1, hearts 0, spades 3), -1 in no trump.
int TrumpSuit(int contract) {
  constexpr int kSuits[6] = {-1, 2, 1, 0, 3, -1};
  return kSuits[BidDenomination(contract)];
}

bool BridgeAuctionEnded(const std::vector<PbnCall>& calls) {
  const size_t n = calls.size();
  if (n < 4) return false;
  const auto pass = [&](size_t i) { return calls[i].code == kCallPass; };
  if (pass(0) && pass(1) && pass(2) && pass(3)) return true;
  return pass(n - 1) && pass(n - 2) && pass(n - 3);
}

// What is read of one game before its sections are put together.
struct GameReader {
  PbnGame game;
  std::set<std::string> tags_seen;
  std::string section;  // the tag whose section the next tokens belong to
  std::vector<std::string> auction_tokens;
  std::vector<std::string> play_tokens;
  int auction_seat = -1;  // the seat of the first call
  size_t tokens = 0;

  void Fail(const std::string& reason) {
    if (game.error.empty()) game.error = reason;
  }

  void Deal(const std::string& value) {
    if (value.size() < 2 || value[1] != ':' || PbnSeatOf(value[0]) < 0) {
      Fail("bad deal '" + value + "'");
      return;
    }
    int seat = PbnSeatOf(value[0]);
    std::bitset<53> seen;
    size_t at = 2;
    for (int h = 0; h < 4; ++h, seat = (seat + 1) % 4) {
      while (at < value.size() && IsBlank(value[at])) ++at;
      size_t end = at;
      while (end < value.size() && !IsBlank(value[end])) ++end;
      const std::string_view hand = std::string_view(value).substr(at, end - at);
      at = end;
      if (hand.empty()) {
        Fail("the deal has fewer than four hands");
        return;
      }
      if (hand == "-") continue;
      constexpr int kSuitOrder[4] = {3, 0, 1, 2};  // spades, hearts, diamonds, clubs
      std::vector<uint8_t> cards;
      int suit = 0;
      for (const char c : hand) {
        if (c == '.') {
          if (++suit > 3) break;
          continue;
        }
        const int rank = PbnRankValue(c);
        const auto card =
            rank == 0 ? uint8_t{0} : static_cast<uint8_t>((rank - 1) * 4 + kSuitOrder[suit] + 1);
        if (card == 0 || seen[card]) {
          Fail("bad or repeated card in the deal's hand '" + std::string(hand) + "'");
          return;
        }
        seen[card] = true;
        cards.push_back(card);
      }
      if (suit != 3 || cards.empty() || cards.size() > 13) {
        Fail("bad hand '" + std::string(hand) + "' in the deal");
        return;
      }
      game.hands[seat] = std::move(cards);
    }
    while (at < value.size() && IsBlank(value[at])) ++at;
    if (at != value.size()) Fail("the deal has more than four hands");
  }

  void Contract(const std::string& value) {
    if (value.empty() || value == "?") return;
    if (PbnCallCode(value) == kCallPass) {
      game.contract = 0;
      return;
    }
    // A level, a denomination of one letter or "NT", then "X" or "XX" when doubled.
    std::string_view rest(value);
    const bool no_trump =
        rest.size() >= 3 && (rest.substr(1, 2) == "NT" || rest.substr(1, 2) == "nt");
    const size_t bid_length = std::min(rest.size(), no_trump ? size_t{3} : size_t{2});
    const int code = PbnCallCode(rest.substr(0, bid_length));
    rest.remove_prefix(bid_length);
    const int doubling = rest.empty()                         ? 0
                         : PbnCallCode(rest) == kCallDouble   ? 1
                         : PbnCallCode(rest) == kCallRedouble ? 2
                                                              : -1;
    if (!IsBid(code) || doubling < 0) {
      Fail("bad contract '" + value + "'");
      return;
    }
    game.contract = code;
    game.doubling = doubling;
  }

  static int Number(const std::string& value, int low, int high) {
    if (value.empty() || value.size() > 3) return -1;
    int n = 0;
    for (const char c : value) {
      if (c < '0' || c > '9') return -1;
      n = n * 10 + (c - '0');
    }
    return n >= low && n <= high ? n : -1;
  }

  // The seat of a tag whose value is one letter; -1 and a reason for anything else but "" or "?".
  int SeatValue(const std::string& name, const std::string& value) {
    if (value.empty() || value == "?") return -1;
    // A caret marks an irregular declarer; the seat stands after it.
    const std::string_view seat = value[0] == '^' ? std::string_view(value).substr(1) : value;
    const int pbn_seat = seat.size() == 1 ? PbnSeatOf(seat[0]) : -1;
    if (pbn_seat < 0) Fail("bad " + name + " '" + value + "'");
    return pbn_seat;
  }

  void Tag(const std::string& name, const std::string& value) {
    section = name;
    // A tag given twice in a game counts the first time.
    if (!tags_seen.insert(name).second) {
      section.clear();
      return;
    }
    if (name == "Event")
      game.event = value;
    else if (name == "Site")
      game.site = value;
    else if (name == "Date")
      game.date = value;
    else if (name == "Board")
      game.board = value;
    else if (name == "North")
      game.players[kPbnNorth] = value;
    else if (name == "East")
      game.players[kPbnEast] = value;
    else if (name == "South")
      game.players[kPbnSouth] = value;
    else if (name == "West")
      game.players[kPbnWest] = value;
    else if (name == "Vulnerable")
      game.vulnerable = value;
    else if (name == "Score")
      game.score = value;
    else if (name == "Dealer")
      game.dealer = SeatValue(name, value);
    else if (name == "Declarer")
      game.declarer = SeatValue(name, value);
    else if (name == "Play")
      game.leader = SeatValue(name, value);
    else if (name == "Auction")
      auction_seat = SeatValue(name, value);
    else if (name == "Deal")
      Deal(value);
    else if (name == "Contract")
      Contract(value);
    else if (name == "Result" && !value.empty() && value != "?") {
      game.result = Number(value, 0, 13);
      if (game.result < 0) Fail("bad result '" + value + "'");
    }
  }

  // Tokens of other sections (the tables of other programs) are not kept.
  void Token(std::string_view token) {
    if (section != "Auction" && section != "Play") return;
    // Notes and marks included, a real auction or play is far shorter.
    if (++tokens > 4 * kCallLimit) {
      Fail("too many calls or cards");
      return;
    }
    (section == "Auction" ? auction_tokens : play_tokens).emplace_back(token);
  }

  void ReadAuction(int first_seat) {
    if (auction_tokens.empty()) return;
    if (first_seat < 0) {
      Fail("an auction without its first seat");
      return;
    }
    for (const std::string& raw : auction_tokens) {
      if (IsAnnotation(raw)) continue;
      const std::string_view token = WithoutMarks(raw);
      if (token == "*") return;
      if (BridgeAuctionEnded(game.auction)) {
        Fail("a call after the end of the auction");
        return;
      }
      const auto next_seat = [&] {
        return static_cast<int>((static_cast<size_t>(first_seat) + game.auction.size()) % 4);
      };
      if (token == "AP") {
        while (!BridgeAuctionEnded(game.auction)) game.auction.push_back({next_seat(), kCallPass});
        continue;
      }
      const int code = PbnCallCode(token);
      if (code == 0) {
        Fail("bad call '" + std::string(token) + "'");
        return;
      }
      if (game.auction.size() >= kCallLimit) {
        Fail("too many calls");
        return;
      }
      game.auction.push_back({next_seat(), code});
    }
    game.auction_finished = BridgeAuctionEnded(game.auction);
  }

  void ReadPlay() {
    if (play_tokens.empty()) return;
    if (game.leader < 0) {
      Fail("a play without its leader");
      return;
    }
    if (game.contract <= 0) {
      Fail("a play without a contract");
      return;
    }
    std::vector<std::array<uint8_t, 4>> rows;  // by column from the opening leader
    std::array<uint8_t, 4> row{};
    size_t column = 0;
    bool stopped = false;
    for (const std::string& raw : play_tokens) {
      if (IsAnnotation(raw)) continue;
      const std::string_view token = WithoutMarks(raw);
      if (token == "*") {
        stopped = true;
        break;
      }
      uint8_t card = 0;
      if (token != "-") {
        card = PbnCardOf(token);
        if (card == 0) {
          Fail("bad card '" + std::string(token) + "'");
          return;
        }
      }
      row[column] = card;
      if (++column == 4) {
        if (rows.size() == 13) {
          Fail("more than thirteen tricks");
          return;
        }
        rows.push_back(row);
        row = {};
        column = 0;
      }
    }
    if (column > 0 && rows.size() < 13) rows.push_back(row);
    game.play_finished = !stopped && column == 0 && rows.size() == 13;

    const int trump_suit = TrumpSuit(game.contract);
    std::bitset<53> played;
    int leader = game.leader;
    for (const auto& cards : rows) {
      const auto card_of = [&](int seat) {
        return cards[static_cast<size_t>((seat - game.leader + 4) % 4)];
      };
      int winner = -1;
      uint8_t best = 0;
      int led_suit = -1;
      for (int i = 0; i < 4; ++i) {
        const int seat = (leader + i) % 4;
        const uint8_t card = card_of(seat);
        if (card == 0) continue;
        const auto& hand = game.hands[seat];
        if (played[card] || (hand && std::find(hand->begin(), hand->end(), card) == hand->end())) {
          Fail("card " + PbnCardText(card) + " is not in " + PbnSeatLetter(seat) + "'s hand");
          return;
        }
        played[card] = true;
        game.play.push_back({seat, card});
        const int suit = (card - 1) % 4;
        if (led_suit < 0) led_suit = suit;
        const auto beats = [&](uint8_t a, uint8_t b) {  // whether a beats b
          const int sa = (a - 1) % 4;
          const int sb = (b - 1) % 4;
          if (sa == sb) return a > b;
          return sa == trump_suit;
        };
        if (winner < 0 || beats(card, best)) {
          winner = seat;
          best = card;
        }
      }
      if (winner < 0) {
        if (&cards != &rows.back()) Fail("a trick without cards");
        return;
      }
      leader = winner;
    }
  }

  PbnGame Finish() {
    ReadAuction(auction_seat);
    ReadPlay();
    return std::move(game);
  }
};

}  // namespace

PbnRead ReadPbnGames(std::string_view text) {
  PbnRead read;
  std::map<std::string, std::string> last_values;  // for values inherited from the game before
  // The game being read; a game starts at its first tag.
  auto reader = std::make_unique<GameReader>();
  bool in_game = false;
  const auto finish = [&] {
    if (!in_game) return;
    if (read.games.size() >= kPbnGameLimit)
      read.cut = true;
    else
      read.games.push_back(reader->Finish());
    reader = std::make_unique<GameReader>();
    in_game = false;
  };
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  bool in_comment = false;
  size_t line_start = 0;
  bool more = true;
  while (more && !read.cut) {
    size_t line_end = text.find('\n', line_start);
    if (line_end == std::string_view::npos) {
      line_end = text.size();
      more = false;
    }
    const std::string_view line = text.substr(line_start, line_end - line_start);
    line_start = line_end + 1;
    size_t i = 0;
    if (in_comment) {
      const size_t close = line.find('}');
      if (close == std::string_view::npos) continue;
      in_comment = false;
      i = close + 1;
    } else if (std::all_of(line.begin(), line.end(), IsBlank)) {
      finish();  // an empty line ends a game
      continue;
    } else if (line[0] == '%') {
      continue;
    }
    while (i < line.size()) {
      const char c = line[i];
      if (IsBlank(c)) {
        ++i;
      } else if (c == ';') {
        break;
      } else if (c == '{') {
        const size_t close = line.find('}', i + 1);
        if (close == std::string_view::npos) {
          in_comment = true;
          break;
        }
        i = close + 1;
      } else if (c == '[') {
        in_game = true;
        // [Name "value"], the value's quotes and backslashes escaped by a backslash; any other
        // backslash stands for itself.
        size_t at = i + 1;
        while (at < line.size() && IsBlank(line[at])) ++at;
        const size_t name_start = at;
        while (at < line.size() && IsNameChar(line[at])) ++at;
        const std::string name(line.substr(name_start, at - name_start));
        while (at < line.size() && IsBlank(line[at])) ++at;
        std::string value;
        bool closed = false;
        if (!name.empty() && at < line.size() && line[at] == '"') {
          for (++at; at < line.size(); ++at) {
            if (line[at] == '\\' && at + 1 < line.size() &&
                (line[at + 1] == '"' || line[at + 1] == '\\')) {
              value += line[++at];
            } else if (line[at] == '"') {
              closed = true;
              ++at;
              break;
            } else {
              value += line[at];
            }
          }
        }
        while (at < line.size() && IsBlank(line[at])) ++at;
        if (!closed || at >= line.size() || line[at] != ']') {
          reader->Fail("bad tag line '" + std::string(line.substr(0, 80)) + "'");
          reader->section.clear();
          break;
        }
        i = at + 1;
        if (value == "#") {
          const auto last = last_values.find(name);
          value = last != last_values.end() ? last->second : "";
        } else if (value.starts_with("##")) {
          const auto last = last_values.find(name);
          value = last != last_values.end() ? last->second : value.substr(2);
        }
        last_values[name] = value;
        reader->Tag(name, value);
      } else {
        size_t end = i;
        while (end < line.size() && !IsBlank(line[end]) && line[end] != ';' && line[end] != '{' &&
               line[end] != '[')
          ++end;
        if (in_game) reader->Token(line.substr(i, end - i));
        i = end;
      }
    }
  }
  finish();
  return read;
}

}  // namespace quorvex
