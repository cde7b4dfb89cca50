#include "ui/online/account_keeper.h"

#include "online/account_login.h"
#include "online/rated_match.h"
#include "online/service_addresses.h"

namespace quorvex {

AccountKeeper::AccountKeeper(HttpClient& http, Settings& settings,
                             std::filesystem::path user_folder)
    : http_(http),
      user_folder_(std::move(user_folder)),
      service_(std::make_unique<AccountService>(
          http, BuiltInStoredAddress(ServiceAddress::Account).plain)),
      context_{*service_,
               session_,
               *this,
               http,
               BuiltInStoredAddress(ServiceAddress::AvatarBase).plain,
               BuiltInStoredAddress(ServiceAddress::Payment).plain,
               BuiltInStoredAddress(ServiceAddress::TopTen).plain,
               user_folder_,
               settings,
               {}} {}

AccountKeeper::~AccountKeeper() = default;

void AccountKeeper::SetAddresses(const std::string& account, const std::string& avatar_base,
                                 const std::string& payment_page, const std::string& records) {
  service_->SetAddress(account);
  context_.avatar_base = avatar_base;
  context_.payment_page = payment_page;
  context_.records = records;
}

void AccountKeeper::LogInAtStart() {
  AutomaticLogin(*service_, user_folder_, session_);
  if (session_.state != AccountState::NotLoggedIn)
    service_->ReadGameRecord(session_.user, session_.game);
  RedrawLampAndMenu();
}

void AccountKeeper::OpenWindow() {
  const AccountState state = session_.state;
  const std::string nick = session_.user.Nick;
  if (window_opener_) window_opener_(context_, false);
  if (state != session_.state || nick != session_.user.Nick) RedrawLampAndMenu();
}

bool AccountKeeper::StartMatch() {
  if (session_.state == AccountState::NotLoggedIn) return false;
  return StartRatedMatch(*service_, session_, *this);
}

bool AccountKeeper::FinishMatch(int64_t match_score, int64_t cycle_score) {
  // Only a match whose provisional update went through has a final one.
  if (!session_.rated_match_running) return false;
  const RatedMatchEnd end = FinishRatedMatch(*service_, session_, *this, match_score, cycle_score);
  return end.saved && end.cycle_completed;
}

AccountCycleWrite AccountKeeper::WriteCycle(int64_t cycle_score) {
  return WriteAccountCycle(http_, context_.records, *service_, session_, *this, cycle_score);
}

void AccountKeeper::MatchHandled() {
  // A match left before its end was never finished.
  session_.rated_match_running = false;
  if (session_.state == AccountState::RatingGame) session_.state = AccountState::LoggedIn;
  RedrawLampAndMenu();
}

void AccountKeeper::ShowAccountWindowForRatedStart() {
  if (window_opener_) window_opener_(context_, true);
}

void AccountKeeper::PlayErrorSound() {
  if (error_sound_) error_sound_();
}

void AccountKeeper::Wait(int milliseconds) {
  if (pause_) pause_(milliseconds);
}

void AccountKeeper::ShowMessage(const std::string& text) {
  if (message_) message_(text);
}

bool AccountKeeper::AskYesNo(const std::string& question) {
  return question_ ? question_(question) : false;
}

void AccountKeeper::RedrawLampAndMenu() {
  if (state_shown_) state_shown_();
}

}  // namespace quorvex
