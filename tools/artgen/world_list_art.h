// The pictures of the world top-ten window: the list icons "Windows" and "Android" (48 x 48,
// beside the account's "Account48") of the grey designs, and the seven category medallions
// "GWTop1" .. "GWTop7" (64 x 64) of the purple design.
#pragma once

#include "bundle_writer.h"

namespace artgen {

bool MakeWorldListIcons(BundleWriter& out);
bool MakeWorldCategoryButtons(BundleWriter& out);

}  // namespace artgen
