// The pictures of the online account: "Account48" (the main window's account button), the state
// stars "StarR0", "StarY0" and "StarG0", the 24 x 24 signs of the profile's lines ("GAcName1" ..
// "GAcYouTube") and the 200 x 250 stand-ins for a member without a photo, "GAcNoM" and "GAcNoF".
#pragma once

#include "bundle_writer.h"

namespace artgen {

bool MakeAccountPictures(BundleWriter& out);

}  // namespace artgen
