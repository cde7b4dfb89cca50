// Where the radio keeps its files and how it starts from them: the station list (installed as
// "ZefRadio.rad", or "ZefRadio.ser" fetched from the download area), the state file
// "ZefRadio.ini" in the folder shared with the maker's other games, and the choice between them.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "online/http_client.h"
#include "sound/radio.h"

namespace quorvex {

struct RadioFiles {
  std::filesystem::path program_dir;  // the working directory, beside the program
  std::filesystem::path shared_dir;   // its parent: the state file and the downloaded list
  std::string service_base;           // the services' base address, without a final "/"

  std::filesystem::path IniFile() const { return shared_dir / "ZefRadio.ini"; }
  std::filesystem::path ServerList() const { return shared_dir / "ZefRadio.ser"; }
};

// The list the radio reads: with `server_first` the downloaded one, else the installed one beside
// the program or in its parent; nullopt when that file is not there.
std::optional<std::filesystem::path> StationListFile(const RadioFiles& files, bool server_first);

// Fetches "ZefRadio.rad" from the download area into "ZefRadio.ser", replacing the old copy only
// with a list that holds at least one station.
bool DownloadStationList(HttpClient& http, const RadioFiles& files);

// The stations of a list file; none when it cannot be read. A list is small: anything over a few
// megabytes is not one.
std::vector<RadioStation> ReadStationFile(const std::filesystem::path& file);

// At start and whenever the list's source changes: the radio is available with its picture
// library and a station list (downloaded now when the server comes first); then it takes the
// built-in station and whatever the state file says. An unavailable radio is off.
void LoadRadioSettings(Radio& radio, const RadioFiles& files, bool server_first, bool library_found,
                       HttpClient& http);

// Writes the state file (a temporary file renamed over it); false when the disk refused. An
// unavailable radio leaves the file as it is.
bool SaveRadioSettings(const Radio& radio, const RadioFiles& files);

}  // namespace quorvex
