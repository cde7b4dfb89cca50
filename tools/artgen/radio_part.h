// The radio's picture library: the window's two backgrounds (on and off), the volume panel, the
// logo frame, the volume digits "00".."10", the main menu's radio picture and a logo for every
// station of the installed list.
#pragma once

#include <QString>

#include "bundle_writer.h"

namespace artgen {

// `stations` is the station list's source text; its last field names each logo.
bool MakeRadioPart(BundleWriter& out, const QString& stations);

}  // namespace artgen
