// The card faces and suit symbols of a range of face designs, named by the scheme and stored
// the way the loader expects them.
#pragma once

#include "bundle_writer.h"
#include "face_art.h"

namespace artgen {

// Faces at the normal size and the big size of designs first..last, and the suit symbols they
// ask for. Design 0's normal faces and symbols are plain bitmaps of the program; every library
// face keeps its middle ellipse inverted.
bool MakeFaces(BundleWriter& out, const DeckFolders& folders, int first, int last);

// The normal-size face as stored: the inside of the card, corners cut for the window's outline.
QImage NormalFace(FaceArt& art, int rank, int suit);
// A normal-size card drawn without its edge, made opaque with its own paper colour and with the
// four corner pixels cleared.
QImage FinishNormal(const QImage& card);

}  // namespace artgen
