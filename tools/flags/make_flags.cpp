// Builds the six flag image lists of the country table: one strip of 14 x 12 flags per region,
// flag n at x = 14 n, from the 16 x 11 flags of Debian's famfamfam-flag-png. "Unknown" and any
// country the package lacks get a neutral flag drawn here.
//
// Usage: quorvex_make_flags <folder of <iso>.png flags> <output folder>

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdio>

#include "locale/countries.h"

namespace {

using quorvex::kFlagHeight;
using quorvex::kFlagWidth;
// Flags keep roughly their own proportions inside the cell: 14 x 10, one clear row above and
// below.
constexpr int kDrawnHeight = 10;

void DrawNeutralFlag(QImage& strip, int left) {
  QPainter p(&strip);
  p.fillRect(left, 1, kFlagWidth, kDrawnHeight, QColor(0x90, 0x90, 0x90));
  p.fillRect(left + 1, 2, kFlagWidth - 2, kDrawnHeight - 2, QColor(0xE4, 0xE4, 0xE4));
  // A small question mark.
  const QColor mark(0x70, 0x70, 0x70);
  const int x = left + 5, y = 3;
  const int dots[][2] = {{1, 0}, {0, 1}, {2, 1}, {2, 2}, {1, 3}, {1, 5}};
  for (const auto& d : dots) strip.setPixelColor(x + d[0], y + d[1], mark);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <flag folder> <output folder>\n", argv[0]);
    return 2;
  }
  const QDir flags(QString::fromLocal8Bit(argv[1]));
  const QDir out(QString::fromLocal8Bit(argv[2]));
  if (!flags.exists()) {
    std::fprintf(stderr,
                 "No flag pictures in %s: install the Debian package famfamfam-flag-png "
                 "(scripts/deps.sh lists it).\n",
                 argv[1]);
    return 1;
  }
  if (!out.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "Cannot create %s\n", argv[2]);
    return 1;
  }

  QString neutral;
  for (int region = 1; region <= quorvex::kRegionCount; ++region) {
    const int count = quorvex::LastCountryNumber(region) + 1;
    QImage strip(kFlagWidth * count, kFlagHeight, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    for (int number = 0; number < count; ++number) {
      const quorvex::CountryNames names = quorvex::CountryEntry(region, number);
      const int left = kFlagWidth * number;
      QImage flag;
      if (!names.iso.empty()) {
        const QString iso = QString::fromLatin1(names.iso.data(), names.iso.size());
        flag.load(flags.filePath(iso + QStringLiteral(".png")));
      }
      if (flag.isNull()) {
        DrawNeutralFlag(strip, left);
        if (!names.iso.empty()) {
          neutral += QString::fromUtf8(names.english.data(),
                                       static_cast<qsizetype>(names.english.size())) +
                     QStringLiteral(", ");
        }
        continue;
      }
      const QImage scaled =
          flag.convertToFormat(QImage::Format_ARGB32)
              .scaled(kFlagWidth, kDrawnHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      QPainter p(&strip);
      p.drawImage(left, 1, scaled);
    }
    const std::string_view list = quorvex::FlagListName(region);
    const QString name = QString::fromLatin1(list.data(), static_cast<qsizetype>(list.size())) +
                         QStringLiteral(".png");
    if (!strip.save(out.filePath(name), "PNG")) {
      std::fprintf(stderr, "Cannot write %s\n", qPrintable(out.filePath(name)));
      return 1;
    }
  }
  if (!neutral.isEmpty())
    std::printf("Neutral flags for countries the package lacks: %s\n",
                qPrintable(neutral.chopped(2)));
  return 0;
}
