#include "relay_bench.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <deque>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "game/controller.h"
#include "game/deal.h"
#include "net/tour_frames.h"
#include "silent_table_view.h"
#include "tournament_relay.h"

namespace quorvex::bench {
namespace {

using Clock = std::chrono::steady_clock;

// Every seat is always held from this machine; a freed seat is taken again at once.
class OpenHost : public server::RelayHost {
 public:
  std::optional<server::SeatHolder> Holder(int, int seat) override {
    return server::SeatHolder{seat == 1 ? "One" : "Two", "127.0.0.1"};
  }
  void SeatConnected(int, int) override {}
  void MatchStarted(int) override {}
  void RecordMatch(const server::MatchRecord&) override { ++matches; }
  void FreeSeat(int, int) override {}
  long matches = 0;
};

class UnusedRandom : public Random {
 public:
  void Reseed() override {}
  int Below(int) override { return 0; }
};

class UnusedClock : public quorvex::Clock {
 public:
  int64_t NowMs() override { return 0; }
};

// One seat's program: a blocking socket and the game's controller, framed for the relay.
class Seat : public PeerLink {
 public:
  Seat(int seat, unsigned seed)
      : seat_(seat), pick_(seed), controller_(view_, opponent_, random_, clock_, hooks_) {
    controller_.SetPeerLink(this);
  }
  ~Seat() override {
    if (fd_ >= 0) close(fd_);
  }

  bool Connect(int port) {
    fd_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return false;
    int on = 1;
    setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    Write(FrameTourMessage("connect" + std::string(1, char('0' + seat_)), Digit()));
    return true;
  }
  int Fd() const { return fd_; }

  void SendMessage(const std::string& message) override {
    out_.push_back(FrameTourMessage(message, Digit()));
  }

  // Reads what is there; false once the relay closed the connection.
  bool Read(std::deque<Clock::time_point>& arriving, std::vector<double>& latencies) {
    char buffer[4096];
    const ssize_t n = recv(fd_, buffer, sizeof buffer, 0);
    if (n <= 0) return false;
    const Clock::time_point now = Clock::now();
    for (const TourFrame& frame : reader_.Feed(std::string_view(buffer, size_t(n)))) {
      if (frame.kind == TourFrameKind::Deck) {
        const TableRole role = seat_ == 1 ? TableRole::TourSeat1 : TableRole::TourSeat2;
        TDealState& state = controller_.MutableState();
        state.Deck = frame.deck;
        state.DeckRank = frame.ranks;
        DealCards(state, role);
        controller_.StartSession(role, SessionPlayer{}, std::string());
        dealt_ = true;
        continue;
      }
      if (frame.kind == TourFrameKind::GameOver) over_ = true;
      if (frame.kind == TourFrameKind::Abandoned || frame.kind == TourFrameKind::TimeUp)
        broken_ = true;
      if (frame.seat == '0') continue;
      if (!arriving.empty()) {
        latencies.push_back(
            std::chrono::duration<double, std::milli>(now - arriving.front()).count());
        arriving.pop_front();
      }
      switch (frame.kind) {
        case TourFrameKind::Begin:
          controller_.OnPeerBegin();
          break;
        case TourFrameKind::Card:
          controller_.OnPeerCard(frame.number);
          break;
        case TourFrameKind::Collect:
          controller_.OnPeerCollect();
          break;
        case TourFrameKind::Call:
          controller_.OnPeerCall(frame.number);
          break;
        case TourFrameKind::Close:
          controller_.OnPeerClose();
          break;
        default:
          break;
      }
    }
    return true;
  }

  // Makes the seat's moves while the game lets it; each leaves with its time in `leaving`.
  void Act(std::deque<Clock::time_point>& leaving) {
    while (dealt_ && !over_ && !broken_ && Step()) {
    }
    for (const std::string& frame : out_) {
      leaving.push_back(Clock::now());
      Write(frame);
    }
    out_.clear();
  }

  // Seat 1 reports the result, as its end button does.
  void Finish() {
    if (seat_ == 1) Write(FrameTourMessage(TourResultMessage(controller_.Balance()), Digit()));
  }
  bool Over() const { return over_; }
  bool Broken() const { return broken_; }

 private:
  char Digit() const { return char('0' + seat_); }
  void Write(const std::string& bytes) { (void)!send(fd_, bytes.data(), bytes.size(), 0); }

  bool Step() {
    const TDealState& state = controller_.State();
    const AuctionEngine& auction = controller_.Auction();
    if (seat_ == 1 && state.PlayState == 1 && controller_.MainButton().enabled) {
      controller_.OnMainButton();
      return true;
    }
    if (state.Phase == PhaseSeat2 && state.PlayState == 2) {
      std::vector<int> legal;
      for (int i = 1; i <= kHandSlots; ++i)
        if (controller_.CanPlayLowerCard(i)) legal.push_back(i);
      if (legal.empty()) return false;
      return controller_.OnLowerHandClick(legal[pick_() % legal.size()]);
    }
    if (state.Phase == PhaseBidSeat2 && !auction.Closed()) {
      const int highest = auction.Table().HighestBid();
      controller_.OnLocalCall(highest < 2 + seat_ ? highest + 1 : 38);
      return true;
    }
    if (seat_ == 1 && auction.Closed() && !auction.MayClose()) {
      controller_.OnBiddingOk();
      return true;
    }
    if (seat_ == 1 && state.Phase == PhaseTrickDone && controller_.MainButton().enabled) {
      controller_.OnMainButton();
      return true;
    }
    return false;
  }

  int seat_;
  int fd_ = -1;
  std::minstd_rand pick_;
  TourReader reader_;
  std::vector<std::string> out_;
  bool dealt_ = false;
  bool over_ = false;
  bool broken_ = false;
  server::SilentTableView view_;
  PlainOpponent opponent_;
  UnusedRandom random_;
  UnusedClock clock_;
  SessionHooks hooks_;
  GameController controller_;
};

struct TableResult {
  std::vector<double> latencies_ms;
  long deals = 0;
  long failures = 0;
};

// Deal after deal at one table until the time is up; each move waits `think` first, as a player
// does (zero: as fast as the relay answers).
void PlayTable(int port, unsigned seed, std::chrono::milliseconds think, Clock::time_point end,
               TableResult& result) {
  while (Clock::now() < end) {
    Seat one(1, seed++);
    Seat two(2, seed++);
    if (!one.Connect(port) || !two.Connect(port)) {
      ++result.failures;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      continue;
    }
    // Moves in flight from seat 1 to seat 2 and back, by the time they left.
    std::deque<Clock::time_point> to_two;
    std::deque<Clock::time_point> to_one;
    bool open[2] = {true, true};
    bool reported = false;
    while (open[0] || open[1]) {
      pollfd fds[2] = {{one.Fd(), POLLIN, 0}, {two.Fd(), POLLIN, 0}};
      if (poll(fds, 2, 5000) <= 0) {
        ++result.failures;
        break;
      }
      if (open[0] && (fds[0].revents & (POLLIN | POLLHUP)))
        open[0] = one.Read(to_one, result.latencies_ms);
      if (open[1] && (fds[1].revents & (POLLIN | POLLHUP)))
        open[1] = two.Read(to_two, result.latencies_ms);
      // Thinking only while no move is on its way, so that no arrival waits for it.
      if (think.count() > 0 && to_one.empty() && to_two.empty()) std::this_thread::sleep_for(think);
      one.Act(to_two);
      two.Act(to_one);
      if (one.Broken() || two.Broken()) {
        ++result.failures;
        break;
      }
      if (one.Over() && two.Over() && !reported) {
        reported = true;
        ++result.deals;
        one.Finish();
      }
    }
  }
}

}  // namespace

int RunRelayBench(int seconds, int think_ms) {
  int argc = 1;
  char name[] = "quorvex-server-bench";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  OpenHost host;
  std::unique_ptr<server::TournamentRelay> relay;
  quint16 base = 0;
  for (int attempt = 0; attempt < 20 && !relay; ++attempt) {
    base = quint16(20000 + QRandomGenerator::global()->bounded(40000));
    auto candidate = std::make_unique<server::TournamentRelay>(host, QHostAddress::LocalHost, base);
    QString error;
    if (candidate->Listen(&error)) relay = std::move(candidate);
  }
  if (!relay) {
    std::fprintf(stderr, "quorvex-server-bench: no free relay ports\n");
    return 1;
  }

  const auto start = Clock::now();
  const auto end = start + std::chrono::seconds(seconds);
  std::vector<TableResult> results(server::kTournamentTables);
  std::atomic<int> running{server::kTournamentTables};
  std::vector<std::thread> tables;
  for (int t = 1; t <= server::kTournamentTables; ++t) {
    tables.emplace_back([&, t] {
      PlayTable(base + t, unsigned(t * 1000), std::chrono::milliseconds(think_ms), end,
                results[size_t(t - 1)]);
      --running;
    });
  }
  // The relay runs in this thread's event loop, as in the server.
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, &app, [&] {
    if (running == 0) app.quit();
  });
  watch.start(50);
  app.exec();
  for (std::thread& t : tables) t.join();
  const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();

  std::vector<double> all;
  long deals = 0;
  long failures = 0;
  for (const TableResult& r : results) {
    all.insert(all.end(), r.latencies_ms.begin(), r.latencies_ms.end());
    deals += r.deals;
    failures += r.failures;
  }
  std::sort(all.begin(), all.end());
  auto percentile = [&all](double p) {
    return all.empty() ? 0.0 : all[std::min(all.size() - 1, size_t(p * double(all.size())))];
  };
  std::printf(
      "%-16s %8.0f moves/s     p50 %6.3f ms p99 %6.3f ms  (%zu moves, %ld deals, %ld recorded, "
      "%ld failed, %d tables, %d ms to think, %.1f s)\n",
      "relay move", double(all.size()) / elapsed, percentile(0.50), percentile(0.99), all.size(),
      deals, host.matches, failures, server::kTournamentTables, think_ms, elapsed);
  return failures == 0 ? 0 : 1;
}

}  // namespace quorvex::bench
