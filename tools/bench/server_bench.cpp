// quorvex-server-bench: drives a running quorvex-server over the loopback with many connections
// at once and reports requests per second and the median and 99th percentile latency of a
// top-ten read and of an entry write.
//
//   quorvex-server-bench http://127.0.0.1:8047 [connections] [seconds]
//
// With --relay it runs the tournament relay in its own process instead: ten tables at once, two
// players' programs each, and reports the median and 99th percentile time of a move from one
// seat to the other.
//
//   quorvex-server-bench --relay [seconds] [ms to think before each move]
//
// With --radio it runs one of the server's radio stations in its own process with many
// listeners, half of whom take nothing, and reports their rate, memory and processor time.
//
//   quorvex-server-bench --radio [listeners] [seconds]
#include <curl/curl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#ifdef QUORVEX_BENCH_RELAY
#include "radio_bench.h"
#include "relay_bench.h"
#endif

namespace {

using Clock = std::chrono::steady_clock;

size_t Discard(char*, size_t size, size_t count, void* reply) {
  static_cast<std::string*>(reply)->append(size * count, ' ');
  return size * count;
}

struct Result {
  std::vector<double> latencies_ms;
  long failures = 0;
};

// One connection, kept open, asking as fast as the server answers until the time is up.
void Worker(const std::string& url, const std::string& body_prefix, bool numbered, int id,
            Clock::time_point end, Result& result) {
  CURL* curl = curl_easy_init();
  std::string reply;
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, 5000L);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Discard);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &reply);
  curl_easy_setopt(curl, CURLOPT_USERAGENT, "ZefSpecAccess");
  long n = 0;
  while (Clock::now() < end) {
    std::string body = body_prefix;
    if (numbered)
      body +=
          "&score=" + std::to_string((id * 7919 + n * 104729) % 5000) + "&R7=M&R8=5.7f&R9=#&R10=#*";
    ++n;
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.c_str());
    reply.clear();
    const auto start = Clock::now();
    const CURLcode code = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    if (code != CURLE_OK || status != 200) {
      ++result.failures;
      continue;
    }
    result.latencies_ms.push_back(
        std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  curl_easy_cleanup(curl);
}

void Run(const char* what, const std::string& url, const std::string& body, bool numbered,
         int connections, int seconds) {
  std::vector<Result> results(static_cast<size_t>(connections));
  std::vector<std::thread> threads;
  const auto start = Clock::now();
  const auto end = start + std::chrono::seconds(seconds);
  for (int i = 0; i < connections; ++i)
    threads.emplace_back(Worker, url, body, numbered, i, end, std::ref(results[size_t(i)]));
  for (std::thread& t : threads) t.join();
  const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  std::vector<double> all;
  long failures = 0;
  for (const Result& r : results) {
    all.insert(all.end(), r.latencies_ms.begin(), r.latencies_ms.end());
    failures += r.failures;
  }
  std::sort(all.begin(), all.end());
  auto percentile = [&all](double p) {
    return all.empty() ? 0.0 : all[std::min(all.size() - 1, size_t(p * double(all.size())))];
  };
  std::printf(
      "%-16s %8.0f requests/s  p50 %6.2f ms  p99 %6.2f ms  (%zu answered, %ld failed, "
      "%d connections, %.1f s)\n",
      what, double(all.size()) / elapsed, percentile(0.50), percentile(0.99), all.size(), failures,
      connections, elapsed);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || std::string(argv[1]) == "--help") {
    std::printf(
        "usage: quorvex-server-bench BASE_URL [connections=50] [seconds=5]\n"
        "       quorvex-server-bench --relay [seconds=5] [think_ms=0]\n"
        "       quorvex-server-bench --radio [listeners=200] [seconds=10]\n");
    return argc < 2 ? 1 : 0;
  }
  if (std::string(argv[1]) == "--relay") {
#ifdef QUORVEX_BENCH_RELAY
    return quorvex::bench::RunRelayBench(argc > 2 ? std::max(1, std::atoi(argv[2])) : 5,
                                         argc > 3 ? std::max(0, std::atoi(argv[3])) : 0);
#else
    std::fprintf(stderr, "quorvex-server-bench: built without the server\n");
    return 1;
#endif
  }
  if (std::string(argv[1]) == "--radio") {
#ifdef QUORVEX_BENCH_RELAY
    return quorvex::bench::RunRadioBench(argc > 2 ? std::max(1, std::atoi(argv[2])) : 200,
                                         argc > 3 ? std::max(1, std::atoi(argv[3])) : 10);
#else
    std::fprintf(stderr, "quorvex-server-bench: built without the server\n");
    return 1;
#endif
  }
  const std::string base = argv[1];
  const int connections = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
  const int seconds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
  curl_global_init(CURL_GLOBAL_DEFAULT);
  // A list with some entries first, so that the read has ten to send.
  Run("entry write", base + "/records.php", "gid=147&nick=Bench&city=Loop&country=1-001", true,
      connections, seconds);
  Run("top-ten read", base + "/records.php", "gid=147", false, connections, seconds);
  curl_global_cleanup();
  return 0;
}
