// The radio's picture library "ZefRadio02.dll": the window's two backgrounds (on and off), the
// volume picture, the logo's frame, the volume digits "00" .. "10" and the stations' logos.
#pragma once

#include "bundle_writer.h"

namespace artgen {

bool MakeRadioPart(BundleWriter& out);

}  // namespace artgen
