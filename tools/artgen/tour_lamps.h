// The tournament server's lamp in the lobby: "GTourOn" (the server runs) and "GTourOff", 48 x 48,
// a small server tower whose lamp glows green or stands dark.
#pragma once

#include "bundle_writer.h"

namespace artgen {

bool MakeTourLamps(BundleWriter& out);

}  // namespace artgen
