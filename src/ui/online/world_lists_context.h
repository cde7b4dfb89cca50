// What the world top-ten windows need from the program for the whole run: the records service
// (at the settings' `TopTenAddress`), the passport in the settings, the configuration's pause
// switch, the account for its lists, the club files for the local lists, and the category and
// list the player chose last.
#pragma once

#include <filesystem>

#include "online/account_records.h"
#include "online/account_service.h"
#include "online/configuration.h"
#include "online/http_client.h"
#include "settings/settings.h"

namespace quorvex {

struct WorldListsContext {
  HttpClient& http;
  Settings& settings;
  const OnlineSwitches& switches;
  AccountService& account;            // category 1: the account rating top ten
  const AccountSession& session;      // the account's nick and city on its score list
  std::filesystem::path program_dir;  // where "Quorva.clb" and "Quorva.net" lie
  // The purple design's category 1..7 (the tournament lobby opens the window on 5) and the grey
  // designs' list 47, 147 or 347; both kept for the next opening.
  int category = 3;
  int list = 47;
};

}  // namespace quorvex
