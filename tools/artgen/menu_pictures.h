// The two pictures beside the main menu's club list: a fan of the red suits on the left and of
// the black suits on the right, each 160 x 200 in design units.
#pragma once

#include "bundle_writer.h"
#include "face_art.h"

namespace artgen {

bool MakeMenuPictures(BundleWriter& out, const DeckFolders& decks);

}  // namespace artgen
