#include "sound/song_file.h"

#include <fstream>
#include <system_error>

namespace quorvex {

std::string SongFileName() {
  return "temp" + std::to_string(kGameCode) + "_25.mid";
}

SongFileState PrepareSongFile(const std::filesystem::path& temp_dir, std::string_view song) {
  const std::filesystem::path file = temp_dir / SongFileName();
  std::error_code error;
  if (std::filesystem::is_regular_file(file, error)) return SongFileState::Found;
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (out && out.write(song.data(), static_cast<std::streamsize>(song.size())) && out.flush())
      return SongFileState::Written;
  }
  // Leave no half-written song behind for the next start to trust.
  std::filesystem::remove(file, error);
  return SongFileState::Failed;
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
