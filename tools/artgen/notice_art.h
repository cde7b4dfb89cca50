// The pictures of the chat, the news and the adverts: the menu's signs "GNews072" and
// "GChat072" (72 x 72) with the sirens "GSirenaB" and "GSirenaR" (32 x 32), the "GNew" mark of a
// message not yet seen (30 x 14), the menu's advert pictures "GAdvGames" and "GAdvSupport"
// (120 x 72) and the 48 x 48 pictures of the "Support us!" window ("GSupFriends", "GSupIdeas",
// "GSupSite").
#pragma once

#include "bundle_writer.h"

namespace artgen {

bool MakeNoticePictures(BundleWriter& out);

}  // namespace artgen
