#include "ui/table/lan_game.h"

#include <QMessageBox>
#include <QPushButton>

#include "locale/cp1251.h"
#include "locale/lang_text.h"
#include "ui/dialogs/modal_run.h"
#include "ui/dialogs/wait_window.h"
#include "ui/table/main_window.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

void Tell(QWidget* parent, const std::string& text) {
  QString message = Qs(text);
  message.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  QMessageBox box(QMessageBox::Warning, Qs(Text(Tx::ProductTitle)), message, QMessageBox::Ok,
                  parent);
  RunModal(box);
}

}  // namespace

LanGame::LanGame(GameController& controller, MainWindow& window, Settings& settings)
    : controller_(controller), window_(window), settings_(settings) {
  wait_ = new TFormWait(settings_, &window_);
  connect(&connection_, &LanConnection::BytesArrived, this, [this](const QByteArray& bytes) {
    if (peer_) peer_->OnBytes(std::string_view(bytes.constData(), size_t(bytes.size())));
  });
  connect(&connection_, &LanConnection::Joined, this, [this] {
    if (peer_) peer_->SendHandshake();
  });
  connect(&connection_, &LanConnection::Lost, this, &LanGame::OnLost);
}

LanGame::~LanGame() {
  connection_.Close();
}

void LanGame::SendChat(const std::string& text) {
  if (peer_ && in_game_) peer_->SendChat(text);
}

TableRole LanGame::Role() const {
  return role_ == LanRole::Server ? TableRole::LanServer : TableRole::LanClient;
}

bool LanGame::Open(const LanEntry& entry, const std::string& own_name) {
  Close();
  role_ = entry.role;
  peer_name_.clear();
  // The name travels as the club keeps it.
  const std::string wire_name = Utf8ToCp1251(own_name).value_or(own_name);
  peer_ = std::make_unique<LanPeer>(controller_, window_, role_, wire_name);
  peer_->SetLink(&connection_);
  const quint16 port = quint16(std::stoi(entry.port));
  settings_.LanPort = entry.port;
  wait_->SetSettings(settings_);
  wait_->StartWaiting(role_ == LanRole::Server ? WaitRole::Server : WaitRole::Client);
  peer_->SetConnected([this](const std::string& name) {
    peer_name_ = name;
    window_.PlayEffect("WToMenK");
    if (role_ == LanRole::Server) {
      // The server's player sees who came and starts the game with Ok.
      wait_->AddPlayer(Qs(Cp1251ToUtf8(name)));
      wait_->SetOkEnabled(true);
      wait_->CancelButton()->setEnabled(false);
    } else {
      wait_->accept();
    }
  });
  if (role_ == LanRole::Server) {
    if (!connection_.Listen(port)) {
      Tell(&window_, Text(Tx::IncorrectPort));
      peer_.reset();
      return false;
    }
  } else {
    settings_.LanAddress = entry.address;
    connection_.ConnectTo(QString::fromStdString(entry.address), port);
  }
  const int result = RunModal(*wait_);
  const bool joined = result == QDialog::Accepted && peer_ &&
                      peer_->GetState() == LanPeer::State::Connected && connection_.Connected();
  if (!joined) {
    const bool refused = role_ == LanRole::Client && connection_.Failed();
    Close();
    if (refused) {
      window_.PlayEffect("WWrongs");
      Tell(&window_, Text(Tx::ServerConnectionError));
    }
    return false;
  }
  controller_.SetPeerLink(&connection_);
  return true;
}

void LanGame::SessionStarted() {
  in_game_ = true;
  if (peer_) peer_->SessionStarted();
}

void LanGame::Close() {
  in_game_ = false;
  connection_.Close();
  controller_.SetPeerLink(nullptr);
}

void LanGame::OnLost() {
  if (!in_game_) {
    // Still waiting: a client whose server cannot be reached stops waiting.
    if (wait_->isVisible() && role_ == LanRole::Client) wait_->reject();
    return;
  }
  in_game_ = false;
  if (!controller_.InSession()) return;
  if (controller_.EndingAllowed()) {
    controller_.OnPeerLost();
    return;
  }
  window_.PlayEffect("WWrongs");
  const std::string who = Text(role_ == LanRole::Server ? Tx::ClientWord : Tx::ServerWord);
  Tell(&window_, who + " " + Text(Tx::HasInterruptedGame) + "\n\r" + Text(Tx::PressOkForMenu));
  controller_.OnPeerLost();
}

}  // namespace quorvex
