#include "pbn_mode.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "card_tricks.h"
#include "game/card.h"
#include "game/trick.h"
#include "opponent/auction_table.h"
#include "records/deal_record.h"
#include "records/pbn_import.h"
#include "records/pbn_text.h"

namespace quorvex::solve {

namespace {

// Far above any file of deals; a bigger one is not a PBN file worth reading whole.
constexpr std::uintmax_t kFileLimit = 64u << 20;

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error) {
  std::error_code code;
  const std::filesystem::file_status status = std::filesystem::status(path, code);
  if (code || !std::filesystem::exists(status)) {
    error = "no such file";
    return false;
  }
  if (!std::filesystem::is_regular_file(status)) {
    error = "not a file";
    return false;
  }
  const std::uintmax_t size = std::filesystem::file_size(path, code);
  if (!code && size > kFileLimit) {
    error = "larger than 64 MB";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = std::strerror(errno);
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) {
    error = "read error";
    return false;
  }
  bytes = text.str();
  return true;
}

int SuitOf(uint8_t card) {
  return (card - 1) % 4;
}

bool Holds(const std::vector<uint8_t>& hand, uint8_t card) {
  return std::find(hand.begin(), hand.end(), card) != hand.end();
}

std::string ContractText(const PbnGame& g) {
  return PbnCallText(g.contract) + (g.doubling == 2 ? "XX" : g.doubling == 1 ? "X" : "");
}

// Analyses one game into `out`; the reason when it cannot be analysed.
std::string AnalyseGame(const PbnGame& g, CardTricks& tricks, std::ostream& out) {
  if (!g.error.empty()) return g.error;
  if (g.contract == 0) return "passed out: no play to analyse";
  if (g.contract < 0) return "no contract";
  std::vector<int> seats;
  for (int seat = 0; seat < 4; ++seat)
    if (g.hands[seat]) seats.push_back(seat);
  if (seats.size() != 2 || g.hands[seats[0]]->size() != 13 || g.hands[seats[1]]->size() != 13)
    return "not a deal of two hands of thirteen cards";
  const auto other_of = [&](int seat) { return seat == seats[0] ? seats[1] : seats[0]; };
  const auto ours = [&](int seat) { return seat == seats[0] || seat == seats[1]; };
  if (!ours(g.declarer)) return "the declarer holds no cards in the deal";
  if (!ours(g.leader)) return "the opening leader holds no cards in the deal";
  if (g.play.empty()) return "no play";

  const char trump = DenominationTrump(BidDenomination(g.contract));
  std::array<std::vector<uint8_t>, 4> left;
  for (const int seat : seats) left[static_cast<size_t>(seat)] = *g.hands[seat];
  std::ostringstream lines;
  int mover = g.leader;
  uint8_t led = 0;
  int trick = 1;
  int declarer_best = -1;
  for (const PbnPlayed& played : g.play) {
    const std::string card_text = PbnCardText(played.card);
    if (played.seat != mover)
      return "trick " + std::to_string(trick) + ": " + card_text + " played out of turn";
    std::vector<uint8_t>& hand = left[static_cast<size_t>(mover)];
    if (!Holds(hand, played.card))
      return "trick " + std::to_string(trick) + ": " + card_text + " is not in the hand";
    if (led != 0 && SuitOf(played.card) != SuitOf(led) &&
        std::any_of(hand.begin(), hand.end(), [&](uint8_t c) { return SuitOf(c) == SuitOf(led); }))
      return "trick " + std::to_string(trick) + ": " + card_text + " does not follow suit";
    const int other = other_of(mover);
    const CardTricksPosition position{hand, left[static_cast<size_t>(other)], led, trump,
                                      mover == g.declarer};
    const std::vector<std::pair<uint8_t, int>> values = tricks.LegalCardTricks(position);
    if (values.empty())
      return "trick " + std::to_string(trick) + ": the position cannot be searched";
    int best = 0;
    int value = 0;
    for (const auto& [card, card_value] : values) {
      best = std::max(best, card_value);
      if (card == played.card) value = card_value;
    }
    if (declarer_best < 0) declarer_best = mover == g.declarer ? best : 13 - best;
    char line[80];
    std::snprintf(line, sizeof line, "  %2d %c %s  best %2d  cost %d\n", trick,
                  PbnSeatLetter(mover), card_text.c_str(), best, best - value);
    lines << line;

    hand.erase(std::find(hand.begin(), hand.end(), played.card));
    if (led == 0) {
      led = played.card;
      mover = other;
      continue;
    }
    const TCard a = DealRecordCard(led);
    const TCard b = DealRecordCard(played.card);
    // The second card was the mover's; the trick's leader is the other hand.
    mover = TrickWinnerSlot(a, RankValue(a), b, RankValue(b), trump) == 2 ? mover : other;
    led = 0;
    ++trick;
  }
  out << lines.str();
  out << "  declarer's tricks with best play from the first card: " << declarer_best << "\n";
  return {};
}

}  // namespace

int RunPbnFile(const std::string& path, std::ostream& out, std::ostream& err) {
  std::string bytes;
  std::string error;
  if (!ReadWholeFile(path, bytes, error)) {
    err << "quorvex-solve: cannot read '" << path << "': " << error << "\n";
    return 1;
  }
  const PbnRead read = ReadPbnGames(bytes);
  if (read.games.empty()) {
    err << "quorvex-solve: no PBN games in '" << path << "'\n";
    return 1;
  }
  int failed = 0;
  CardTricks tricks;
  for (size_t i = 0; i < read.games.size(); ++i) {
    const PbnGame& g = read.games[i];
    const std::string name =
        "Game " + std::to_string(i + 1) + (g.board.empty() ? "" : " (board " + g.board + ")");
    std::ostringstream analysis;
    const std::string reason = AnalyseGame(g, tricks, analysis);
    if (!reason.empty()) {
      err << "quorvex-solve: " << name << ": " << reason << "\n";
      ++failed;
      continue;
    }
    out << name << ": " << ContractText(g) << " by " << PbnSeatLetter(g.declarer);
    if (g.result >= 0) out << ", result " << g.result;
    out << "\n" << analysis.str() << std::flush;
  }
  if (read.cut) {
    err << "quorvex-solve: only the first " << kPbnGameLimit << " games were read\n";
    ++failed;
  }
  return failed == 0 ? 0 : 1;
}

}  // namespace quorvex::solve
