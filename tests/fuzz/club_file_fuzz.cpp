// The club files: any bytes read without reading past them; a file that passes its checks is
// written back as one that passes them again with the same lines.
#include "fuzz_support.h"
#include "records/club_file.h"

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ClubFileRead read = ParseClubText(fuzz::Bytes(data, size));
  for (int slot = 0; slot <= kClubProfiles + 1; ++slot) (void)read.club.Profile(slot);
  for (int place = 0; place <= kTopTenPlaces + 1; ++place) (void)read.club.TopTen(place);
  (void)read.club.RussianMark();
  (void)read.club.QuietInstallation();
  if (!read.ok()) return 0;
  const std::string written = ClubFileText(read.club);
  const ClubFileRead again = ParseClubText(written);
  FUZZ_CHECK(again.ok());
  FUZZ_CHECK(again.club == read.club);
  FUZZ_CHECK(ClubFileText(again.club) == written);
  return 0;
}
