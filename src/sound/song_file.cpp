#include "sound/song_file.h"

#include <system_error>

#include "settings/safe_file_write.h"

namespace quorvex {

std::string SongFileName() {
  return "temp" + std::to_string(kGameCode) + "_25.mid";
}

SongFileState PrepareSongFile(const std::filesystem::path& temp_dir, std::string_view song) {
  const std::filesystem::path file = temp_dir / SongFileName();
  std::error_code error;
  if (std::filesystem::is_regular_file(file, error)) return SongFileState::Found;
  // A file found is trusted as it is, so it must never exist half-written.
  return ReplaceFileContents(file, song) ? SongFileState::Written : SongFileState::Failed;
}

void DeleteSongFile(const std::filesystem::path& temp_dir, bool held_open) {
  if (held_open) return;
  std::error_code error;
  std::filesystem::remove(temp_dir / SongFileName(), error);
}

std::filesystem::path FindSoundFont() {
  std::error_code error;
  for (std::string_view candidate : kSoundFontCandidates) {
    const std::filesystem::path path(candidate);
    if (std::filesystem::is_regular_file(path, error)) return path;
  }
  return {};
}

}  // namespace quorvex
