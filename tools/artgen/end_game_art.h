// The end-of-game window's pictures: the animations of the three result classes (100 x 200,
// "GEndBest" and "GEndGood" rising to a still last part, "GEndBads" a short loop), the medal
// "GMedal" and the place numbers "GPlace01" .. "GPlace10" drawn over it.
#pragma once

#include "bundle_writer.h"

namespace artgen {

bool MakeEndGamePictures(BundleWriter& out);

}  // namespace artgen
