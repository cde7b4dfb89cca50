// The settings file: any bytes read without reading past them, and whatever settings came out
// written as a file that reads back to the very same settings.
#include "fuzz_support.h"
#include "settings/settings_file.h"

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const SettingsReadResult read = ReadSettingsText(fuzz::Bytes(data, size));
  const std::string written = SettingsFileText(read.settings);
  const SettingsReadResult again = ReadSettingsText(written);
  FUZZ_CHECK(again.end == SettingsReadEnd::Complete);
  FUZZ_CHECK(again.settings == read.settings);
  FUZZ_CHECK(SettingsFileText(again.settings) == written);
  return 0;
}
