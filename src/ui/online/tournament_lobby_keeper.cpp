#include "ui/online/tournament_lobby_keeper.h"

#include "locale/lang_text.h"
#include "online/public_address.h"
#include "ui/dialogs/notice_window.h"
#include "ui/online/wait_cursor.h"

namespace quorvex {

TournamentLobbyKeeper::TournamentLobbyKeeper(TournamentContext context,
                                             std::function<std::string()> public_address)
    : context_(context),
      hooks_(context.account.hooks),
      service_(context.lists.http, context.lists.tournament),
      lobby_(
          service_, context.relay, hooks_,
          public_address ? std::move(public_address)
                         : [http = &context.account.http] { return FetchPublicAddress(*http); }) {}

TFTour* TournamentLobbyKeeper::Show(QWidget* parent) {
  const AccountSession& session = context_.account.session;
  if (session.state == AccountState::NotLoggedIn) {
    ShowNotice(QString::fromUtf8(Text(Tx::LogInToYourAccount).c_str()), QString(), QString(),
               parent);
    return nullptr;
  }
  if (window_) {
    window_->raise();
    window_->activateWindow();
    return window_;
  }
  {
    WaitCursor wait;
    lobby_.Open(TZefClient{session.user.Nick, 0, 0, 0, session.user.Country1, session.user.City,
                           std::string(1, session.user.Sex), std::string()});
  }
  window_ = new TFTour(lobby_, context_, parent);
  window_->setAttribute(Qt::WA_DeleteOnClose);
  window_->show();
  return window_;
}

void TournamentLobbyKeeper::CloseForGame() {
  if (window_) window_->CloseForGame();
}

}  // namespace quorvex
