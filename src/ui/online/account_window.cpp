#include "ui/online/account_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "locale/countries.h"
#include "locale/lang_text.h"
#include "online/account_login.h"
#include "online/user_file.h"
#include "ui/art/country_flags.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/modal_run.h"
#include "ui/dialogs/password_echo.h"
#include "ui/online/account_pictures.h"
#include "ui/online/profile_view.h"
#include "ui/online/wait_cursor.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

QIcon FlagIcon(int region, int number) {
  QPixmap flag(kFlagWidth, kFlagHeight);
  flag.fill(Qt::transparent);
  QPainter p(&flag);
  DrawFlag(CountryCodeText(CountryCode{region, number}), p, 0, 0);
  return QIcon(flag);
}

QPixmap LampPicture(int check) {
  return QPixmap::fromImage(OwnAccountPicture(check >= 3   ? QStringLiteral("LampG24")
                                              : check == 2 ? QStringLiteral("LampY24")
                                                           : QStringLiteral("LampR24")));
}

constexpr AccountField kTested[] = {AccountField::Nick, AccountField::City, AccountField::Password,
                                    AccountField::EMail};

}  // namespace

TFormAccount::TFormAccount(AccountContext& context, bool rated_start, QWidget* parent)
    : DesignedDialog(context.settings, parent),
      context_(context),
      session_(context.session),
      rated_start_(rated_start),
      opened_state_(context.session.state),
      opened_nick_(context.session.user.Nick),
      game_(context.session.game) {
  setWindowTitle(Qs(Text(Tx::ClubName)));
  if (session_.state == AccountState::NotLoggedIn) {
    // Nobody is logged in: the form offers a new member's defaults, keeping a nick and password
    // the player may want to try again.
    const TZefUser fresh;
    TZefUser& user = session_.user;
    user.City = fresh.City;
    user.Country1 = fresh.Country1;
    user.Country2 = fresh.Country2;
    user.Sex = fresh.Sex;
    user.EMail = fresh.EMail;
    user.DateR = fresh.DateR;
  }

  tabs_ = new QTabWidget(this);
  tabs_->addTab(BuildAccountTab(), Qs(Text(Tx::MyAccount)));
  tabs_->addTab(BuildResultsTab(), Qs(Text(Tx::MyResults)));
  tabs_->addTab(BuildTopTenTab(), Qs(Text(Tx::Top10)));
  tabs_->addTab(BuildZefsTab(), Qs(Text(Tx::ZefsTab)));
  tabs_->addTab(BuildAboutTab(), Qs(Text(Tx::AboutMe)));
  tabs_->addTab(BuildPresidentTab(), Qs(Text(Tx::President)));
  auto* close = NewDialogButton(Qs(Text(Tx::Close)), this);
  close->setFixedSize(120, 30);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, HeaderHeight() + 6, 12, 12);
  layout->addWidget(tabs_);
  layout->addWidget(close, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  {
    WaitCursor wait;
    ReadTopTen();
    if (session_.state != AccountState::NotLoggedIn) ReadResults();
    ReadMemberCount();
    if (session_.state != AccountState::NotLoggedIn) ReadOwnPhotoAndProfile();
    ReadPresident();
  }
  FillForm();
  ShowResults();
  ShowTopTen();
  ShowBalance();
  ShowOwnProfile();
  ShowPresident();
  UpdateControls();
  FinishDesign();
  // The tabs keep the system's colours, so that their controls read in every design.
  QPalette plain = QGuiApplication::palette();
  for (const QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Base,
                                         QPalette::Text, QPalette::Button, QPalette::ButtonText})
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
      plain.setColor(group, role, plain.color(group, role));  // the window's colours stop here
  tabs_->setPalette(plain);
}

bool TFormAccount::AccountStateOrNickChanged() const {
  return session_.state != opened_state_ || session_.user.Nick != opened_nick_;
}

// ---- The requests ----

void TFormAccount::ReadTopTen() {
  top_ten_ = context_.service.ReadTopTen();
}

void TFormAccount::ReadResults() {
  record_read_ = context_.service.ReadGameRecord(session_.user, game_);
  game_.Place = record_read_ ? context_.service.ReadRatingPlace(game_.Rating) : -1;
  // A running rated match keeps the record it read at its start: the server's copy holds the
  // provisional entry, and the match's end needs the cycle's count from before it.
  if (record_read_ && !session_.rated_match_running) session_.game = game_;
}

void TFormAccount::ReadMemberCount() {
  members_ = context_.service.ReadMemberCount();
}

void TFormAccount::ReadOwnPhotoAndProfile() {
  TZefUser& user = session_.user;
  own_photo_ = MemberPhoto(context_.http, context_.avatar_base, user.Nick, user.Sex);
  user.Info = context_.service.ReadProfile(user.Nick).info;
}

void TFormAccount::ReadPresident() {
  const TZefTop10& president = top_ten_.entries[0];
  if (president.Nick.empty()) {
    president_info_ = TInfo14{};
    president_photo_ = NoPhotoPicture(president.Sex);
    return;
  }
  president_info_ = context_.service.ReadProfile(president.Nick).info;
  president_photo_ =
      MemberPhoto(context_.http, context_.avatar_base, president.Nick, president.Sex);
}

// ---- "My account" ----

QWidget* TFormAccount::BuildAccountTab() {
  auto* page = new QWidget;
  nick_ = new QLineEdit(page);
  nick_->setMaxLength(12);
  password_ = new QLineEdit(page);
  password_->setMaxLength(12);
  city_ = new QLineEdit(page);
  city_->setMaxLength(15);
  email_ = new QLineEdit(page);
  email_->setMaxLength(30);
  for (QLineEdit* box : {nick_, password_, city_, email_}) {
    box->installEventFilter(this);
    connect(box, &QLineEdit::textEdited, this, &TFormAccount::FieldEdited);
  }
  for (const AccountField field : kTested) lamps_[int(field)] = new QLabel(page);
  hide_password_ = new QCheckBox(Qs(Text(Tx::HidePassword)), page);
  connect(hide_password_, &QCheckBox::toggled, this, [this](bool hide) {
    if (hide) {
      UseHashEcho(*password_);
    } else {
      password_->setEchoMode(QLineEdit::Normal);
    }
  });
  hide_password_->setChecked(true);

  region_ = new QComboBox(page);
  for (int r = 0; r < kRegionCount; ++r) region_->addItem(Qs(Text(Tx::Regions, r)));
  country_ = new QComboBox(page);
  country_->setMinimumWidth(200);
  country_name_ = new QLineEdit(page);
  country_name_->setReadOnly(true);
  country_name_->setFocusPolicy(Qt::NoFocus);
  sex_ = new QComboBox(page);
  sex_->addItem(Qs(Text(Tx::AccountSexes, 0)));
  sex_->addItem(Qs(Text(Tx::AccountSexes, 1)));
  date_ = new QLineEdit(page);
  date_->setReadOnly(true);
  date_->setFocusPolicy(Qt::NoFocus);
  date_->setMaximumWidth(120);

  connect(region_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (filling_ || index < 0) return;
    filling_ = true;
    FillCountries(index + 1);
    country_->setCurrentIndex(0);
    filling_ = false;
    FieldEdited();
  });
  connect(country_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!filling_ && index >= 0) FieldEdited();
  });
  connect(sex_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!filling_ && index >= 0) FieldEdited();
  });

  star_ = new QLabel(page);
  create_ = NewDialogButton(Qs(Text(Tx::CreateAccount)), page);
  login_ = NewDialogButton(Qs(Text(Tx::LoginToAccount)), page);
  save_ = NewDialogButton(Qs(Text(Tx::Save)), page);
  delete_ = NewDialogButton(Qs(Text(Tx::Delete)), page);
  for (QPushButton* button : {create_, login_}) button->setFixedSize(200, 30);
  for (QPushButton* button : {save_, delete_}) button->setFixedSize(120, 30);
  connect(create_, &QPushButton::clicked, this, &TFormAccount::CreateAccount);
  connect(login_, &QPushButton::clicked, this, &TFormAccount::LoginOrSignOut);
  connect(save_, &QPushButton::clicked, this, &TFormAccount::SaveUserFile);
  connect(delete_, &QPushButton::clicked, this, &TFormAccount::DeleteUserFile);
  play_rating_ = new QCheckBox(Qs(Text(Tx::PlayGlobalRating)), page);
  connect(play_rating_, &QCheckBox::toggled, this, &TFormAccount::PlayRatingToggled);
  members_label_ = new QLabel(page);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  int row = 0;
  auto caption = [&](Tx text) { grid->addWidget(new QLabel(Qs(Text(text)), page), row, 0); };
  caption(Tx::Nick);
  grid->addWidget(nick_, row, 1);
  grid->addWidget(lamps_[int(AccountField::Nick)], row++, 2);
  caption(Tx::Password);
  grid->addWidget(password_, row, 1);
  grid->addWidget(lamps_[int(AccountField::Password)], row, 2);
  grid->addWidget(hide_password_, row++, 3);
  caption(Tx::Country);
  grid->addWidget(region_, row, 1);
  grid->addWidget(country_, row++, 3);
  grid->addWidget(country_name_, row++, 1);
  caption(Tx::City);
  grid->addWidget(city_, row, 1);
  grid->addWidget(lamps_[int(AccountField::City)], row++, 2);
  caption(Tx::AccountSex);
  grid->addWidget(sex_, row++, 1);
  caption(Tx::EMail);
  grid->addWidget(email_, row, 1);
  grid->addWidget(lamps_[int(AccountField::EMail)], row++, 2);
  caption(Tx::RegistrationDate);
  grid->addWidget(date_, row++, 1);
  grid->setColumnMinimumWidth(1, 190);
  grid->setColumnStretch(3, 1);

  auto* buttons = new QGridLayout;
  buttons->addWidget(create_, 0, 0);
  buttons->addWidget(login_, 0, 1);
  buttons->addWidget(star_, 0, 2, Qt::AlignCenter);
  buttons->addWidget(play_rating_, 1, 1);
  buttons->addWidget(save_, 0, 4);
  buttons->addWidget(delete_, 1, 4);
  buttons->setColumnStretch(3, 1);

  auto* layout = new QVBoxLayout(page);
  layout->addLayout(grid);
  layout->addSpacing(10);
  layout->addLayout(buttons);
  layout->addStretch();
  layout->addWidget(members_label_);
  return page;
}

void TFormAccount::FillCountries(int region) {
  country_->clear();
  for (int n = 0; n <= LastCountryNumber(region); ++n) {
    const CountryNames names = CountryEntry(region, n);
    const std::string_view name = CurrentLanguage() == 1 ? names.russian : names.english;
    country_->addItem(FlagIcon(region, n), QString::fromUtf8(name.data(), qsizetype(name.size())));
  }
}

void TFormAccount::FillForm() {
  const TZefUser& user = session_.user;
  filling_ = true;
  nick_->setText(Qs(user.Nick));
  password_->setText(Qs(user.Pw));
  city_->setText(Qs(user.City));
  email_->setText(Qs(user.EMail));
  const CountryCode code = ParseCountryCode(user.Country2).value_or(CountryCode{1, 1});
  region_->setCurrentIndex(code.region - 1);
  FillCountries(code.region);
  country_->setCurrentIndex(code.number);
  country_name_->setText(Qs(user.Country1));
  sex_->setCurrentIndex(user.Sex == 'W' ? 1 : 0);
  date_->setText(Qs(user.DateR));
  filling_ = false;
  UpdateChecks();
}

void TFormAccount::UpdateChecks() {
  for (const AccountField field : kTested) {
    const QLineEdit* box = field == AccountField::Nick       ? nick_
                           : field == AccountField::City     ? city_
                           : field == AccountField::Password ? password_
                                                             : email_;
    checks_[int(field)] = AccountFieldCheck(box->text().toStdString(), field);
    lamps_[int(field)]->setPixmap(LampPicture(checks_[int(field)]));
  }
}

void TFormAccount::FieldEdited() {
  if (filling_) return;
  // Every edit goes into the account at once.
  TZefUser& user = session_.user;
  user.Nick = nick_->text().toStdString();
  user.Pw = password_->text().toStdString();
  user.PwC = EncipherPassword(user.Pw);
  user.City = city_->text().toStdString();
  user.EMail = email_->text().toStdString();
  const CountryCode code{region_->currentIndex() + 1, std::max(0, country_->currentIndex())};
  user.Country2 = CountryCodeText(code);
  user.Country1 = std::string(CountryEntry(code.region, code.number).short_name);
  user.Sex = sex_->currentIndex() == 1 ? 'W' : 'M';
  edited_ = true;
  country_name_->setText(Qs(user.Country1));
  UpdateChecks();
  UpdateControls();
}

void TFormAccount::UpdateControls() {
  const bool running = session_.rated_match_running;
  const bool out = session_.state == AccountState::NotLoggedIn;
  const int nick = checks_[int(AccountField::Nick)], city = checks_[int(AccountField::City)];
  const int password = checks_[int(AccountField::Password)];
  const int email = checks_[int(AccountField::EMail)];
  // The service has no request that changes a member's data: the form is the new member's
  // and the login's, and stays as the server gave it while logged in.
  for (QWidget* input :
       std::initializer_list<QWidget*>{nick_, password_, city_, email_, region_, country_, sex_})
    input->setEnabled(out && !running);
  create_->setEnabled(!running && out && nick >= 2 && city >= 2 && password == 3 && email == 3);
  login_->setText(Qs(Text(out ? Tx::LoginToAccount : Tx::SignOut)));
  login_->setEnabled(!running && (!out || (nick >= 2 && password == 3)));
  {
    const QSignalBlocker quiet(play_rating_);
    play_rating_->setChecked(session_.state == AccountState::RatingGame);
  }
  play_rating_->setEnabled(!running && rated_start_ && !out);
  save_->setEnabled(!running && edited_);
  std::error_code error;
  delete_->setEnabled(!running &&
                      std::filesystem::exists(UserFilePath(context_.user_folder), error));
  star_->setPixmap(QPixmap::fromImage(StateStar(session_.state)));
  star_->setToolTip(Qs(Text(Tx::AccountStates, int(session_.state) - 1)));
  members_label_->setText(members_ ? Qs(Text(Tx::ClubMembers)) + QString::number(*members_)
                                   : Qs(Text(Tx::NoConnect)));

  results_refresh_->setEnabled(!out);
  for (QWidget* control : std::initializer_list<QWidget*>{zefs_refresh_, add_zefs_, recipient_,
                                                          amount_, transfer_, edit_profile_})
    control->setEnabled(!out);
}

void TFormAccount::CreateAccount() {
  TZefUser& user = session_.user;
  // A fixed form: the login reply separates its fields by blanks, which some locales' dates hold.
  user.DateR = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
  user.R01 = user.R02 = user.R03 = "xxx";
  user.R04 = user.R05 = user.R06 = 0;
  RegisterResult result;
  {
    WaitCursor wait;
    result = context_.service.Register(user);
  }
  switch (result) {
    case RegisterResult::Created:
      context_.hooks.ShowMessage(Text(Tx::AccountCreated));
      break;
    case RegisterResult::NickTaken:
      context_.hooks.ShowMessage(Text(Tx::NickTaken));
      break;
    case RegisterResult::Failed:
      context_.hooks.ShowMessage(Text(Tx::CouldNotCreateAccount));
      break;
  }
  if (result == RegisterResult::Created) {
    session_.state = AccountState::LoggedIn;
    WaitCursor wait;
    ReadMemberCount();
    const LoginReply reply = context_.service.LogIn(user.Nick, user.Pw);
    if (reply.ok) user = reply.user;
    game_ = TZefGame{};
    ReadResults();
    user.Info = context_.service.ReadProfile(user.Nick).info;
    own_photo_ = NoPhotoPicture(user.Sex);
  } else {
    session_.state = AccountState::NotLoggedIn;
    user.DateR = TZefUser{}.DateR;
  }
  FillForm();
  ShowResults();
  ShowBalance();
  ShowOwnProfile();
  UpdateControls();
}

void TFormAccount::LoginOrSignOut() {
  if (session_.state != AccountState::NotLoggedIn) {
    SignOut(session_);
  } else {
    LoginReply reply;
    {
      WaitCursor wait;
      reply = context_.service.LogIn(session_.user.Nick, session_.user.Pw);
    }
    if (!reply.ok) {
      context_.hooks.ShowMessage(Text(Tx::LoginFailed));
      return;
    }
    session_.user = reply.user;
    session_.state = rated_start_ ? AccountState::RatingGame : AccountState::LoggedIn;
    // Another member's record must not lend this one its cycle.
    game_ = TZefGame{};
    WaitCursor wait;
    ReadResults();
    ReadMemberCount();
    ReadOwnPhotoAndProfile();
    ReadPresident();
  }
  FillForm();
  ShowResults();
  ShowBalance();
  ShowOwnProfile();
  ShowPresident();
  UpdateControls();
}

void TFormAccount::PlayRatingToggled(bool on) {
  if (on && session_.state == AccountState::LoggedIn) session_.state = AccountState::RatingGame;
  if (!on && session_.state == AccountState::RatingGame) session_.state = AccountState::LoggedIn;
  UpdateControls();
}

void TFormAccount::SaveUserFile() {
  TZefUser& user = session_.user;
  user.PwC = EncipherPassword(user.Pw);
  if (WriteUserFile(context_.user_folder, UserFileLogin{user.Nick, user.PwC})) edited_ = false;
  UpdateControls();
}

void TFormAccount::DeleteUserFile() {
  // With the file gone the login may be written again.
  if (RemoveUserFile(context_.user_folder)) edited_ = true;
  UpdateControls();
}

bool TFormAccount::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const AccountField field = watched == nick_ || watched == recipient_ ? AccountField::Nick
                               : watched == city_                        ? AccountField::City
                               : watched == password_                    ? AccountField::Password
                               : watched == email_                       ? AccountField::EMail
                                                                         : AccountField::Key;
    const QString typed = static_cast<QKeyEvent*>(event)->text();
    // A character the field can never hold is dropped as it is typed.
    if (field != AccountField::Key && !typed.isEmpty() && typed.at(0).isPrint() &&
        !AccountKeyAccepted(char32_t(typed.toUcs4().value(0)), field))
      return true;
  }
  return DesignedDialog::eventFilter(watched, event);
}

void TFormAccount::paintEvent(QPaintEvent* event) {
  DesignedDialog::paintEvent(event);
  QPainter painter(this);
  const QImage badge = OwnAccountPicture(QStringLiteral("Account48"));
  painter.drawImage(14, (HeaderHeight() - badge.height()) / 2, badge);
}

QString TFormAccount::MembersText() const {
  return members_label_->text();
}

QString TFormAccount::FieldText(const char* name) const {
  const std::string_view which(name);
  if (which == "country") return country_name_->text();
  if (which == "date") return date_->text();
  return QString();
}

int TFormAccount::Lamp(AccountField field) const {
  return checks_[int(field)];
}

bool ShowAccountWindow(AccountContext& context, bool rated_start, QWidget* parent) {
  TFormAccount window(context, rated_start, parent);
  RunModal(window);
  return window.AccountStateOrNickChanged();
}

}  // namespace quorvex
