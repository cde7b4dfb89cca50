#include "online/configuration.h"

#include "online/service_request.h"

namespace quorvex {
namespace {

// A key's value starts one character after its name and runs to the next "#".
std::optional<std::string> Value(const std::string& text, const std::string& key) {
  const size_t at = text.find(key);
  if (at == std::string::npos) return std::nullopt;
  const size_t start = at + key.size() + 1;
  if (start > text.size()) return std::string();
  const size_t end = text.find('#', start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

void ApplyConfiguration(const std::optional<std::string>& text, Settings& settings,
                        OnlineSwitches& switches) {
  switches.world_top_ten = true;
  switches.chat = true;
  if (!text) return;
  switches.chat = text->find("CTGamesPause") == std::string::npos;
  if (text->find("WTGamesPause") != std::string::npos) {
    switches.world_top_ten = false;
  } else if (const auto value = Value(*text, "WTGamesPatt")) {
    // A value that does not decipher to a web address keeps the working one.
    if (auto address = ReadStoredAddress(ServiceAddress::TopTen, *value))
      settings.TopTenAddress = std::move(*address);
  }
  if (const auto value = Value(*text, "StatPath")) {
    if (auto address = ReadStoredAddress(ServiceAddress::Stats, *value))
      settings.StatsAddress = std::move(*address);
  }
  switches.account = BuiltInStoredAddress(ServiceAddress::Account);
  if (const auto value = Value(*text, "AccPath")) {
    if (auto address = ReadStoredAddress(ServiceAddress::Account, *value))
      switches.account = std::move(*address);
  }
}

void FetchConfiguration(HttpClient& client, Settings& settings, OnlineSwitches& switches) {
  const HttpReply reply =
      GetAddress(client, BuiltInStoredAddress(ServiceAddress::ConfigFile).plain);
  ApplyConfiguration(reply.ok ? std::optional<std::string>(reply.body) : std::nullopt, settings,
                     switches);
}

}  // namespace quorvex
