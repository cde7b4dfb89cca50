// The network part of "Welcome!": the role, the server's address and port and their checks,
// and the machine's own addresses.
#include <gtest/gtest.h>

#include <QStyle>

#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <string>
#include <vector>

#include "locale/lang_text.h"
#include "locale/languages.h"
#include "ui/dialogs/modal_run.h"
#include "ui/dialogs/player_dialog.h"

namespace quorvex::testing {
namespace {

TEST(LanEntryCheck, TheAddressOfAClientAndThePortAreCheckedInThatOrder) {
  using enum LanEntryCheck;
  const LanRole client = LanRole::Client, server = LanRole::Server;
  struct Case {
    LanRole role;
    const char* address;
    const char* port;
    LanEntryCheck expected;
  } const cases[] = {
      {client, "10.0.0.1", "25666", Ok},
      {client, "192.168.0.1.", "25666", IncorrectAddress},  // a trailing dot
      {client, "192.168.1", "25666", IncorrectAddress},     // two dots
      {client, "1.2.3.4.5", "25666", IncorrectAddress},
      {client, "1..3.4", "25666", IncorrectAddress},
      {client, ".1.2.3", "25666", IncorrectAddress},
      {client, "", "25666", IncorrectAddress},
      {client, "1000.0.0.1", "25666", IncorrectAddress},  // four digits
      {client, "256.0.0.1", "25666", IncorrectAddress},   // no such address
      {client, "255.255.255.255", "25666", Ok},
      {client, "010.0.0.1", "1", Ok},
      {client, "1.2.3.x", "25666", IncorrectAddress},
      {client, "192.168.1", "", IncorrectAddress},  // the address is told first
      {server, "192.168.1", "25666", Ok},           // a server names no address
      {server, "127.0.0.1", "", IncorrectPort},
      {server, "127.0.0.1", "0", IncorrectPort},
      {server, "127.0.0.1", "00000", IncorrectPort},
      {server, "127.0.0.1", "65535", Ok},
      {server, "127.0.0.1", "65536", IncorrectPort},
      {client, "10.0.0.1", "99999", IncorrectPort},
      {client, "10.0.0.1", "80a", IncorrectPort},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckLanEntry(LanEntry{c.role, c.address, c.port}), c.expected)
        << int(c.role) << " " << c.address << " : " << c.port;
  }
}

TEST(OwnAddresses, InterfacesThenThePublicAddressThenTheLoopbackSixAtMost) {
  SetCurrentLanguage(0);
  const OwnAddress loop{"127.0.0.1", "Loop"};
  const OwnAddress outside{"203.0.113.7", "quorvex.example"};
  EXPECT_EQ(OwnAddressList({}, std::nullopt), std::vector<OwnAddress>{loop});
  EXPECT_EQ(OwnAddressList({"192.168.0.5", "10.1.1.2"}, outside),
            (std::vector<OwnAddress>{{"192.168.0.5", ""}, {"10.1.1.2", ""}, outside, loop}));
  const std::vector<std::string> many{"10.0.0.1", "10.0.0.2", "10.0.0.3",
                                      "10.0.0.4", "10.0.0.5", "10.0.0.6"};
  const std::vector<OwnAddress> six = OwnAddressList(many, outside);
  ASSERT_EQ(six.size(), size_t(kOwnAddressBoxes));
  EXPECT_EQ(six.back().address, "10.0.0.6");
  for (const std::string& address : InterfaceAddresses()) {
    EXPECT_TRUE(LanAddressWellFormed(address)) << address;
    EXPECT_NE(address, "127.0.0.1");
  }
}

class WelcomeTest : public ::testing::Test {
 protected:
  WelcomeTest() {
    SetCurrentLanguage(0);
    SetModalHook([this](QDialog& dialog) {
      if (auto* box = qobject_cast<QMessageBox*>(&dialog))
        messages.push_back(box->text().toStdString());
      return int(QDialog::Accepted);
    });
  }
  ~WelcomeTest() override { SetModalHook(nullptr); }

  std::vector<std::string> messages;
};

TEST_F(WelcomeTest, TheNetworkPartShowsOnlyForANetworkGame) {
  const ClubProfile member{ClubName("Boris"), 1.5, 37, 120, ClubPassword("pw")};
  TFormPlayer computer(1, member, "");
  TFormPlayer lan(1, member, "", LanEntry{LanRole::Server, "192.168.0.9", "4000"});
  computer.adjustSize();
  lan.adjustSize();
  EXPECT_FALSE(computer.NetworkGame());
  EXPECT_TRUE(computer.NetworkPart()->isHidden());
  EXPECT_FALSE(lan.NetworkPart()->isHidden());
  EXPECT_LT(computer.height(), lan.height());
  EXPECT_TRUE(lan.AgainEdit()->isHidden());  // a member types the password once

  // Preset from the settings; the games the member has played.
  EXPECT_TRUE(lan.ServerButton()->isChecked());
  EXPECT_EQ(lan.AddressEdit()->text(), "192.168.0.9");
  EXPECT_EQ(lan.PortEdit()->text(), "4000");
  EXPECT_EQ(lan.GamesBox()->text(), "37");
  EXPECT_TRUE(lan.GamesBox()->isReadOnly());
  EXPECT_EQ(lan.ServerButton()->text().toStdString(), "Server create the game");
  EXPECT_EQ(lan.ReceiveAddressesButton()->text().toStdString(), "To receive the IP-addresses");

  // Only a client names the server.
  EXPECT_FALSE(lan.AddressEdit()->isEnabled());
  lan.ClientButton()->setChecked(true);
  EXPECT_TRUE(lan.AddressEdit()->isEnabled());
  EXPECT_EQ(lan.Lan().role, LanRole::Client);

  TFormPlayer newcomer(6, std::nullopt, "Ada", LanEntry{});
  EXPECT_FALSE(newcomer.AgainEdit()->isHidden());
  EXPECT_EQ(newcomer.GamesBox()->text(), "0");
}

TEST_F(WelcomeTest, PasswordsShowHashesAndKeepWhatWasTyped) {
  TFormPlayer newcomer(6, std::nullopt, "Ada");
  for (QLineEdit* box : {newcomer.PasswordEdit(), newcomer.AgainEdit()}) {
    box->setText(QStringLiteral("abc"));
    EXPECT_EQ(box->echoMode(), QLineEdit::Password);
    EXPECT_EQ(box->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, box), '#');
    EXPECT_EQ(box->displayText(), QStringLiteral("###"));
  }
  EXPECT_EQ(newcomer.Password(), "abc");
}

TEST_F(WelcomeTest, OnlyDigitsAndDotsCanBeTypedIntoTheAddressAndDigitsIntoThePort) {
  TFormPlayer dialog(6, std::nullopt, "Ada", LanEntry{LanRole::Client, "", ""});
  QTest::keyClicks(dialog.AddressEdit(), "10,a.0.0 .1x");
  EXPECT_EQ(dialog.AddressEdit()->text(), "10.0.0.1");
  QTest::keyClicks(dialog.PortEdit(), "2-5e666 1");
  EXPECT_EQ(dialog.PortEdit()->text(), "25666");
}

TEST_F(WelcomeTest, OkTellsWhatIsWrongThenConnectsAndClosesOnlyWhenTheConnectionIsMade) {
  TFormPlayer dialog(6, std::nullopt, "Ada", LanEntry{LanRole::Client, "192.168.1", ""});
  std::vector<LanEntry> connects;
  bool connected = false;
  dialog.SetConnect([&](const LanEntry& lan) {
    connects.push_back(lan);
    return connected;
  });

  dialog.TryAccept();
  EXPECT_EQ(messages, std::vector<std::string>{"Incorrect IP-address!"});
  dialog.AddressEdit()->setText("10.0.0.1");
  dialog.TryAccept();
  EXPECT_EQ(messages.back(), "Incorrect Port!");
  EXPECT_TRUE(connects.empty());

  dialog.PortEdit()->setText("25666");
  dialog.TryAccept();  // no connection made: the player may try again
  ASSERT_EQ(connects.size(), 1u);
  EXPECT_EQ(connects[0].address, "10.0.0.1");
  EXPECT_EQ(connects[0].port, "25666");
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(messages.size(), 2u);

  connected = true;
  dialog.TryAccept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  // The player's own checks come first; a game against the computer never asks for a port.
  TFormPlayer nameless(6, std::nullopt, "", LanEntry{LanRole::Server, "", ""});
  nameless.NameEdit()->clear();
  nameless.TryAccept();
  EXPECT_EQ(messages.back(), "Incorrect name!");
  TFormPlayer computer(6, std::nullopt, "Ada");
  computer.TryAccept();
  EXPECT_EQ(computer.result(), QDialog::Accepted);

  dialog.show();
  QTest::mouseClick(dialog.HelpButton(), Qt::LeftButton);
  EXPECT_EQ(messages.back(), Text(Tx::RouterHelp));
}

TEST_F(WelcomeTest, TheMachinesOwnAddressesFillTheBoxesWithTheirHints) {
  TFormPlayer dialog(6, std::nullopt, "Ada", LanEntry{});
  dialog.SetPublicAddressSource([] { return OwnAddress{"203.0.113.7", "quorvex.example"}; });
  dialog.show();
  QTest::mouseClick(dialog.ReceiveAddressesButton(), Qt::LeftButton);
  const std::vector<OwnAddress> expected =
      OwnAddressList(InterfaceAddresses(), OwnAddress{"203.0.113.7", "quorvex.example"});
  for (int i = 0; i < kOwnAddressBoxes; ++i) {
    QLineEdit* box = dialog.OwnAddressBox(i);
    EXPECT_TRUE(box->isReadOnly());
    const bool filled = i < int(expected.size());
    EXPECT_EQ(box->text().toStdString(), filled ? expected[i].address : "") << i;
    EXPECT_EQ(box->toolTip().toStdString(), filled ? expected[i].hint : "") << i;
  }
  const QByteArray shots = qgetenv("QUORVEX_SHOT_DIR");
  if (!shots.isEmpty())
    dialog.grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/welcome_network.png"));
}

}  // namespace
}  // namespace quorvex::testing
