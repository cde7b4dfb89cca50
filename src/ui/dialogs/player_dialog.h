// "Welcome!": the player names themselves as a member of the club, or registers a new member,
// before a session; for a network game also the role and the other machine's address and port.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "net/lan_messages.h"
#include "records/club_lines.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorvex {

enum class PlayerEntryCheck { Ok, IncorrectName, PasswordsDiffer, IncorrectPassword };

// The checks of Ok. `member` is the chosen member, nullopt for a new one; the passwords are
// compared as the file keeps them, padded with blanks to five.
PlayerEntryCheck CheckPlayerEntry(const std::optional<ClubProfile>& member, const std::string& name,
                                  const std::string& password, const std::string& again);

// The network part: who creates the game, and where the other machine listens.
struct LanEntry {
  LanRole role = LanRole::Server;
  std::string address = "127.0.0.1";
  std::string port = "25666";
};

enum class LanEntryCheck { Ok, IncorrectAddress, IncorrectPort };

// A server address as four numbers of one to three digits, each at most 255, joined by three
// dots.
bool LanAddressWellFormed(std::string_view address);
// A port number 1..65535 in decimal digits.
bool LanPortValid(std::string_view port);
// The checks of Ok for a network game: the address only for a client, then the port.
LanEntryCheck CheckLanEntry(const LanEntry& lan);

// One of the machine's own addresses as the dialog lists them, with its hint.
struct OwnAddress {
  std::string address;
  std::string hint;
  bool operator==(const OwnAddress&) const = default;
};
inline constexpr int kOwnAddressBoxes = 6;
// The list "To receive the IP-addresses" fills in: the interface addresses, the public address
// when it is known, then the loopback with the hint "Loop"; six at most.
std::vector<OwnAddress> OwnAddressList(const std::vector<std::string>& interface_addresses,
                                       const std::optional<OwnAddress>& public_address);
// The IPv4 addresses of the machine's network interfaces that are up, the loopback excepted.
std::vector<std::string> InterfaceAddresses();

class TFormPlayer : public QDialog {
  Q_OBJECT

 public:
  // `mode` 1..5 names the member in that slot (given in `member`), 6 a new member, whose name is
  // preset with the last player's name when it fits. A game against the computer: no network
  // part.
  TFormPlayer(int mode, const std::optional<ClubProfile>& member, const std::string& last_name,
              QWidget* parent = nullptr);
  // A network game: the network part shows, preset with `lan`.
  TFormPlayer(int mode, const std::optional<ClubProfile>& member, const std::string& last_name,
              const LanEntry& lan, QWidget* parent = nullptr);

  QLineEdit* NameEdit() const { return name_; }
  QLineEdit* PasswordEdit() const { return password_; }
  QLineEdit* AgainEdit() const { return again_; }
  // The name as typed, trimmed (UTF-8), and the password.
  std::string Name() const;
  std::string Password() const;
  bool NewMember() const { return !member_; }

  // The network part; hidden in a game against the computer.
  bool NetworkGame() const { return network_game_; }
  QGroupBox* NetworkPart() const { return network_; }
  QRadioButton* ServerButton() const { return server_; }
  QRadioButton* ClientButton() const { return client_; }
  QLineEdit* AddressEdit() const { return address_; }
  QLineEdit* PortEdit() const { return port_; }
  QLineEdit* GamesBox() const { return games_; }
  QPushButton* ReceiveAddressesButton() const { return receive_; }
  QPushButton* HelpButton() const { return help_; }
  QLineEdit* OwnAddressBox(int index) const { return own_[index]; }
  // The role, address and port as they stand.
  LanEntry Lan() const;

  // Opens the connection of a network game once Ok's checks have passed and waits for it: true
  // when it was made, and the dialog closes. Without it the dialog closes at once and the
  // caller connects.
  void SetConnect(std::function<bool(const LanEntry&)> connect) { connect_ = std::move(connect); }
  // Where the machine's public address is asked; without it the list has none.
  void SetPublicAddressSource(std::function<std::optional<OwnAddress>()> source) {
    public_address_ = std::move(source);
  }

  // Ok: checks, and either closes the dialog or tells what is wrong.
  void TryAccept();
  // "To receive the IP-addresses": fills the own-address boxes.
  void ReceiveAddresses();
  // "?": how to set up a router for a game over the internet.
  void ShowRouterHelp();

 private:
  void Build(const std::string& last_name, const std::optional<LanEntry>& lan);
  QGroupBox* BuildNetworkPart(const LanEntry& lan);
  void UpdateRole();
  void Tell(const std::string& text);

  std::optional<ClubProfile> member_;
  bool network_game_ = false;
  QLineEdit* name_ = nullptr;
  QLineEdit* password_ = nullptr;
  QLineEdit* again_ = nullptr;
  QGroupBox* network_ = nullptr;
  QRadioButton* server_ = nullptr;
  QRadioButton* client_ = nullptr;
  QLineEdit* address_ = nullptr;
  QLineEdit* port_ = nullptr;
  QLineEdit* games_ = nullptr;
  QPushButton* receive_ = nullptr;
  QPushButton* help_ = nullptr;
  std::array<QLineEdit*, kOwnAddressBoxes> own_{};
  std::function<bool(const LanEntry&)> connect_;
  std::function<std::optional<OwnAddress>()> public_address_;
};

}  // namespace quorvex
