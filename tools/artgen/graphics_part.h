// The graphics library of the purple design: its menu background and the touch effect.
#pragma once

#include "bundle_writer.h"

namespace artgen {

bool MakeGraphics(BundleWriter& out);

}  // namespace artgen
