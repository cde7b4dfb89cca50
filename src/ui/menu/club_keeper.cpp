#include "ui/menu/club_keeper.h"

#include <QDateTime>
#include <QLocale>
#include <QMessageBox>
#include <algorithm>
#include <array>
#include <climits>

#include "locale/cp1251.h"
#include "locale/lang_text.h"
#include "locale/languages.h"
#include "records/history_file.h"
#include "records/rating.h"
#include "sound/effects.h"
#include "ui/dialogs/end_game_dialog.h"
#include "ui/dialogs/modal_run.h"
#include "ui/media/sound_player.h"
#include "ui/online/account_keeper.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

std::string ToFile(const std::string& utf8) {
  return Utf8ToCp1251(utf8).value_or(std::string());
}

HistoryStamp SystemStamp() {
  const QDateTime now = QDateTime::currentDateTime();
  const QString date = QLocale::system().toString(now.date(), QLocale::ShortFormat);
  return {now.time().hour(), now.time().minute(), ToFile(date.toStdString())};
}

void Message(QWidget* parent, const std::string& text) {
  QMessageBox box(QMessageBox::Warning, Qs(Text(Tx::ProductTitle)), Qs(text), QMessageBox::Ok,
                  parent);
  RunModal(box);
}

}  // namespace

ClubKeeper::ClubKeeper(std::filesystem::path program_dir)
    : dir_(std::move(program_dir)),
      local_club_(FreshClubFile()),
      net_club_(FreshClubFile()),
      stamp_(SystemStamp) {}

std::filesystem::path ClubKeeper::ClubPath() const {
  return ClubFilePath(dir_, network_);
}

bool ClubKeeper::ReadClubFilesAtStart(QWidget* parent, int settings_language) {
  const std::filesystem::path local = ClubFilePath(dir_, false);
  const ClubFileRead local_read = ReadClubFile(local);
  // The mark is honoured even in a file that fails its checks: the message is then shown in
  // the language the file asks for.
  SetCurrentLanguage(StartLanguage(settings_language, local_read.club.RussianMark()));
  if (!local_read.ok()) {
    Message(parent, ClubFileMessage(local_read.status, local));
    return false;
  }
  const std::filesystem::path net = ClubFilePath(dir_, true);
  const ClubFileRead net_read = ReadClubFile(net);
  if (!net_read.ok()) {
    Message(parent, ClubFileMessage(net_read.status, net));
    return false;
  }
  local_club_ = local_read.club;
  net_club_ = net_read.club;
  return true;
}

SessionPlayer ClubKeeper::BeginSession(int slot, const std::string& name,
                                       const std::string& password) {
  const std::optional<ClubProfile> profile = slot >= 1 ? Club().Profile(slot) : std::nullopt;
  in_session_ = true;
  as_account_ = false;
  tournament_ = false;
  last_.reset();
  slot_ = profile ? slot : 0;
  password_ = ToFile(password);
  if (profile) {
    name_ = file_name_ = profile->name;
    previous_deals_ = profile->deals;
    previous_rating_ = profile->rating;
    initial_score_ = profile->score;
  } else {
    name_ = file_name_ = ClubName(ToFile(name));
    previous_deals_ = 0;
    previous_rating_ = 0;
    initial_score_ = 0;
  }
  return SessionPlayer{name_, previous_deals_, initial_score_};
}

SessionPlayer ClubKeeper::BeginAccountSession() {
  in_session_ = true;
  as_account_ = true;
  tournament_ = false;
  last_.reset();
  slot_ = 0;
  password_.clear();
  name_ = file_name_ = ClubName(ToFile(account_ ? account_->Nick() : std::string()));
  previous_deals_ = account_ ? int32_t(account_->CycleDeals()) : 0;
  previous_rating_ = account_ ? account_->Rating() : 0;
  initial_score_ = account_ ? int32_t(account_->CycleScore()) : 0;
  return SessionPlayer{name_, previous_deals_, initial_score_};
}

SessionPlayer ClubKeeper::BeginTournamentSession(const std::string& nick, int32_t score,
                                                 int32_t games) {
  in_session_ = true;
  as_account_ = false;
  tournament_ = true;
  last_.reset();
  slot_ = 0;
  password_.clear();
  name_ = file_name_ = ClubName(ToFile(nick));
  previous_deals_ = games;
  previous_rating_ = 0;
  initial_score_ = score;
  return SessionPlayer{name_, previous_deals_, initial_score_};
}

void ClubKeeper::TournamentStanding(int32_t& result, double& rating) {
  // The service scored the deal itself; the result is what it changed.
  const std::optional<TournamentStandingRead> now =
      tournament_read_ ? tournament_read_() : std::nullopt;
  if (!now) {
    result = 0;
    rating = 0;
    return;
  }
  result = int32_t(std::clamp<int64_t>(now->score - initial_score_, INT32_MIN, INT32_MAX));
  rating = now->rating;
}

void ClubKeeper::SessionLeft() {
  // A tournament game has no club record to save: leaving just ends its session.
  if (!in_session_ || !tournament_) return;
  in_session_ = false;
  tournament_ = false;
  if (menu_back_) menu_back_();
}

void ClubKeeper::DealRecorded(const DealRecord& record) {
  DealRecord deal = record;
  deal.time = QDateTime::currentSecsSinceEpoch();
  // The table keeps names in the club files' code page; the records keep UTF-8.
  for (int seat = 1; seat <= 2; ++seat) deal.names[seat] = Cp1251ToUtf8(deal.names[seat]);
  last_deal_ = deal;
  AddDealRecord(dir_, deal, kDealRecordLimitDefault);
}

AccountState ClubKeeper::Account() const {
  if (AsAccount()) return AccountState::RatingGame;
  return account_ ? account_->State() : AccountState::NotLoggedIn;
}

std::string ClubKeeper::PlayerName() const {
  return Cp1251ToUtf8(TrimmedClubName(name_));
}

bool ClubKeeper::RenameMember(const std::string& utf8_name) {
  if (!in_session_) return false;
  const std::optional<std::string> bytes = Utf8ToCp1251(utf8_name);
  if (!bytes) return false;
  const std::string name = ClubName(*bytes);
  if (TrimmedClubName(name).empty()) return false;
  for (int slot = 1; slot <= 5; ++slot) {
    if (slot == slot_) continue;
    const std::optional<ClubProfile> other = Club().Profile(slot);
    if (other && TrimmedClubName(other->name) == TrimmedClubName(name)) return false;
  }
  name_ = name;
  return true;
}

int32_t ClubKeeper::DealNo() const {
  return controller_ ? controller_->State().DealNo : previous_deals_;
}

double ClubKeeper::Rating(int32_t balance) const {
  return SessionRating(DealNo(), balance, previous_deals_, previous_rating_);
}

TCount ClubKeeper::GeneralScore() const {
  LocalCountInput in;
  in.deal_no = DealNo();
  in.balance = controller_ ? controller_->Balance() : 0;
  in.initial_score = initial_score_;
  in.previous_deals = previous_deals_;
  in.initial_rating = previous_rating_;
  return LocalCount(in);
}

void ClubKeeper::ShowError(const std::string& text) {
  Message(parent_, text);
}

bool ClubKeeper::SaveRecord(int32_t balance, double rating) {
  // One record per session: leaving early and the end button never both count.
  if (!in_session_) return false;
  in_session_ = false;
  ClubSessionEntry entry;
  entry.name = name_;
  entry.file_name = file_name_;
  entry.password = password_;
  entry.slot = slot_;
  entry.rating = rating;
  entry.deal_no = DealNo();
  entry.score = initial_score_ + balance;
  const ClubSessionSave saved = SaveClubSession(ClubPath(), MutableClub(), entry);
  last_ = saved.outcome;
  if (!saved.write.ok) ShowError(saved.write.error);
  if (club_changed_) club_changed_();
  return true;
}

void ClubKeeper::SavePlayerRecord() {
  if (!in_session_) return;
  if (as_account_) {
    // Left before its end: the match stays recorded as its provisional loss.
    in_session_ = false;
    EndAccountMatch();
  } else {
    const int32_t balance = controller_ ? controller_->Balance() : 0;
    SaveRecord(balance, Rating(balance));
  }
  if (menu_back_) menu_back_();
}

void ClubKeeper::EndSession(int32_t balance, int deals) {
  if (!in_session_) return;
  SessionEndInput input;
  input.role = controller_ ? controller_->Role() : TableRole::SinglePlayer;
  input.balance = balance;
  input.deals = deals;
  input.deal_no = DealNo();
  if (as_account_) {
    input.account = AccountState::RatingGame;
  } else if (account_) {
    input.account = account_->State();
  }
  account_balance_ = balance;
  RunSessionEnd(*this, input);
  in_session_ = false;
  const bool tournament = tournament_;
  tournament_ = false;
  if (as_account_) EndAccountMatch();
  if (menu_back_) menu_back_();
  if (tournament && tournament_ended_) tournament_ended_();
}

void ClubKeeper::EndAccountMatch() {
  as_account_ = false;
  if (account_) account_->MatchHandled();
}

void ClubKeeper::OfferResultWrite() {
  if (result_offer_ && last_ && last_->cycle_complete) result_offer_(last_->cycle_score);
}

bool ClubKeeper::FinishRatedMatch(int32_t balance) {
  if (!as_account_ || !account_) return false;
  return account_->FinishMatch(balance, int64_t(initial_score_) + balance);
}

void ClubKeeper::WriteAccountCycle() {
  if (!account_) return;
  const AccountCycleWrite write = account_->WriteCycle(int64_t(initial_score_) + account_balance_);
  if (write.written)
    RunEndOfGame(int(std::min<int64_t>(write.place, 1000000)), int32_t(write.score),
                 AccountState::RatingGame, write.bonus);
}

void ClubKeeper::ShowWaitBanner(bool shown) {
  if (wait_banner_) wait_banner_(shown);
}

double ClubKeeper::NewRating(int32_t balance, bool from_account) {
  if (from_account && account_) return account_->Rating();
  return Rating(balance);
}

void ClubKeeper::WriteHistory(int32_t result, int deals, double rating) {
  HisStr record;
  record.HName = TrimmedClubName(name_);
  // A LAN or tournament game names both players, the local one first.
  if (controller_ && IsNetworkRole(controller_->Role()))
    record.HName += "/" + TrimmedClubName(controller_->OpponentName());
  if (tournament_) record.HName = record.HName.substr(0, 51);
  record.HKon = deals;
  record.HRes = result;
  record.HRei = rating;
  record.Ac = static_cast<uint8_t>(tournament_   ? HistoryKind::Tournament
                                   : as_account_ ? HistoryKind::Account
                                   : network_    ? HistoryKind::Lan
                                                 : HistoryKind::Local);
  const std::array<HisStr, 1> records{record};
  const HistoryWrite history = quorvex::WriteHistory(dir_, records, stamp_());
  if (!history.write.ok) ShowError(history.write.error);
}

void ClubKeeper::PlayEffect(std::string_view name) {
  if (sound_) sound_->PlayEffect(name, false);
}

void ClubKeeper::UpdateClubFile(int32_t balance, double rating) {
  SaveRecord(balance, rating);
}

void ClubKeeper::CloseConnection() {
  Disconnect();
}

void ClubKeeper::ReportSession(const SessionEndInput& input) {
  if (session_report_) session_report_(input);
}

void ClubKeeper::Disconnect() {
  if (disconnect_) disconnect_();
}

void ClubKeeper::ShowEndOfGame() {
  // The title follows the account's state: a club title only while not logged in.
  if (last_ && last_->cycle_complete) {
    RunEndOfGame(last_->place, last_->cycle_score,
                 account_ ? account_->State() : AccountState::NotLoggedIn, 0);
  }
}

void ClubKeeper::RunEndOfGame(int place, int32_t score, AccountState state, int bonus) {
  const Settings defaults;
  const Settings& settings = settings_ ? *settings_ : defaults;
  EndGameInput input{place, score, static_cast<int>(state), network_};
  input.bonus = bonus;
  input.animated = settings.GifAnimation;
  input.click_effect = settings.ClickEffectButtons;
  RunEndGame(input, settings, parent_, sound_);
}

}  // namespace quorvex
