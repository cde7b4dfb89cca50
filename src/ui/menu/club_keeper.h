// The club member who plays and what becomes of their standing: the club files read at start,
// the member chosen in the player dialog, and the end of a session (rating, history, club file,
// local top ten, the end-of-game window).
#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "game/controller.h"
#include "game/session_end.h"
#include "records/club_file.h"
#include "records/club_session.h"
#include "records/history_line.h"
#include "records/score_count.h"
#include "settings/settings.h"

namespace quorvex {

class AccountKeeper;
class SoundPlayer;

class ClubKeeper : public SessionHooks, private SessionEndSteps {
 public:
  explicit ClubKeeper(std::filesystem::path program_dir);

  // Reads the local club file, then the network one. A missing or damaged file is reported to
  // the player and the run must not go on; the local file's Russian mark picks the language.
  bool ReadClubFilesAtStart(QWidget* parent, int settings_language);

  void SetParent(QWidget* parent) { parent_ = parent; }
  void SetController(const GameController* controller) { controller_ = controller; }
  // The end of a session is heard through it: the session's result, the end-of-game window.
  void SetSound(SoundPlayer* sound) { sound_ = sound; }
  // The settings the closing windows follow (animations, the touch effect).
  void SetSettings(const Settings* settings) { settings_ = settings; }
  // The online account, whose rated matches are sessions of their own.
  void SetAccount(AccountKeeper* account) { account_ = account; }
  // The LAN club ("Quorva.net") instead of the local one.
  void SetNetwork(bool network) { network_ = network; }
  bool Network() const { return network_; }
  const ClubFile& Club() const { return network_ ? net_club_ : local_club_; }
  std::filesystem::path ClubPath() const;
  const std::filesystem::path& ProgramDir() const { return dir_; }

  // The member in slot 1..5, or a new member for slot 0, starts a session. Name and password
  // are UTF-8 as typed; what the controller starts from is returned.
  SessionPlayer BeginSession(int slot, const std::string& name, const std::string& password);
  // A rated match played as the account (its start was accepted): no club member plays, the
  // deals and the score go on from the account's unfinished cycle.
  SessionPlayer BeginAccountSession();
  // A tournament game as the account: the deals and the score go on from the tournament record.
  SessionPlayer BeginTournamentSession(const std::string& nick, int32_t score, int32_t games);
  // After a tournament game: the player's tournament score and rating as the service has them
  // now; nullopt when they cannot be read.
  struct TournamentStandingRead {
    int64_t score = 0;
    double rating = 0;
  };
  void SetTournamentRead(std::function<std::optional<TournamentStandingRead>()> read) {
    tournament_read_ = std::move(read);
  }
  // The end of a tournament game's session, after the menu came back: the lobby opens again.
  void SetTournamentEnded(std::function<void()> ended) { tournament_ended_ = std::move(ended); }
  bool InSession() const { return in_session_; }
  bool AsAccount() const { return in_session_ && as_account_; }
  // Where the online account stands; a rated match counts as the rating game.
  AccountState Account() const;
  // The player's counters for the "General score" window.
  TCount GeneralScore() const;
  // The name of the member who plays, without its padding (UTF-8).
  std::string PlayerName() const;
  // "To change a name": the member of the session takes a new name, which the club file keeps
  // when the session's record is saved. False for an empty name, one the code page cannot hold,
  // or the name of another member.
  bool RenameMember(const std::string& utf8_name);

  // When the session ended, for the history; the system clock unless a test fixes it.
  void SetStampSource(std::function<HistoryStamp()> source) { stamp_ = std::move(source); }
  // Called once the club file changed, so that the club list shows it.
  void SetClubChanged(std::function<void()> changed) { club_changed_ = std::move(changed); }
  // Reports the finished session to the world statistics.
  void SetSessionReport(std::function<void(const SessionEndInput&)> report) {
    session_report_ = std::move(report);
  }
  // Whether the local club file asks for no reports.
  bool QuietInstallation() const { return local_club_.QuietInstallation(); }
  // Switches the LAN connection off.
  void SetDisconnect(std::function<void()> disconnect) { disconnect_ = std::move(disconnect); }
  // The menu comes back after a session.
  void SetMenuBack(std::function<void()> back) { menu_back_ = std::move(back); }
  // The world list's offer after a local cycle, with the cycle's score.
  void SetResultOffer(std::function<void(int32_t)> offer) { result_offer_ = std::move(offer); }
  // Shows or hides the wait banner over the hidden table at the end of a session.
  void SetWaitBanner(std::function<void(bool)> banner) { wait_banner_ = std::move(banner); }

  // SessionHooks
  void SavePlayerRecord() override;
  void EndSession(int32_t balance, int deals) override;
  void Disconnect() override;
  void SessionLeft() override;
  // Stamps the deal with the time and adds it to the deal records.
  void DealRecorded(const DealRecord& record) override;
  // The deal that ended last in this run, as recorded (also when the file could not be written).
  const std::optional<DealRecord>& LastDeal() const { return last_deal_; }

  // The last club update, for the windows that show it.
  const std::optional<ClubSessionOutcome>& LastOutcome() const { return last_; }

 private:
  ClubFile& MutableClub() { return network_ ? net_club_ : local_club_; }
  // The club record of the session; false when it was saved already.
  bool SaveRecord(int32_t balance, double rating);
  double Rating(int32_t balance) const;
  int32_t DealNo() const;
  void ShowError(const std::string& text);

  // The steps of the end of a session that the club and the window take.
  void ShowWaitBanner(bool shown) override;
  void TournamentStanding(int32_t& result, double& rating) override;
  double NewRating(int32_t balance, bool from_account) override;
  void WriteHistory(int32_t result, int deals, double rating) override;
  void PlayEffect(std::string_view name) override;
  void UpdateClubFile(int32_t balance, double rating) override;
  void CloseConnection() override;
  void ShowEndOfGame() override;
  void ReportSession(const SessionEndInput& input) override;
  bool FinishRatedMatch(int32_t balance) override;
  void OfferResultWrite() override;
  void WriteAccountCycle() override;
  // The closing window of a cycle with its place, the account's bonus and title.
  void RunEndOfGame(int place, int32_t score, AccountState state, int bonus);
  // The match as the account is over, whichever way it ended.
  void EndAccountMatch();

  std::filesystem::path dir_;
  QPointer<QWidget> parent_;
  const GameController* controller_ = nullptr;
  SoundPlayer* sound_ = nullptr;
  AccountKeeper* account_ = nullptr;
  const Settings* settings_ = nullptr;
  bool network_ = false;
  ClubFile local_club_;
  ClubFile net_club_;
  std::function<HistoryStamp()> stamp_;
  std::function<void()> club_changed_;
  std::function<void(bool)> wait_banner_;
  std::function<void()> disconnect_;
  std::function<void(int32_t)> result_offer_;
  std::function<void()> menu_back_;
  std::function<void(const SessionEndInput&)> session_report_;
  std::function<std::optional<TournamentStandingRead>()> tournament_read_;
  std::function<void()> tournament_ended_;

  // The member of the session.
  bool in_session_ = false;
  bool as_account_ = false;
  bool tournament_ = false;
  int32_t account_balance_ = 0;  // the match's points, for the account's cycle
  int slot_ = 0;
  std::string name_;       // Windows-1251, padded to 20
  std::string file_name_;  // the name the club file knows the member by
  std::string password_;   // as typed, Windows-1251
  int32_t previous_deals_ = 0;
  double previous_rating_ = 0;
  int32_t initial_score_ = 0;
  std::optional<ClubSessionOutcome> last_;
  std::optional<DealRecord> last_deal_;
};

}  // namespace quorvex
