// The program's own small pictures: table panels and plates, stars, clocks, the stock pile,
// special cards, button pieces, cursors, the title picture and the per-language banners.
#pragma once

#include <QString>

#include "bundle_writer.h"
#include "face_art.h"

namespace artgen {

bool MakeTablePictures(BundleWriter& out, const DeckFolders& decks, const QString& flags);

}  // namespace artgen
