// The table background: the chosen picture and colour from the background library, the
// built-in "FonG", or the purple menu's picture from the graphics library.
#pragma once

#include <QImage>
#include <QSize>

#include "settings/settings.h"

namespace quorvex {

// Loads the background for the window size into `picture`, stretched to the client size; a
// null picture for background 0 (none). False when a library was missing: the notice was
// shown, the settings fell back (to background 2 colour 0, or out of the purple design) and
// the built-in background was loaded instead.
bool LoadBackground(Settings& settings, bool purple_menu, int window_size, QSize client,
                    QImage& picture);

}  // namespace quorvex
