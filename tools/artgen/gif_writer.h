// A small animated GIF writer for the effects the program plays: frames of one size, a shared
// palette of web colours, fully transparent pixels kept transparent.
#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

namespace artgen {

// delay in hundredths of a second; the animation loops for ever.
QByteArray EncodeGif(const std::vector<QImage>& frames, int delay);

}  // namespace artgen
