// What the account window and the rated-match handling share for the whole run: the account
// service and the account as the program holds it, the windows' side of the account logic, and
// where the program keeps the login and finds the pictures and the payment page.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "online/account_hooks.h"
#include "online/account_records.h"
#include "online/account_service.h"
#include "online/http_client.h"

namespace quorvex {

struct Settings;

struct AccountContext {
  AccountService& service;
  AccountSession& session;
  AccountHooks& hooks;
  HttpClient& http;                   // the account pictures
  std::string avatar_base;            // a picture is this address + nick + ".jpg"
  std::string payment_page;           // the payment page's address, "100" appended when opened
  std::string records;                // the records service (the account score list)
  std::filesystem::path user_folder;  // where "ZefUser.zef" lies: the program folder's parent
  Settings& settings;
  // Uploads a chosen 200 x 250 JPEG as the member's picture; false when it failed.
  std::function<bool(const std::string& nick, const std::string& password,
                     const std::filesystem::path& jpeg)>
      upload_picture;
};

}  // namespace quorvex
