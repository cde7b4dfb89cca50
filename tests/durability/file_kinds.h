// Each kind of file the program writes, with two records to alternate between: how the program
// writes one of them into a folder, and which of the two its own reader finds there. Shared by
// the writing loop that the kill test starts and by the test that judges what it left.
#pragma once

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "online/chat_state_files.h"
#include "online/user_file.h"
#include "records/club_file.h"
#include "records/history_file.h"
#include "settings/safe_file_write.h"
#include "settings/settings_file.h"
#include "settings/settings_fixture.h"
#include "sound/radio.h"
#include "sound/radio_files.h"
#include "sound/radio_stations.h"
#include "sound/song_file.h"
#include "support/offline_http.h"

namespace quorvex::durability {

namespace fs = std::filesystem;

// What the reader found: the first or second record, nothing (a kind that may be absent between
// writes), or something else (a damaged file).
enum class Found { First, Second, Absent, Damaged };

struct FileKind {
  const char* name;
  // The file the kind writes, relative to the folder.
  const char* file;
  bool (*write)(const fs::path& folder, int which);
  Found (*read)(const fs::path& folder);
};

template <typename T>
Found Which(const std::optional<T>& value, const T& first, const T& second) {
  if (!value) return Found::Damaged;
  return *value == first ? Found::First : *value == second ? Found::Second : Found::Damaged;
}

inline ClubFile ClubRecord(int which) {
  ClubFile club = FreshClubFile();
  if (which == 1) {
    club.line16 = std::string(club.line16.size(), '7');
    UpdateClubChecksum(club);
  }
  return club;
}

inline UserFileLogin UserRecord(int which) {
  return which == 0 ? UserFileLogin{"Anna", EncipherPassword("first secret")}
                    : UserFileLogin{"Boris the second", EncipherPassword("another one")};
}

inline ChatState ChatRecord(int which) {
  return which == 0 ? ChatState{12, true, false} : ChatState{987654321, false, true};
}

inline RadioSettings RadioRecord(int which) {
  RadioSettings radio = DefaultRadioSettings("http://127.0.0.1:8047");
  if (which == 1) {
    radio.on = true;
    radio.volume = 80;
    radio.filter = 3;
  }
  return radio;
}

// Long enough that a kill often lands inside the write.
inline std::string StationListText(int which) {
  std::string text;
  for (int i = 0; i < 1500; ++i)
    text += std::string(which == 0 ? "LAT" : "JAP") + "#ST" + std::to_string(10000 + i) +
            "#Station " + std::to_string(i) + "#Latvia#http://127.0.0.1/s" + std::to_string(i) +
            "#RRADIO_LOGO_Q1\n";
  return text;
}

inline std::string SongBytes(int which) {
  return "MThd" + std::string(256 * 1024, which == 0 ? 'a' : 'b');
}

// A resource library as a download writes it: piece by piece, as the bytes arrive.
inline std::string LibraryBytes(int which) {
  return std::string(1 << 20, which == 0 ? 'x' : 'y');
}

inline std::string FileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline RadioFiles RadioFolders(const fs::path& folder) {
  return {folder, folder, "http://127.0.0.1:8047"};
}

inline std::vector<std::string> StationNames(const std::vector<RadioStation>& stations) {
  std::vector<std::string> names;
  for (const RadioStation& s : stations) names.push_back(s.code + s.id + s.address);
  return names;
}

// The records of every numbered history file; nullopt when one of them is damaged.
inline std::optional<int> HistoryRecordCount(const fs::path& folder) {
  int records = 0;
  std::error_code error;
  for (int number = 1; fs::exists(HistoryFilePath(folder, number), error); ++number) {
    const HistoryCheck check = CheckHistoryFile(HistoryFilePath(folder, number));
    if (!check.valid) return std::nullopt;
    records += check.records;
  }
  return records;
}

inline const std::array<FileKind, 10> kFileKinds = {{
    {"Settings", "Quorva.ini",
     [](const fs::path& folder, int which) {
       return WriteSettingsFile(SettingsFilePath(folder),
                                which == 0 ? Settings() : NonDefaultSettings())
           .ok;
     },
     [](const fs::path& folder) {
       const SettingsReadResult read = ReadSettingsFile(SettingsFilePath(folder));
       if (read.end != SettingsReadEnd::Complete) return Found::Damaged;
       return Which<Settings>(read.settings, Settings(), NonDefaultSettings());
     }},
    {"Club", kLocalClubFileName,
     [](const fs::path& folder, int which) {
       return WriteClubFile(folder / kLocalClubFileName, ClubRecord(which)).ok;
     },
     [](const fs::path& folder) {
       const ClubFileRead read = ReadClubFile(folder / kLocalClubFileName);
       if (!read.ok()) return Found::Damaged;
       return Which<ClubFile>(read.club, ClubRecord(0), ClubRecord(1));
     }},
    {"User", kUserFileName,
     [](const fs::path& folder, int which) { return WriteUserFile(folder, UserRecord(which)); },
     [](const fs::path& folder) {
       return Which(ReadUserFile(folder), UserRecord(0), UserRecord(1));
     }},
    {"ChatState", kChatStateFileName,
     [](const fs::path& folder, int which) { return WriteChatState(folder, ChatRecord(which)); },
     [](const fs::path& folder) {
       return Which<ChatState>(ReadChatState(folder), ChatRecord(0), ChatRecord(1));
     }},
    {"NewsState", kNewsStateFileName,
     [](const fs::path& folder, int which) {
       return WriteNewsSeen(folder, which == 0 ? 4242 : 1234567890123);
     },
     [](const fs::path& folder) {
       return Which<int64_t>(ReadNewsSeen(folder), 4242, 1234567890123);
     }},
    {"RadioState", "ZefRadio.ini",
     [](const fs::path& folder, int which) {
       return WriteRadioIni(folder / "ZefRadio.ini", RadioRecord(which), RadioRecord(0));
     },
     [](const fs::path& folder) {
       const std::optional<RadioSettings> read =
           ReadRadioIni(folder / "ZefRadio.ini", RadioRecord(0));
       if (!read) return Found::Damaged;
       if (read->on == RadioRecord(0).on && read->volume == RadioRecord(0).volume &&
           read->filter == RadioRecord(0).filter &&
           read->station.address == RadioRecord(0).station.address)
         return Found::First;
       if (read->on == RadioRecord(1).on && read->volume == RadioRecord(1).volume &&
           read->filter == RadioRecord(1).filter)
         return Found::Second;
       return Found::Damaged;
     }},
    {"StationList", "ZefRadio.ser",
     [](const fs::path& folder, int which) {
       // The real download step, with the server's answer given.
       // The two answers are made once, so that the loop's time goes to the download step.
       static const std::string answers[2] = {StationListBytes(StationListText(0)),
                                              StationListBytes(StationListText(1))};
       testing::OfflineHttp http;
       http.answer = [which](const HttpRequest&) {
         HttpReply reply;
         reply.ok = true;
         reply.status = 200;
         reply.body = answers[which];
         return reply;
       };
       return DownloadStationList(http, RadioFolders(folder));
     },
     [](const fs::path& folder) {
       const auto names = StationNames(ReadStationFile(RadioFolders(folder).ServerList()));
       return Which<std::vector<std::string>>(
           names, StationNames(ReadStationList(StationListBytes(StationListText(0)))),
           StationNames(ReadStationList(StationListBytes(StationListText(1)))));
     }},
    {"Song", "temp47_25.mid",
     // The song is written only when missing, and removed when the settings are saved.
     [](const fs::path& folder, int which) {
       DeleteSongFile(folder, false);
       return PrepareSongFile(folder, SongBytes(which)) == SongFileState::Written;
     },
     [](const fs::path& folder) {
       std::error_code error;
       if (!fs::exists(folder / SongFileName(), error)) return Found::Absent;
       return Which<std::string>(FileBytes(folder / SongFileName()), SongBytes(0), SongBytes(1));
     }},
    {"Download", "ZefCards06A.dll",
     [](const fs::path& folder, int which) {
       FileReplacement library(folder / "ZefCards06A.dll");
       const std::string bytes = LibraryBytes(which);
       for (size_t at = 0; at < bytes.size(); at += 16384)
         if (!library.Append(std::string_view(bytes).substr(at, 16384))) return false;
       return library.Commit();
     },
     [](const fs::path& folder) {
       return Which<std::string>(FileBytes(folder / "ZefCards06A.dll"), LibraryBytes(0),
                                 LibraryBytes(1));
     }},
    {"History", "History/Quorva_I0001.hst",
     // Each write adds a record: judged by the history test itself, which counts them.
     [](const fs::path& folder, int which) {
       const HisStr record{which == 0 ? "Anna" : "Boris", 12, 340 + which, 1500.5, 0};
       const HistoryStamp stamp{10, 30, "11.12.2026"};
       return WriteHistory(folder, std::span<const HisStr>(&record, 1), stamp).write.ok;
     },
     [](const fs::path& folder) {
       return HistoryRecordCount(folder) ? Found::First : Found::Damaged;
     }},
}};

inline const FileKind* FindKind(std::string_view name) {
  for (const FileKind& kind : kFileKinds)
    if (name == kind.name) return &kind;
  return nullptr;
}

}  // namespace quorvex::durability
