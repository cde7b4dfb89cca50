// The club's account window: six tabs for the player's account ("My account"), this game's
// results on the account, the rating top ten, the Zefs balance, the player's public profile and
// the President's. It works on the account session of the run; whoever opens it redraws the
// account lamp and the menu when `AccountStateOrNickChanged()` says so.
#pragma once

#include <QImage>
#include <optional>
#include <string>

#include "online/account_field_check.h"
#include "online/account_service.h"
#include "ui/dialogs/designed_dialog.h"
#include "ui/online/account_context.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace quorvex {

class TProfileView;

class TFormAccount : public DesignedDialog {
  Q_OBJECT

 public:
  enum TabIndex { kAccountTab, kResultsTab, kTopTenTab, kZefsTab, kAboutTab, kPresidentTab };

  // Reads what the tabs show as it opens. `rated_start`: opened to start a rated match, so the
  // "Play global rating" box may be used.
  TFormAccount(AccountContext& context, bool rated_start, QWidget* parent = nullptr);

  // Whether the account state or the nick differ from when the window opened.
  bool AccountStateOrNickChanged() const;

  QTabWidget* Tabs() const { return tabs_; }

  // "My account".
  QLineEdit* NickEdit() const { return nick_; }
  QLineEdit* PasswordEdit() const { return password_; }
  QLineEdit* CityEdit() const { return city_; }
  QLineEdit* EMailEdit() const { return email_; }
  QComboBox* RegionList() const { return region_; }
  QComboBox* CountryList() const { return country_; }
  QComboBox* SexList() const { return sex_; }
  QCheckBox* HidePasswordBox() const { return hide_password_; }
  QCheckBox* PlayRatingBox() const { return play_rating_; }
  QPushButton* CreateButton() const { return create_; }
  QPushButton* LoginButton() const { return login_; }
  QPushButton* SaveButton() const { return save_; }
  QPushButton* DeleteButton() const { return delete_; }
  QString MembersText() const;
  QString FieldText(const char* name) const;  // "country", "date": the read-only fields
  // The lamp of a tested field: 1 red, 2 yellow, 3 green.
  int Lamp(AccountField field) const;

  // "My results": the value of line 0..8, or the note when the record could not be read.
  QString ResultValue(int line) const;
  QString ResultsNote() const;
  QPushButton* ResultsRefreshButton() const { return results_refresh_; }

  // "Top 10": place 1..10 as "nick, city, rating"; empty for an unfilled place.
  QString TopTenLine(int place) const;
  QString TopTenNote() const;
  QPushButton* TopTenRefreshButton() const { return top_refresh_; }

  // "Zefs".
  QString BalanceText() const;
  QPushButton* ZefsRefreshButton() const { return zefs_refresh_; }
  QPushButton* AddZefsButton() const { return add_zefs_; }
  QLineEdit* RecipientEdit() const { return recipient_; }
  QSpinBox* AmountBox() const { return amount_; }
  QPushButton* TransferButton() const { return transfer_; }

  // "About me" and "President".
  TProfileView* OwnProfile() const { return own_view_; }
  QPushButton* EditProfileButton() const { return edit_profile_; }
  TProfileView* PresidentProfile() const { return president_view_; }
  QString PresidentNick() const;
  QImage OwnPhoto() const { return own_photo_; }
  QImage PresidentPhoto() const { return president_photo_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget* BuildAccountTab();
  QWidget* BuildResultsTab();
  QWidget* BuildTopTenTab();
  QWidget* BuildZefsTab();
  QWidget* BuildAboutTab();
  QWidget* BuildPresidentTab();

  // The requests.
  void ReadTopTen();
  void ReadResults();
  void ReadMemberCount();
  void ReadOwnPhotoAndProfile();
  void ReadPresident();

  // "My account".
  void FillForm();
  void UpdateChecks();
  void FieldEdited();
  void FillCountries(int region);
  void CreateAccount();
  void LoginOrSignOut();
  void PlayRatingToggled(bool on);
  void SaveUserFile();
  void DeleteUserFile();
  void UpdateControls();

  // The other tabs.
  void ShowResults();
  void ShowTopTen();
  void ShowBalance();
  void ShowOwnProfile();
  void ShowPresident();
  void RefreshBalance();
  void AddZefs();
  void Transfer();
  void EditProfile();
  void PresidentLineClicked(int field);

  AccountContext& context_;
  AccountSession& session_;
  const bool rated_start_;
  const AccountState opened_state_;
  const std::string opened_nick_;
  // The game record as last read; the session's copy while no rated match runs.
  TZefGame game_;

  TopTenReply top_ten_;
  bool record_read_ = false;
  std::optional<int64_t> members_;
  QImage own_photo_;
  QImage president_photo_;
  TInfo14 president_info_;
  bool edited_ = false;  // since the user file was last written
  bool filling_ = false;

  QTabWidget* tabs_ = nullptr;
  QLabel* star_ = nullptr;
  QLineEdit* nick_ = nullptr;
  QLineEdit* password_ = nullptr;
  QLineEdit* city_ = nullptr;
  QLineEdit* email_ = nullptr;
  QLineEdit* country_name_ = nullptr;
  QLineEdit* date_ = nullptr;
  QComboBox* region_ = nullptr;
  QComboBox* country_ = nullptr;
  QComboBox* sex_ = nullptr;
  QLabel* lamps_[5] = {};  // by AccountField, 1..4
  int checks_[5] = {};
  QCheckBox* hide_password_ = nullptr;
  QCheckBox* play_rating_ = nullptr;
  QPushButton* create_ = nullptr;
  QPushButton* login_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* delete_ = nullptr;
  QLabel* members_label_ = nullptr;

  QLabel* result_values_[9] = {};
  QLabel* results_note_ = nullptr;
  QPushButton* results_refresh_ = nullptr;

  QLabel* top_flags_[10] = {};
  QLabel* top_faces_[10] = {};
  QLabel* top_nicks_[10] = {};
  QLabel* top_cities_[10] = {};
  QLabel* top_ratings_[10] = {};
  QLabel* top_note_ = nullptr;
  QPushButton* top_refresh_ = nullptr;

  QLabel* balance_ = nullptr;
  QPushButton* zefs_refresh_ = nullptr;
  QPushButton* add_zefs_ = nullptr;
  QLineEdit* recipient_ = nullptr;
  QSpinBox* amount_ = nullptr;
  QPushButton* transfer_ = nullptr;

  TProfileView* own_view_ = nullptr;
  QPushButton* edit_profile_ = nullptr;
  QLabel* president_nick_ = nullptr;
  TProfileView* president_view_ = nullptr;
};

// Opens the account window modally; true when the account state or the nick changed, so that
// the caller redraws the account lamp and the menu.
bool ShowAccountWindow(AccountContext& context, bool rated_start, QWidget* parent);

}  // namespace quorvex
