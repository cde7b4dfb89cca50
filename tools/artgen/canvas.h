// The blank canvas every drawn picture starts from, and the form it is stored in.
#pragma once

#include <QImage>

namespace artgen {

inline QImage Clear(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

inline QImage Done(const QImage& image) {
  return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace artgen
