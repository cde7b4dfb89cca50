#include "ui/art/country_flags.h"

#include <QImage>
#include <QPainter>
#include <array>

#include "locale/countries.h"
#include "ui/art/own_pictures.h"

namespace quorvex {

namespace {

// The strips the build made from the flag pictures, loaded once per region. Kept as images,
// which need no window system and may outlive the application object.
const QImage& FlagList(int region) {
  static std::array<QImage, kRegionCount + 1> lists;
  QImage& list = lists[static_cast<size_t>(region)];
  if (list.isNull()) {
    const std::string_view name = FlagListName(region);
    list.load(QStringLiteral(":/flags/") +
              QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) +
              QStringLiteral(".png"));
  }
  return list;
}

}  // namespace

QPixmap FlagPixmap(int region, int number) {
  if (region < 1 || region > kRegionCount) return {};
  if (number < 0 || number > LastCountryNumber(region)) number = 0;
  return QPixmap::fromImage(FlagList(region).copy(number * kFlagWidth, 0, kFlagWidth, kFlagHeight));
}

void DrawFlag(std::string_view code, QPainter& canvas, int x, int y) {
  const auto flag = FlagOfCode(code);
  if (!flag) return;
  canvas.drawImage(x, y, FlagList(flag->region), flag->number * kFlagWidth, 0, kFlagWidth,
                   kFlagHeight);
}

void DrawSexIcon(std::string_view sex, QPainter& canvas, int x, int y) {
  canvas.drawImage(x, y, OwnPicture(sex == "M" ? u"FaceMan16" : u"FaceWoman16"));
}

}  // namespace quorvex
