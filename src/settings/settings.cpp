#include "settings/settings.h"

namespace quorvex {

void ChooseWindowSize(Settings& settings, int window_size) {
  settings.WindowSize = window_size;
  if (window_size != 1) settings.SaveGamesAsGif = false;
}

}  // namespace quorvex
