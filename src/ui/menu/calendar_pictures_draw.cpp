#include "ui/menu/calendar_pictures_draw.h"

#include <QFont>
#include <QPainter>

#include "ui/art/resource_library.h"

namespace quorvex {

namespace {

constexpr int kDayTop = 22, kMonthTop = 42;

// Point sizes of the card's texts at the screen's 96 dots per inch.
int PixelsOfPoints(int points) {
  return (points * 96 + 36) / 72;
}

void DrawDate(QPainter& p, const CalendarCard& card, const QString& font_family) {
  QFont font(font_family);
  font.setPixelSize(PixelsOfPoints(12));
  font.setBold(true);
  p.setFont(font);
  p.setPen(card.sunday ? QColor(210, 0, 0) : QColor(0, 0, 0));
  const QRect day_box(0, kDayTop, kCalendarCardWidth, kMonthTop - kDayTop);
  p.drawText(day_box, Qt::AlignHCenter | Qt::AlignTop, QString::number(card.day));
  font.setBold(false);
  font.setPixelSize(PixelsOfPoints(card.month_font_size));
  p.setFont(font);
  p.setPen(QColor(0, 0, 0));
  const QRect month_box(0, kMonthTop, kCalendarCardWidth, 20);
  p.drawText(month_box, Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(card.month));
}

}  // namespace

std::optional<std::vector<QImage>> DrawCalendarCards(const CalendarPlan& plan,
                                                     const QString& font_family) {
  const ResourceLibrary library(QString::fromLatin1(kCalendarLibrary));
  if (!library.IsOpen()) return std::nullopt;
  const QString type = QStringLiteral("RCDATA");
  const QImage base = library.Picture(type, QString::fromLatin1(kCalendarBase));
  std::vector<QImage> cards;
  for (const CalendarCard& card : plan.cards) {
    QImage image(kCalendarCardWidth, kCalendarCardHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // A picture missing from a library that is there is simply left out.
    if (!base.isNull()) p.drawImage(0, 0, base);
    const QImage picture = library.Picture(type, QString::fromStdString(card.picture));
    if (!picture.isNull()) p.drawImage(card.x, card.y, picture);
    if (card.date_card) DrawDate(p, card, font_family);
    p.end();
    cards.push_back(std::move(image));
  }
  return cards;
}

}  // namespace quorvex
