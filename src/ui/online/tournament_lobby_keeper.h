// The tournament lobby for the whole run. The main window keeps one: it opens the lobby from the
// menu, closes it when the first deck of a match arrives and opens it again after the match;
// the game's side of the relay connection tells the lobby when the connection opened, failed or
// the match is over, and reads the seat it plays from.
#pragma once

#include <QPointer>
#include <functional>
#include <string>

#include "online/tournament_lobby.h"
#include "online/tournament_service.h"
#include "ui/online/tournament_context.h"
#include "ui/online/tournament_lobby_window.h"

class QWidget;

namespace quorvex {

class TournamentLobbyKeeper {
 public:
  // `public_address` answers the machine's public address; by default the echo service asked
  // through the account's HTTP client.
  explicit TournamentLobbyKeeper(TournamentContext context,
                                 std::function<std::string()> public_address = nullptr);

  // Opens the lobby window (modeless), or raises it when it is open. While the account is not
  // logged in it only says "Log in to your account!" and returns nullptr.
  TFTour* Show(QWidget* parent);
  // The first deck arrived: the window closes, the seat stays.
  void CloseForGame();
  // The window while it is open.
  TFTour* Window() const { return window_; }

  // MySeat(), MyTable(), OnRelayConnected(), OnRelayError(), SetGameOver().
  TournamentLobby& Lobby() { return lobby_; }

 private:
  class Hooks : public LobbyHooks {
   public:
    explicit Hooks(AccountHooks& account) : account_(account) {}
    void PlayErrorSound() override { account_.PlayErrorSound(); }
    void ShowMessage(const std::string& text) override { account_.ShowMessage(text); }

   private:
    AccountHooks& account_;
  };

  TournamentContext context_;
  Hooks hooks_;
  TournamentService service_;
  TournamentLobby lobby_;
  QPointer<TFTour> window_;
};

}  // namespace quorvex
