// Test doubles for the core's interfaces: a view that records what it was asked to show, a
// seeded random source, a settable clock and a link that keeps the messages sent.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "game/platform.h"
#include "game/table_view.h"
#include "opponent/auction_table.h"

namespace quorvex::testing {

class RecordingView : public TableView {
 public:
  void ShowScreen(Screen s) override { screen = s; }
  void DrawHand(const TDealState& state, int seat, bool face_up) override {
    hand_count[seat] = state.HandCount[seat];
    hand_face_up[seat] = face_up;
  }
  void DrawNamePlate(int seat, const NamePlate& p) override { plate[seat] = p; }
  void DrawTrickPanel(int seat, const TrickPanel& p) override { panel[seat] = p; }
  void DrawDealPanel(int count, const TDealState* contract, const std::string& h) override {
    deal_count = count;
    has_contract = contract != nullptr;
    hint = h;
  }
  void DrawStock(int left) override { stock = left; }
  void ClearTableCentre(int) override { trick_shown = 0; }
  void DrawTrickCard(int, const TCard&) override { ++trick_shown; }
  void ShowResult(const DealScore& s) override { results.push_back(s); }
  void FlyCard(const FlightEnd& from, const FlightEnd& to, const TCard& card) override {
    flights.push_back({from, to, card});
  }
  void BeginDealRecording() override { ++recordings_begun; }
  void EndDealRecording() override { ++recordings_ended; }
  void ShowWaitText(const std::string& text) override { wait_text = text; }
  void DrawMoveClock(int seat, int seconds) override { clock[seat] = seconds; }
  void SetClockTimer(bool running) override { clock_timer = running; }
  void Inform(const std::string& text) override { told.push_back(text); }
  void AddChatLine(int sender, const std::string& text) override {
    chat.push_back(std::to_string(sender) + ":" + text);
  }
  void SetChatEnabled(bool enabled) override { chat_enabled = enabled; }
  void SetMainButton(const ButtonState& s) override { main = s; }
  void SetEndButton(const ButtonState& s) override { end = s; }
  void SetMainTimer(int interval, bool running) override {
    timer_interval = interval;
    timer_running = running;
  }
  void OpenBidding() override { bidding_open = true; }
  void UpdateBidding(const AuctionTable&, const BiddingButtons& b) override { buttons = b; }
  void CloseBidding() override { bidding_open = false; }
  void PlayEffect(const std::string& name) override { effects.push_back(name); }
  bool AskYesNo(const std::string& text) override {
    questions.push_back(text);
    return answer;
  }
  void SetBusy(bool b) override { busy = b; }
  void SetForecastMode(bool on) override { forecast_mode = on; }
  void ShowForecastLine(const std::string& line) override { forecast_line = line; }
  void DrawForecastProgress(int percent) override { progress.push_back(percent); }

  bool Played(const std::string& effect) const {
    for (const auto& e : effects)
      if (e == effect) return true;
    return false;
  }

  Screen screen = Screen::Title;
  int hand_count[3] = {};
  bool hand_face_up[3] = {};
  NamePlate plate[3];
  TrickPanel panel[3];
  int deal_count = 0;
  bool has_contract = false;
  std::string hint;
  int stock = -1;
  int trick_shown = 0;
  std::vector<DealScore> results;
  struct Flight {
    FlightEnd from;
    FlightEnd to;
    TCard card;
  };
  std::vector<Flight> flights;
  int recordings_begun = 0;
  int recordings_ended = 0;
  std::string wait_text;
  ButtonState main;
  ButtonState end;
  int clock[3] = {-1, -1, -1};
  bool clock_timer = false;
  std::vector<std::string> told;
  std::vector<std::string> chat;
  bool chat_enabled = true;
  int timer_interval = 0;
  bool timer_running = false;
  bool bidding_open = false;
  BiddingButtons buttons;
  std::vector<std::string> effects;
  std::vector<std::string> questions;
  bool answer = true;
  bool busy = false;
  bool forecast_mode = false;
  std::string forecast_line;
  std::vector<int> progress;
};

class SeededRandom : public Random {
 public:
  explicit SeededRandom(unsigned seed) : engine_(seed) {}
  void Reseed() override {}
  int Below(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

 private:
  std::mt19937 engine_;
};

class FakeClock : public Clock {
 public:
  int64_t NowMs() override { return now; }
  int64_t now = 0;
};

class RecordingLink : public PeerLink {
 public:
  void SendMessage(const std::string& m) override { sent.push_back(m); }
  std::vector<std::string> sent;
};

}  // namespace quorvex::testing
