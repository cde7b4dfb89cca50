// The online configuration file, read once as the settings are read: it can pause the world top
// ten and the chat, and move the records, statistics and account services elsewhere.
#pragma once

#include <optional>
#include <string>

#include "online/http_client.h"
#include "online/service_addresses.h"
#include "settings/settings.h"

namespace quorvex {

// What the configuration decides beyond the settings.
struct OnlineSwitches {
  bool world_top_ten = true;
  bool chat = true;
  StoredAddress account = BuiltInStoredAddress(ServiceAddress::Account);
};

// Applies the file's text (nullopt when it could not be read) to the settings' addresses and
// the switches.
void ApplyConfiguration(const std::optional<std::string>& text, Settings& settings,
                        OnlineSwitches& switches);

// Reads the file from its built-in address and applies it.
void FetchConfiguration(HttpClient& client, Settings& settings, OnlineSwitches& switches);

}  // namespace quorvex
