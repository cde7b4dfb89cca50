// The card backs of the thirteen back designs, upright and rotated, at every size.
#pragma once

#include "bundle_writer.h"
#include "face_art.h"

namespace artgen {

enum class BackSet {
  kOwn,      // the classic backs of the normal size and the wide big size
  kLibrary,  // everything else: the other designs at every size, the classic narrow big ones
};

bool MakeBacks(BundleWriter& out, const DeckFolders& decks, BackSet set);

}  // namespace artgen
