// The table backgrounds: ten pictures in seven colours, as JPEG at the normal window size and
// at the big one.
#pragma once

#include "bundle_writer.h"

namespace artgen {

// The built-in background "FonG" (picture 2, colour 0) of the program's own resources.
bool MakeDefaultBackground(BundleWriter& out);
// Every other background, for the background library.
bool MakeBackgrounds(BundleWriter& out);

}  // namespace artgen
