#include "online/account_login.h"

#include <optional>

#include "online/user_file.h"

namespace quorvex {

std::string StartupPassword(std::string_view password) {
  std::string sent(password);
  for (char& c : sent)
    if (c == ' ' || c == '#' || c == '$') c = '-';
  return sent;
}

void AutomaticLogin(AccountService& service, const std::filesystem::path& user_folder,
                    AccountSession& session) {
  session.state = AccountState::NotLoggedIn;
  const std::optional<UserFileLogin> login = ReadUserFile(user_folder);
  if (!login) return;
  const LoginReply reply =
      service.LogIn(login->Nick, StartupPassword(DecipherPassword(login->PwC)));
  session.user = reply.user;
  if (reply.ok) session.state = AccountState::LoggedIn;
}

void SignOut(AccountSession& session) {
  session.state = AccountState::NotLoggedIn;
  session.user.R04 = session.user.R05 = session.user.R06 = 0;
}

}  // namespace quorvex
