// The online account for the whole run: the automatic login at start, the rated match around a
// session played as the account, the account score list after a rated cycle, and the windows'
// side of the account logic (messages, questions, the error sound, pauses, the account window).
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "online/account_cycle_write.h"
#include "online/account_hooks.h"
#include "online/account_records.h"
#include "online/account_service.h"
#include "online/http_client.h"
#include "ui/online/account_context.h"

namespace quorvex {

class AccountKeeper : public AccountHooks {
 public:
  // `user_folder` holds "ZefUser.zef" (the program folder's parent).
  AccountKeeper(HttpClient& http, Settings& settings, std::filesystem::path user_folder);
  ~AccountKeeper() override;

  // The service addresses as the online configuration left them; before any request.
  void SetAddresses(const std::string& account, const std::string& avatar_base,
                    const std::string& payment_page, const std::string& records);

  // The windows' side. Each has a quiet default, so that tests set only what they watch.
  void SetWindowOpener(std::function<void(AccountContext&, bool rated_start)> opener) {
    window_opener_ = std::move(opener);
  }
  void SetMessage(std::function<void(const std::string&)> message) {
    message_ = std::move(message);
  }
  void SetQuestion(std::function<bool(const std::string&)> question) {
    question_ = std::move(question);
  }
  void SetErrorSound(std::function<void()> sound) { error_sound_ = std::move(sound); }
  void SetPause(std::function<void(int)> pause) { pause_ = std::move(pause); }
  // The lamp of the main window and the menu show the account's state.
  void SetStateShown(std::function<void()> shown) { state_shown_ = std::move(shown); }

  // At start-up: logs in with the user file, if there is one, and reads the game record.
  void LogInAtStart();
  // The account window, from the account picture of the main menu.
  void OpenWindow();

  AccountState State() const { return session_.state; }
  const AccountSession& Session() const { return session_; }
  AccountSession& MutableSession() { return session_; }
  AccountContext& Context() { return context_; }

  // Before a local game while logged in: the account window for a rated start, then the
  // provisional update. Whether the session is a rated match played as the account.
  bool StartMatch();
  bool MatchRunning() const { return session_.rated_match_running; }
  // The session as the controller starts it: the account's nick, with the deals and the score
  // of its unfinished cycle.
  std::string Nick() const { return session_.user.Nick; }
  int64_t CycleDeals() const { return session_.game.KonL; }
  int64_t CycleScore() const { return session_.game.Score; }
  // After the match: its final update; whether it completed a rated cycle.
  bool FinishMatch(int64_t match_score, int64_t cycle_score);
  double Rating() const { return session_.game.Rating; }
  // After a completed rated cycle: the write to the account score list with its bonus.
  AccountCycleWrite WriteCycle(int64_t cycle_score);
  // Every match is chosen anew: a rated state falls back to logged in.
  void MatchHandled();

  // AccountHooks
  void ShowAccountWindowForRatedStart() override;
  void PlayErrorSound() override;
  void Wait(int milliseconds) override;
  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& question) override;
  void RedrawLampAndMenu() override;

 private:
  HttpClient& http_;
  std::filesystem::path user_folder_;
  std::unique_ptr<AccountService> service_;
  AccountSession session_;
  AccountContext context_;
  std::function<void(AccountContext&, bool)> window_opener_;
  std::function<void(const std::string&)> message_;
  std::function<bool(const std::string&)> question_;
  std::function<void()> error_sound_;
  std::function<void(int)> pause_;
  std::function<void()> state_shown_;
};

}  // namespace quorvex
