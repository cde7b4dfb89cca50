// Puts a fresh pair of club files into a folder, as an installer would: five empty profiles and
// an empty top ten. A file already there is left alone, whatever it holds, so that a build never
// touches a player's standing.
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "records/club_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder of the game>\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  int result = 0;
  for (const bool network : {false, true}) {
    const std::filesystem::path file = quorvex::ClubFilePath(folder, network);
    if (std::filesystem::exists(std::filesystem::symlink_status(file, error))) continue;
    if (!quorvex::WriteClubFile(file, quorvex::FreshClubFile()).ok) {
      std::fprintf(stderr, "could not write %s\n", file.c_str());
      result = 1;
    }
  }
  return result;
}
