// The three lamps that tell whether a text is accepted: "LampR24" red, "LampY24" yellow,
// "LampG24" green, 24 x 24.
#pragma once

#include "bundle_writer.h"

namespace artgen {

bool MakeLamps(BundleWriter& out);

}  // namespace artgen
