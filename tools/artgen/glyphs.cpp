#include "glyphs.h"

#include <QFont>
#include <QFontDatabase>
#include <QTransform>

namespace artgen {

namespace {
QString g_family;
}

bool LoadSymbolFont(const QString& file) {
  const int id = QFontDatabase::addApplicationFont(file);
  if (id < 0) return false;
  g_family = QFontDatabase::applicationFontFamilies(id).value(0);
  return !g_family.isEmpty();
}

QPainterPath GlyphPath(const QString& text, const QRectF& box) {
  QFont font(g_family);
  font.setPixelSize(100);
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF bounds = path.boundingRect();
  if (bounds.isEmpty()) return path;
  const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(scale, scale);
  t.translate(-bounds.center().x(), -bounds.center().y());
  return t.map(path);
}

}  // namespace artgen
