// Pictures the tests draw, saved for looking at when QUORVEX_SHOT_DIR is set.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quorvex::testing {

inline void SaveShot(const QImage& picture, const char* name) {
  const QByteArray dir = qgetenv("QUORVEX_SHOT_DIR");
  if (dir.isEmpty()) return;
  picture.save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name) +
               QStringLiteral(".png"));
}

}  // namespace quorvex::testing
