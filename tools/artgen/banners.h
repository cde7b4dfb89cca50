// The larger pictures of the program: button pieces, cursors, the title picture and the
// per-language banners and flags.
#pragma once

#include <QString>

#include "bundle_writer.h"
#include "face_art.h"

namespace artgen {

// "CURARROW", "CURHAND", "CURWAIT", "CUREDIT": 32 x 32 with the hot spot in the PNG's texts
// "HotSpotX" and "HotSpotY".
bool MakeCursors(BundleWriter& out);
// "GTitleSm" (760 x 500) and "GTitleBg" (1520 x 1000).
bool MakeTitle(BundleWriter& out, const DeckFolders& decks);
// "Elite" + code and "Net__" + code (350 x 40, red art) for the eight picture codes, and
// "FlagO" + code (48 x 33) for them and for "Jap" and "Kor".
bool MakeLanguageBanners(BundleWriter& out, const QString& flags);

}  // namespace artgen
