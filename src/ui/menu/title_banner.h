// The title banner of the current language in the chosen caption colour, fitted to a size.
#pragma once

#include <QImage>

namespace quorvex {

struct Settings;

// "Cap" + picture code, recoloured from red art into CaptionColour unless that is 1, and
// resized bilinearly to width x height.
QImage TitleBanner(const Settings& settings, int width, int height);

}  // namespace quorvex
