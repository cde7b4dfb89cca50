#include "ui/dialogs/player_dialog.h"

#include "ui/dialogs/password_echo.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QNetworkInterface>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <charconv>

#include "locale/cp1251.h"
#include "locale/lang_text.h"
#include "ui/dialogs/modal_run.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

std::string ToFile(const std::string& utf8) {
  return Utf8ToCp1251(utf8).value_or(std::string());
}

// A decimal number of 1..`digits` digits, nothing else, at most `most`.
bool DecimalUpTo(std::string_view text, size_t digits, int most) {
  if (text.empty() || text.size() > digits) return false;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value <= most;
}

}  // namespace

bool LanAddressWellFormed(std::string_view address) {
  int parts = 0;
  size_t start = 0;
  while (true) {
    const size_t dot = address.find('.', start);
    const std::string_view part =
        address.substr(start, dot == std::string_view::npos ? dot : dot - start);
    if (!DecimalUpTo(part, 3, 255)) return false;
    ++parts;
    if (dot == std::string_view::npos) break;
    start = dot + 1;
  }
  return parts == 4;
}

bool LanPortValid(std::string_view port) {
  return DecimalUpTo(port, 5, 65535) && port.find_first_not_of('0') != std::string_view::npos;
}

LanEntryCheck CheckLanEntry(const LanEntry& lan) {
  if (lan.role == LanRole::Client && !LanAddressWellFormed(lan.address))
    return LanEntryCheck::IncorrectAddress;
  if (!LanPortValid(lan.port)) return LanEntryCheck::IncorrectPort;
  return LanEntryCheck::Ok;
}

std::vector<OwnAddress> OwnAddressList(const std::vector<std::string>& interface_addresses,
                                       const std::optional<OwnAddress>& public_address) {
  std::vector<OwnAddress> list;
  for (const std::string& address : interface_addresses) list.push_back({address, std::string()});
  if (public_address) list.push_back(*public_address);
  list.push_back({"127.0.0.1", Text(Tx::Loop)});
  if (list.size() > size_t(kOwnAddressBoxes)) list.resize(kOwnAddressBoxes);
  return list;
}

std::vector<std::string> InterfaceAddresses() {
  std::vector<std::string> addresses;
  for (const QNetworkInterface& face : QNetworkInterface::allInterfaces()) {
    const QNetworkInterface::InterfaceFlags flags = face.flags();
    if (!flags.testFlag(QNetworkInterface::IsUp) || flags.testFlag(QNetworkInterface::IsLoopBack))
      continue;
    for (const QNetworkAddressEntry& entry : face.addressEntries()) {
      const QHostAddress ip = entry.ip();
      if (ip.protocol() != QAbstractSocket::IPv4Protocol || ip.isLoopback()) continue;
      addresses.push_back(ip.toString().toStdString());
    }
  }
  return addresses;
}

PlayerEntryCheck CheckPlayerEntry(const std::optional<ClubProfile>& member, const std::string& name,
                                  const std::string& password, const std::string& again) {
  // A name the club file's code page cannot hold would be stored blank.
  const QString trimmed = QString::fromUtf8(name.c_str()).trimmed();
  if (trimmed.isEmpty() || !Utf8ToCp1251(trimmed.toStdString()))
    return PlayerEntryCheck::IncorrectName;
  if (!Utf8ToCp1251(password)) return PlayerEntryCheck::IncorrectPassword;
  if (!member) {
    return ClubPassword(ToFile(password)) == ClubPassword(ToFile(again))
               ? PlayerEntryCheck::Ok
               : PlayerEntryCheck::PasswordsDiffer;
  }
  return ClubPassword(ToFile(password)) == ClubPassword(member->password)
             ? PlayerEntryCheck::Ok
             : PlayerEntryCheck::IncorrectPassword;
}

TFormPlayer::TFormPlayer(int mode, const std::optional<ClubProfile>& member,
                         const std::string& last_name, QWidget* parent)
    : QDialog(parent), member_(mode >= 1 && mode <= 5 ? member : std::nullopt) {
  Build(last_name, std::nullopt);
}

TFormPlayer::TFormPlayer(int mode, const std::optional<ClubProfile>& member,
                         const std::string& last_name, const LanEntry& lan, QWidget* parent)
    : QDialog(parent), member_(mode >= 1 && mode <= 5 ? member : std::nullopt) {
  Build(last_name, lan);
}

void TFormPlayer::Build(const std::string& last_name, const std::optional<LanEntry>& lan) {
  network_game_ = lan.has_value();
  setWindowTitle(Qs(Text(Tx::Welcome)));
  name_ = new QLineEdit(this);
  name_->setMaxLength(static_cast<int>(kClubNameWidth));
  password_ = new QLineEdit(this);
  password_->setMaxLength(static_cast<int>(kClubPasswordLength));
  UseHashEcho(*password_);
  again_ = new QLineEdit(this);
  again_->setMaxLength(static_cast<int>(kClubPasswordLength));
  UseHashEcho(*again_);

  QString preset;
  if (member_) {
    preset = Qs(Cp1251ToUtf8(TrimmedClubName(member_->name)));
    // A member's name is theirs: it is chosen, not typed.
    name_->setReadOnly(true);
  } else {
    const QString last = Qs(last_name).trimmed();
    preset = !last.isEmpty() && last.size() <= int(kClubNameWidth) ? last : QStringLiteral("Mr.X");
  }
  name_->setText(preset);

  auto* form = new QFormLayout;
  form->addRow(Qs(Text(Tx::EnterYourName)), name_);
  form->addRow(Qs(Text(Tx::EnterYourPassword)), password_);
  auto* again_label = new QLabel(Qs(Text(Tx::OnceAgainForCheck)), this);
  form->addRow(again_label, again_);
  again_label->setVisible(!member_);
  again_->setVisible(!member_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(Qs(Text(Tx::Ok)), QDialogButtonBox::AcceptRole);
  buttons->addButton(Qs(Text(Tx::Cancel)), QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &TFormPlayer::TryAccept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  // A game against the computer has no network part, and the dialog is the smaller for it.
  network_ = BuildNetworkPart(lan.value_or(LanEntry()));
  layout->addWidget(network_);
  network_->setVisible(network_game_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  (member_ ? password_ : name_)->setFocus();
}

std::string TFormPlayer::Name() const {
  return name_->text().trimmed().toStdString();
}

std::string TFormPlayer::Password() const {
  return password_->text().toStdString();
}

QGroupBox* TFormPlayer::BuildNetworkPart(const LanEntry& lan) {
  auto* part = new QGroupBox(this);
  auto* roles = new QGroupBox(Qs(Text(Tx::ServerOrClient)), part);
  server_ = new QRadioButton(Qs(Text(Tx::LanRoles, 0)), roles);
  client_ = new QRadioButton(Qs(Text(Tx::LanRoles, 1)), roles);
  (lan.role == LanRole::Client ? client_ : server_)->setChecked(true);
  auto* role_layout = new QVBoxLayout(roles);
  role_layout->addWidget(server_);
  role_layout->addWidget(client_);
  connect(server_, &QRadioButton::toggled, this, &TFormPlayer::UpdateRole);

  // Only digits and dots can be typed: a refused key leaves the last good address.
  address_ = new QLineEdit(Qs(lan.address), part);
  address_->setMaxLength(15);
  address_->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[0-9.]{0,15}")), address_));
  port_ = new QLineEdit(Qs(lan.port), part);
  port_->setMaxLength(5);
  port_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), port_));
  games_ = new QLineEdit(QString::number(member_ ? member_->deals : 0), part);
  games_->setReadOnly(true);
  auto* fields = new QFormLayout;
  fields->addRow(Qs(Text(Tx::EnterIpOfServer)), address_);
  fields->addRow(Qs(Text(Tx::EnterPortOfServer)), port_);
  fields->addRow(Qs(Text(Tx::NumberGames)), games_);

  receive_ = new QPushButton(Qs(Text(Tx::ReceiveIpAddresses)), part);
  help_ = new QPushButton(QStringLiteral("?"), part);
  help_->setFixedWidth(help_->sizeHint().height() + 8);
  connect(receive_, &QPushButton::clicked, this, &TFormPlayer::ReceiveAddresses);
  connect(help_, &QPushButton::clicked, this, &TFormPlayer::ShowRouterHelp);
  auto* button_row = new QHBoxLayout;
  button_row->addWidget(receive_, 1);
  button_row->addWidget(help_);

  auto* own = new QGridLayout;
  for (int i = 0; i < kOwnAddressBoxes; ++i) {
    own_[i] = new QLineEdit(part);
    own_[i]->setReadOnly(true);
    own_[i]->setFocusPolicy(Qt::ClickFocus);
    own->addWidget(own_[i], i / 3, i % 3);
  }

  auto* layout = new QVBoxLayout(part);
  layout->addWidget(roles);
  layout->addLayout(fields);
  layout->addLayout(button_row);
  layout->addLayout(own);
  UpdateRole();
  return part;
}

void TFormPlayer::UpdateRole() {
  // The server listens on its port; only a client names the machine it joins.
  address_->setEnabled(client_->isChecked());
}

LanEntry TFormPlayer::Lan() const {
  LanEntry lan;
  lan.role = client_->isChecked() ? LanRole::Client : LanRole::Server;
  lan.address = address_->text().toStdString();
  lan.port = port_->text().toStdString();
  return lan;
}

void TFormPlayer::ReceiveAddresses() {
  const std::optional<OwnAddress> public_address =
      public_address_ ? public_address_() : std::nullopt;
  const std::vector<OwnAddress> list = OwnAddressList(InterfaceAddresses(), public_address);
  for (int i = 0; i < kOwnAddressBoxes; ++i) {
    const bool filled = i < int(list.size());
    own_[i]->setText(filled ? Qs(list[i].address) : QString());
    own_[i]->setToolTip(filled ? Qs(list[i].hint) : QString());
  }
}

void TFormPlayer::ShowRouterHelp() {
  Tell(Text(Tx::RouterHelp));
}

void TFormPlayer::Tell(const std::string& text) {
  QMessageBox box(QMessageBox::Warning, windowTitle(), Qs(text), QMessageBox::Ok, this);
  RunModal(box);
}

void TFormPlayer::TryAccept() {
  const PlayerEntryCheck check =
      CheckPlayerEntry(member_, Name(), Password(), again_->text().toStdString());
  Tx message = Tx::IncorrectName;
  switch (check) {
    case PlayerEntryCheck::Ok:
      if (network_game_) {
        const LanEntry lan = Lan();
        const LanEntryCheck lan_check = CheckLanEntry(lan);
        if (lan_check != LanEntryCheck::Ok) {
          Tell(Text(lan_check == LanEntryCheck::IncorrectAddress ? Tx::IncorrectIpAddress
                                                                 : Tx::IncorrectPort));
          return;
        }
        if (connect_ && !connect_(lan)) return;
      }
      accept();
      return;
    case PlayerEntryCheck::IncorrectName:
      break;
    case PlayerEntryCheck::PasswordsDiffer:
      message = Tx::PasswordsDoNotCoincide;
      break;
    case PlayerEntryCheck::IncorrectPassword:
      message = Tx::IncorrectPassword;
      break;
  }
  Tell(Text(message));
}

}  // namespace quorvex
