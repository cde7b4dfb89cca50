// The radio's state file: any bytes read without reading past them; the state it gave is saved
// as a file that reads back to the same state.
#include "fuzz_support.h"
#include "sound/radio.h"

using namespace quorvex;

namespace {

bool SameState(const RadioSettings& a, const RadioSettings& b) {
  return a.station.name == b.station.name && a.station.address == b.station.address &&
         a.station.country == b.station.country && a.station.logo == b.station.logo &&
         a.on == b.on && a.volume == b.volume && a.filter == b.filter;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const RadioSettings defaults = DefaultRadioSettings("http://127.0.0.1:8047");
  const std::filesystem::path file = fuzz::ScratchFolder::Path() / "ZefRadio.ini";
  fuzz::ScratchFolder::Clear();
  fuzz::ScratchFolder::Put("ZefRadio.ini", fuzz::Bytes(data, size));

  const std::optional<RadioSettings> read = ReadRadioIni(file, defaults);
  FUZZ_CHECK(read.has_value());
  FUZZ_CHECK(read->volume >= 0 && read->volume <= 100 && read->volume % 10 == 0);
  FUZZ_CHECK(read->filter >= 0 && read->filter < kRadioFilters);
  // Texts the file cannot hold are changed on the first save; from then on it stays the same.
  FUZZ_CHECK(WriteRadioIni(file, *read, defaults));
  const std::optional<RadioSettings> saved = ReadRadioIni(file, defaults);
  FUZZ_CHECK(saved.has_value());
  FUZZ_CHECK(saved->on == read->on && saved->volume == read->volume &&
             saved->filter == read->filter);
  FUZZ_CHECK(WriteRadioIni(file, *saved, defaults));
  const std::optional<RadioSettings> again = ReadRadioIni(file, defaults);
  FUZZ_CHECK(again.has_value() && SameState(*again, *saved));
  return 0;
}
