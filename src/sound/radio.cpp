#include "sound/radio.h"

#include <algorithm>
#include <charconv>

#include "locale/cp1251.h"
#include "settings/safe_file_write.h"

namespace quorvex {
namespace {

std::string Trimmed(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
  return std::string(line);
}

std::optional<int> Number(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

RadioSettings DefaultRadioSettings(std::string_view service_base) {
  RadioSettings settings;
  settings.station.code = "LAT";
  settings.station.id = "QVX0001";
  settings.station.name = "Quorvex Radio One";
  settings.station.country = "Latvia";
  settings.station.address = std::string(service_base) + "/radio/quorvex1.mp3";
  settings.station.logo = "RRADIO_LOGO_QUORVEX1";
  return settings;
}

RadioSettings ParseRadioIni(std::string_view bytes, const RadioSettings& defaults) {
  RadioSettings settings = defaults;
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size() && lines.size() < 7) {
    size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    lines.push_back(Trimmed(bytes.substr(start, end - start)));
    start = end + 1;
  }
  // Each line as written, as far as the file goes: an empty text stays empty until saved.
  auto text = [&lines](size_t i, std::string& into) {
    if (i < lines.size()) into = Cp1251ToUtf8(lines[i].substr(0, 512));
  };
  text(0, settings.station.name);
  text(1, settings.station.address);
  text(2, settings.station.country);
  text(3, settings.station.logo);
  if (lines.size() > 4) settings.on = lines[4] == "1";
  if (lines.size() > 5)
    if (const std::optional<int> volume = Number(lines[5]))
      settings.volume = std::clamp(*volume / 10 * 10, 0, 100);
  if (lines.size() > 6)
    if (const std::optional<int> filter = Number(lines[6]))
      if (*filter >= 0 && *filter < kRadioFilters) settings.filter = *filter;
  return settings;
}

std::string RadioIniBytes(const RadioSettings& settings, const RadioSettings& defaults) {
  const RadioStation& s = settings.station;
  const bool whole = !s.name.empty() && !s.address.empty() && !s.country.empty() && !s.logo.empty();
  const RadioStation& station = whole ? s : defaults.station;
  std::string out;
  for (const std::string* text : {&station.name, &station.address, &station.country, &station.logo})
    out += Utf8ToCp1251Lossy(*text, '?') + "\r\n";
  out += std::string(settings.on ? "1" : "0") + "\r\n";
  out += std::to_string(std::clamp(settings.volume, 0, 100)) + "\r\n";
  out += std::to_string(std::clamp(settings.filter, 0, kRadioFilters - 1)) + "\r\n";
  return out;
}

std::optional<RadioSettings> ReadRadioIni(const std::filesystem::path& file,
                                          const RadioSettings& defaults) {
  std::error_code error;
  const auto size = std::filesystem::file_size(file, error);
  // A state file is a few lines; anything far larger is not ours.
  if (error || size > 64 * 1024) return std::nullopt;
  std::string bytes(size_t(size), '\0');
  std::FILE* in = std::fopen(file.c_str(), "rb");
  if (!in) return std::nullopt;
  const size_t got = std::fread(bytes.data(), 1, bytes.size(), in);
  std::fclose(in);
  bytes.resize(got);
  return ParseRadioIni(bytes, defaults);
}

bool WriteRadioIni(const std::filesystem::path& file, const RadioSettings& settings,
                   const RadioSettings& defaults) {
  return ReplaceFileContents(file, RadioIniBytes(settings, defaults));
}

void Radio::Load(bool available, const RadioSettings& settings) {
  available_ = available;
  settings_ = settings;
  if (!available_) settings_.on = false;
}

int Radio::FillStationList(const std::vector<RadioStation>& all, int filter,
                           std::vector<RadioStation>& shown) {
  settings_.filter = filter >= 0 && filter < kRadioFilters ? filter : 0;
  shown = FilterStations(all, settings_.filter);
  if (shown.empty()) return -1;
  for (size_t i = 0; i < shown.size(); ++i)
    if (shown[i].name == settings_.station.name) return int(i);
  TuneStation(shown.front());
  return 0;
}

void Radio::TuneStation(const RadioStation& station) {
  settings_.station = station;
  if (settings_.station.logo.empty()) settings_.station.logo = kDefaultStationLogo;
  player_.Stop();
  if (settings_.on) Start();
}

void Radio::Start() {
  // An address that cannot be opened plays nothing, silently.
  if (!player_.Open(settings_.station.address)) return;
  player_.SetVolume(settings_.volume);
  player_.Play();
}

void Radio::ToggleRadio() {
  if (!available_) return;
  settings_.on = !settings_.on;
  if (settings_.on) {
    Start();
  } else {
    player_.Stop();
  }
}

void Radio::VolumeUp() {
  if (settings_.volume < 100) settings_.volume = std::min(100, settings_.volume + 10);
  player_.SetVolume(settings_.volume);
}

void Radio::VolumeDown() {
  if (settings_.volume > 0) settings_.volume = std::max(0, settings_.volume - 10);
  player_.SetVolume(settings_.volume);
}

std::string Radio::Hint(std::string_view radio_word) const {
  return std::string(radio_word) + ": " + settings_.station.name;
}

}  // namespace quorvex
