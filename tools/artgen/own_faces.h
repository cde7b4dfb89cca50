// Face designs of our own, drawn from their themes.
#pragma once

#include <memory>

#include "face_art.h"

namespace artgen {

// The art of an own face design; nullptr for a design that has no own theme.
std::unique_ptr<FaceArt> MakeOwnFaceArt(int design);

}  // namespace artgen
