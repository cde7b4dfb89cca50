// The small pictures of the program's own resources that the windows ask for by name. They are
// drawn here once, on first use, so no binary picture needs to be kept in the sources.
#pragma once

#include <QImage>
#include <QStringView>

namespace quorvex {

// "FaceMan16", "FaceWoman16" (16 x 16 list icons), "GFree" (transparent), "GIcon48" (the
// program's 48 x 48 icon), "GCap300" (300 x 64 header of the grey aristocratic design) and
// "Cap" + picture code (the 400 x 70 title banner in red art). Names are compared without
// regard to case; an unknown name gives a null image.
QImage OwnPicture(QStringView name);

}  // namespace quorvex
