// Pictures from Symbola (Debian's fonts-symbola): animals, flowers, buildings and emblems that
// the backs and some ornaments use, taken as outlines.
#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace artgen {

// Loads the font file once; false when it cannot be read.
bool LoadSymbolFont(const QString& file);
// The outline of the text's glyphs, scaled to fit the box and centred in it.
QPainterPath GlyphPath(const QString& text, const QRectF& box);

}  // namespace artgen
