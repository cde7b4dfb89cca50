// What the world top-ten windows need from the program for the whole run: the records service
// (at the settings' `TopTenAddress`), the passport in the settings, the configuration's pause
// switch, the account for its lists, the club files for the local lists, and the category and
// list the player chose last, and the tournament's ranking.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "online/account_records.h"
#include "online/account_service.h"
#include "online/configuration.h"
#include "online/http_client.h"
#include "online/service_addresses.h"
#include "online/tournament_records.h"
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
  // The tournament's ranking the player chose last ("Score" at first), the tournament service,
  // and the player's tournament standing as the lobby read it (unknown until then).
  TourKind tournament_kind = TourKind::Score;
  std::string tournament = BuiltInStoredAddress(ServiceAddress::Tournament).plain;
  std::optional<TourStanding> tournament_own = std::nullopt;
};

}  // namespace quorvex
