// The internet radio: the station that plays, on or off, its volume and the country filter, kept
// in "ZefRadio.ini" (seven lines) between runs; tuning, switching and the volume steps.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sound/radio_stations.h"
#include "sound/stream_player.h"

namespace quorvex {

struct RadioSettings {
  RadioStation station;
  bool on = false;
  int volume = 30;  // percent, in steps of 10
  int filter = 0;   // index into kRadioFilterTable
};

// The built-in station: the first of our own server's, off, at volume 30, every country shown.
RadioSettings DefaultRadioSettings(std::string_view service_base);

// "ZefRadio.ini": name, address, country text, logo, "1"/"0", volume, filter; Windows-1251 text
// with CR LF. Reading starts from `defaults` and takes what the file has line by line.
RadioSettings ParseRadioIni(std::string_view bytes, const RadioSettings& defaults);
// A station whose four texts are not all there is written as the default one.
std::string RadioIniBytes(const RadioSettings& settings, const RadioSettings& defaults);
std::optional<RadioSettings> ReadRadioIni(const std::filesystem::path& file,
                                          const RadioSettings& defaults);
bool WriteRadioIni(const std::filesystem::path& file, const RadioSettings& settings,
                   const RadioSettings& defaults);

class Radio {
 public:
  explicit Radio(StreamPlayer& player) : player_(player) {}

  // The radio can play only with its pictures and a station list; without them it stays off.
  void Load(bool available, const RadioSettings& settings);
  bool Available() const { return available_; }
  const RadioSettings& Settings() const { return settings_; }

  // The stations of `filter` from the whole list; the current station's entry is selected, or
  // the first one, which is then tuned. Returns the selected index, -1 for an empty list.
  int FillStationList(const std::vector<RadioStation>& all, int filter,
                      std::vector<RadioStation>& shown);
  // Plays the station if the radio is on.
  void TuneStation(const RadioStation& station);
  void ToggleRadio();
  void VolumeUp();
  void VolumeDown();
  // The radio picture's hint: `radio_word` + ": " + the station's name.
  std::string Hint(std::string_view radio_word) const;

 private:
  void Start();

  StreamPlayer& player_;
  RadioSettings settings_;
  bool available_ = false;
};

}  // namespace quorvex
