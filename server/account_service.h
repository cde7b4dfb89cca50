// The account service: registration, login, the member count, the game record and the rating
// list, the balance and the profile, in the reply layouts the game's readers cut. Requests are
// told apart by their field names; anything else is refused with "no#" and changes nothing.
//
// The game's balance change carries no password, so the server guards it by the login session:
// a credit to another member is a transfer the server makes itself from the session's own
// balance, and the client's debit of its own balance that follows is answered as the second half
// of it; the client's credit of a bonus to itself is answered when the server paid that bonus on
// the session's score-list write. Every other change of a balance is refused. Game records and
// profiles change only within their own member's session.
#pragma once

#include <QByteArray>

#include "account_store.h"
#include "form.h"
#include "login_throttle.h"
#include "password_verifier.h"
#include "session_cookie.h"

namespace quorvex::server {

// The game records this server keeps, by the prefix of their field names.
inline const QByteArray kGameFieldPrefix = QByteArrayLiteral("qvrx02");

class AccountService {
 public:
  AccountService(AccountStore& store, int password_iterations);

  ServiceReply Handle(const Form& form, const Caller& caller);

 private:
  ServiceReply Register(const Form& form, const Caller& caller);
  ServiceReply LogIn(const Form& form, const Caller& caller);
  QByteArray ReadRecord(const Form& form, const Caller& caller);
  QByteArray SaveRecord(const Form& form, const Caller& caller);
  QByteArray RatingPlace(const Form& form);
  QByteArray RatingTopTen();
  QByteArray ReadBalance(const Form& form);
  QByteArray ChangeBalance(const Form& form, const Caller& caller);
  QByteArray ReadProfile(const Form& form);
  QByteArray SaveProfile(const Form& form, const Caller& caller);

  // The member named by the form's nick and pw, when the password is right.
  std::optional<Member> Authenticated(const Form& form, const Caller& caller);
  // The caller's live session when it is logged in as the form's nick.
  std::optional<Session> OwnSession(const Form& form, const Caller& caller);

  AccountStore& store_;
  PasswordVerifier passwords_;
  LoginThrottle throttle_;
};

}  // namespace quorvex::server
