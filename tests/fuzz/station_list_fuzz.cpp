// The radio's station list, as installed or as downloaded: any bytes read without reading past
// them, into stations that every country filter can show.
#include "fuzz_support.h"
#include "sound/radio_stations.h"

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<RadioStation> all = ReadStationList(fuzz::Bytes(data, size));
  size_t shown = 0;
  for (int filter = 0; filter < kRadioFilters; ++filter) {
    const size_t n = FilterStations(all, filter).size();
    if (filter == 0)
      FUZZ_CHECK(n == all.size());
    else
      shown += n;
  }
  FUZZ_CHECK(shown <= all.size());
  for (const RadioStation& station : all) FUZZ_CHECK(!station.address.empty());
  return 0;
}
