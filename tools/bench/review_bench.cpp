// quorvex-review-bench: times the review of whole deals (AnalyseDeal) over a fixed series of
// recorded deals made as a game against the computer makes them (the draw phase played), seat 2
// playing a random legal card now and then; then the same over plain splits of the shuffled
// deck, where the hands are more even and the searches longer.
// Usage: quorvex-review-bench [deals] [random percent].
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "opponent/deal_review.h"
#include "recorded_deals.h"

namespace {

constexpr uint64_t kSeed = 0x5EC0DE5u;

double Milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// Processor time of this thread: what a review costs however busy the machine is.
double ThreadMilliseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void Report(const char* name, std::vector<double> ms) {
  if (ms.empty()) return;
  std::sort(ms.begin(), ms.end());
  const size_t n = ms.size();
  const double median = n % 2 == 1 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
  const size_t p90 = std::min(n - 1, (n * 90 + 99) / 100 - 1);
  std::printf("  %-13s min %7.2f ms   median %7.2f ms   p90 %7.2f ms   max %7.2f ms   (%zu)\n",
              name, ms.front(), median, ms[p90], ms.back(), n);
}

// Reviews every deal of a series and prints its figures; false when a review fell short.
bool RunSeries(const char* name, int deals, int random_percent, bool draw_phase,
               uint64_t& checksum) {
  const auto make_start = std::chrono::steady_clock::now();
  std::vector<quorvex::DealRecord> records;
  for (int d = 0; d < deals; ++d)
    records.push_back(quorvex::bench::MakeRecordedDeal(kSeed, d, random_percent, draw_phase));
  const double make_ms = Milliseconds(std::chrono::steady_clock::now() - make_start);

  std::vector<double> all_ms;
  std::vector<double> cpu_ms;
  std::vector<double> played_ms;
  long searches = 0;
  long cards = 0;
  long costly = 0;
  int short_reviews = 0;
  for (const quorvex::DealRecord& record : records) {
    if (!quorvex::DealRecordConsistent(record)) ++short_reviews;
    int total = 0;
    const double cpu_start = ThreadMilliseconds();
    const auto start = std::chrono::steady_clock::now();
    const std::optional<quorvex::DealAnalysis> analysis =
        quorvex::AnalyseDeal(record, [&](int, int t) {
          total = t;
          return true;
        });
    const double ms = Milliseconds(std::chrono::steady_clock::now() - start);
    cpu_ms.push_back(ThreadMilliseconds() - cpu_start);
    all_ms.push_back(ms);
    if (!record.contract_play.empty()) played_ms.push_back(ms);
    searches += total;
    if (!analysis || analysis->cards.size() != record.contract_play.size()) {
      ++short_reviews;
      continue;
    }
    for (const quorvex::CardReview& c : analysis->cards) {
      ++cards;
      costly += c.cost > 0 ? 1 : 0;
      checksum = checksum * 31 + c.best * 16u + c.cost;
    }
    checksum = checksum * 31 + static_cast<uint64_t>(analysis->best_score);
  }

  std::printf("%s: %d deals made in %.0f ms, %zu played out; %d reviews fell short\n", name, deals,
              make_ms, played_ms.size(), short_reviews);
  std::printf("  %ld cards reviewed, %ld of them cost tricks; %.1f searches per deal\n", cards,
              costly, static_cast<double>(searches) / deals);
  Report("wall clock", all_ms);
  Report("processor", cpu_ms);
  if (played_ms.size() != all_ms.size()) Report("played out", played_ms);
  return short_reviews == 0;
}

}  // namespace

int main(int argc, char** argv) {
  const int deals = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  const int random_percent = argc > 2 ? std::clamp(std::atoi(argv[2]), 0, 100) : 20;
  std::printf(
      "quorvex-review-bench: AnalyseDeal per deal; seat 2 plays a random card %d%% of the "
      "time\n",
      random_percent);
  uint64_t checksum = 0;
  bool whole = RunSeries("as played (draw phase)", deals, random_percent, true, checksum);
  whole = RunSeries("plain splits", deals, random_percent, false, checksum) && whole;
  std::printf("peak memory  %.1f MB\n", PeakMegabytes());
  // Times are wall-clock: a busy machine shows here.
  double load[1] = {0};
  if (getloadavg(load, 1) == 1) std::printf("load average %.2f\n", load[0]);
  std::printf("checksum     %016llx\n", static_cast<unsigned long long>(checksum));
  return whole ? 0 : 1;
}
