// Logging the account in at start-up and out from the account window.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "online/account_records.h"
#include "online/account_service.h"

namespace quorvex {

// The password as the automatic login sends it: every " ", "#" and "$" becomes "-".
std::string StartupPassword(std::string_view password);

// At start-up, after the settings: the state becomes 1; with a user file in `user_folder` its
// nick and password log in. Whatever the outcome the member becomes the login result, with
// PwC enciphered again from the password sent; a successful login makes the state 2. Without a
// usable user file nothing is sent and the member is left as it was.
void AutomaticLogin(AccountService& service, const std::filesystem::path& user_folder,
                    AccountSession& session);

// "Sign out": the state becomes 1 and the balance and its reserves are cleared.
void SignOut(AccountSession& session);

}  // namespace quorvex
