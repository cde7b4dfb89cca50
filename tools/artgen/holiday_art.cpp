// The holiday pictures of the calendar library by name.
#include <map>

#include "calendar_part.h"
#include "holiday_kit.h"

namespace artgen {

using namespace holiday;

QImage HolidayPicture(const QString& name) {
  static const std::map<QString, std::function<QImage()>> kDrawings = {
      {QStringLiteral("R_NEWYEAR"), NewYear},
      {QStringLiteral("R_USAFLAG"), UsaFlag},
      {QStringLiteral("R_ENGFLAG"), UnionFlag},
      {QStringLiteral("R_RUSFLAG"),
       [] { return TricolourFlag(Qt::white, QColor(0, 57, 166), QColor(213, 43, 30), true); }},
      {QStringLiteral("R_DEUFLAG"),
       [] { return TricolourFlag(Qt::black, QColor(221, 0, 0), QColor(255, 206, 0), true); }},
      {QStringLiteral("R_FRAFLAG"),
       [] { return TricolourFlag(QColor(0, 85, 164), Qt::white, QColor(239, 65, 53), false); }},
      {QStringLiteral("R_ISPFLAG"), SpainFlag},
      {QStringLiteral("R_RUSZNAN"), Book},
      {QStringLiteral("R_RUSORDN"), Order},
      {QStringLiteral("R_RUSGEOR"), GeorgeRibbon},
      {QStringLiteral("R_LOVE000"), Love},
      {QStringLiteral("R_8MARCH0"), WomensDay},
      {QStringLiteral("R_USAPATR"), Shamrock},
      {QStringLiteral("R_1April0"), Laughing},
      {QStringLiteral("R_1May000"), MayDay},
      {QStringLiteral("R_BABY000"), Balloons},
      {QStringLiteral("R_FRAMUS0"), Music},
      {QStringLiteral("R_USA4JUL"), Fireworks},
      {QStringLiteral("R_USAELVI"), Guitar},
      {QStringLiteral("R_WAR0000"), Dove},
      {QStringLiteral("R_ALLPROG"), Programmer},
      {QStringLiteral("R_OLD0000"), TeaCup},
      {QStringLiteral("R_TEACHER"), Teacher},
      {QStringLiteral("R_HALLO00"), Pumpkin},
      {QStringLiteral("R_USABLAG"), Turkey},
      {QStringLiteral("R_PASHA00"), EasterEggs},
      {QStringLiteral("R_PRAKRES"), [] { return Cross(true); }},
      {QStringLiteral("R_KATKRES"), [] { return Cross(false); }},
      {QStringLiteral("R_ROGDEST"), Nativity},
      {QStringLiteral("R_ZEFDEAL"), FirstDeal},
      {QStringLiteral("R_ZEFDRAW"), DrawPhase},
      {QStringLiteral("R_ZEFTOUR"), Trophy},
      {QStringLiteral("R_ZEFSLAM"), GrandSlam},
  };
  const auto found = kDrawings.find(name);
  return found == kDrawings.end() ? QImage() : found->second();
}

}  // namespace artgen
