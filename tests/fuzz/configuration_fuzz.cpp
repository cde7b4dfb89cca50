// The online configuration file: any text applied to the settings without reading past it,
// leaving settings that are written and read back whole.
#include "fuzz_support.h"
#include "online/configuration.h"
#include "settings/settings_file.h"

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Settings settings;
  OnlineSwitches switches;
  ApplyConfiguration(std::string(fuzz::Bytes(data, size)), settings, switches);
  const SettingsReadResult again = ReadSettingsText(SettingsFileText(settings));
  FUZZ_CHECK(again.end == SettingsReadEnd::Complete);
  FUZZ_CHECK(again.settings == settings);
  return 0;
}
