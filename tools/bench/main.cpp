// quorvex-bench: times the computer's play search on 200 fixed deals.
//
// Forecast: the five root searches of the bidding forecast (clubs, diamonds, hearts, spades, no
// trump) from thirteen cards each, pruning and cache on, the cache emptied before each. Card
// choice: the first card of the contract, the computer leading with pruning and cache on. Hands
// are sorted as the game shows them: by the no-trump order during the auction, with the trump
// suit last once the contract is known.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "game/deal.h"
#include "opponent/play_search.h"
#include "opponent/search_cache.h"

namespace {

using quorvex::SearchCache;
using quorvex::SearchHand;
using quorvex::SearchPosition;
using quorvex::TCard;

constexpr int kDeals = 200;
constexpr char kDenominations[5] = {quorvex::kClubs, quorvex::kDiamonds, quorvex::kHearts,
                                    quorvex::kSpades, quorvex::kNoSuit};

struct Deal {
  std::vector<TCard> computer;
  std::vector<TCard> human;
};

Deal MakeDeal(int index) {
  std::mt19937_64 rng(0x51AB0000u + static_cast<uint64_t>(index));
  std::vector<int> deck(52);
  for (int i = 0; i < 52; ++i) deck[i] = i + 1;
  for (int i = 51; i > 0; --i) std::swap(deck[i], deck[rng() % static_cast<uint64_t>(i + 1)]);
  Deal deal;
  for (int i = 0; i < 13; ++i) deal.computer.push_back(quorvex::DeckCard(deck[i]));
  for (int i = 13; i < 26; ++i) deal.human.push_back(quorvex::DeckCard(deck[i]));
  return deal;
}

SearchHand SortedHand(const std::vector<TCard>& cards, char trump) {
  quorvex::TDealState state;
  state.Trump = trump;
  for (int i = 1; i <= 13; ++i) {
    state.Hand[1][i] = cards[i - 1];
    state.HandRank[1][i] = quorvex::RankValue(cards[i - 1]);
  }
  quorvex::SortHand(state, 1);
  SearchHand hand;
  for (int i = 1; i <= 13; ++i) {
    hand.card[i] = state.Hand[1][i];
    hand.rank[i] = state.HandRank[1][i];
  }
  return hand;
}

double Milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

void Report(const char* name, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  const double median =
      ms.size() % 2 == 1 ? ms[ms.size() / 2] : (ms[ms.size() / 2 - 1] + ms[ms.size() / 2]) / 2;
  const size_t p95 = std::min(ms.size() - 1, (ms.size() * 95 + 99) / 100 - 1);
  std::printf("%-12s median %8.3f ms   p95 %8.3f ms   max %8.3f ms   (%zu runs)\n", name, median,
              ms[p95], ms.back(), ms.size());
}

}  // namespace

int main() {
  SearchCache cache;
  std::vector<double> forecast_ms;
  std::vector<double> choice_ms;
  uint64_t checksum = 0;
  for (int d = 0; d < kDeals; ++d) {
    const Deal deal = MakeDeal(d);
    // The opening lead belongs to the player who moved second in the deal.
    const bool computer_started = d % 2 == 0;
    const SearchHand computer = SortedHand(deal.computer, quorvex::kNoSuit);
    const SearchHand human = SortedHand(deal.human, quorvex::kNoSuit);
    const auto start = std::chrono::steady_clock::now();
    for (char trump : kDenominations) {
      SearchPosition p;
      p.trump = trump;
      p.use_pruning = true;
      p.use_cache = true;
      p.mover = computer_started ? human : computer;
      p.other = computer_started ? computer : human;
      p.role = computer_started ? 2 : 1;
      cache.Clear();
      const quorvex::SearchResult r = quorvex::PlaySearch(p, cache);
      checksum = checksum * 31 + r.declarer;
    }
    forecast_ms.push_back(Milliseconds(std::chrono::steady_clock::now() - start));

    SearchPosition p;
    p.trump = kDenominations[d % 5];
    p.role = 1 + (d / 5) % 2;
    p.use_pruning = true;
    p.use_cache = true;
    p.mover = SortedHand(deal.computer, p.trump);
    p.other = SortedHand(deal.human, p.trump);
    const auto choice_start = std::chrono::steady_clock::now();
    cache.Clear();
    const quorvex::SearchResult r = quorvex::PlaySearch(p, cache);
    choice_ms.push_back(Milliseconds(std::chrono::steady_clock::now() - choice_start));
    checksum = checksum * 31 + static_cast<uint64_t>(r.slot);
  }
  std::printf("quorvex-bench: %d deals\n", kDeals);
  Report("forecast", forecast_ms);
  Report("card choice", choice_ms);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak memory  %.1f MB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
  // Times are wall-clock: a busy machine shows here.
  double load[1] = {0};
  if (getloadavg(load, 1) == 1) std::printf("load average %.2f\n", load[0]);
  std::printf("checksum     %016llx\n", static_cast<unsigned long long>(checksum));
  return 0;
}
