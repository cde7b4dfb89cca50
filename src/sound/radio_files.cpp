#include "sound/radio_files.h"

#include <cstdio>

#include "settings/safe_file_write.h"

namespace quorvex {
namespace {

constexpr std::uintmax_t kListLimit = 4u << 20;

std::optional<std::string> ReadSmallFile(const std::filesystem::path& file, std::uintmax_t limit) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error || size > limit) return std::nullopt;
  std::FILE* in = std::fopen(file.c_str(), "rb");
  if (!in) return std::nullopt;
  std::string bytes(size_t(size), '\0');
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), in));
  std::fclose(in);
  return bytes;
}

bool IsFile(const std::filesystem::path& file) {
  std::error_code error;
  return std::filesystem::is_regular_file(file, error);
}

}  // namespace

std::optional<std::filesystem::path> StationListFile(const RadioFiles& files, bool server_first) {
  if (server_first) {
    if (IsFile(files.ServerList())) return files.ServerList();
    return std::nullopt;
  }
  // The availability check looks beside the program and above it; reading takes the same file,
  // so a list found beside the program is never announced and then missed.
  for (const std::filesystem::path& dir : {files.program_dir, files.shared_dir})
    if (IsFile(dir / "ZefRadio.rad")) return dir / "ZefRadio.rad";
  return std::nullopt;
}

bool DownloadStationList(HttpClient& http, const RadioFiles& files) {
  HttpRequest request;
  request.url = files.service_base + "/downloads/progr/cards/ZefRadio.rad";
  request.post = false;
  request.limit = ExchangeLimit::ShortRead;
  request.max_body = size_t(kListLimit);
  const HttpReply reply = http.Exchange(request);
  // An error page or an empty answer must not replace a list that works.
  if (!reply.ok || ReadStationList(reply.body).empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(files.shared_dir, error);
  return ReplaceFileContents(files.ServerList(), reply.body);
}

std::vector<RadioStation> ReadStationFile(const std::filesystem::path& file) {
  const std::optional<std::string> bytes = ReadSmallFile(file, kListLimit);
  return bytes ? ReadStationList(*bytes) : std::vector<RadioStation>();
}

void LoadRadioSettings(Radio& radio, const RadioFiles& files, bool server_first, bool library_found,
                       HttpClient& http) {
  bool available = library_found;
  if (available && server_first) available = DownloadStationList(http, files);
  if (available) available = StationListFile(files, server_first).has_value();
  const RadioSettings defaults = DefaultRadioSettings(files.service_base);
  RadioSettings settings = defaults;
  if (available)
    if (std::optional<RadioSettings> read = ReadRadioIni(files.IniFile(), defaults))
      settings = *read;
  radio.Load(available, settings);
}

bool SaveRadioSettings(const Radio& radio, const RadioFiles& files) {
  // An unavailable radio never read the state file: writing its defaults would throw away the
  // player's station because the server did not answer once.
  if (!radio.Available()) return true;
  return WriteRadioIni(files.IniFile(), radio.Settings(), DefaultRadioSettings(files.service_base));
}

}  // namespace quorvex
