#include "ui/online/top_ten_board.h"

#include <QPainter>
#include <QStringList>

#include "ui/art/country_flags.h"
#include "ui/art/resource_library.h"

namespace quorvex {
namespace {

constexpr int kWidth = 560;
constexpr int kTitleHeight = 34;
constexpr int kRowHeight = 25;
constexpr int kOwnRowHeight = 22;
constexpr int kPad = 10;

QString Joined(const BoardRow& row) {
  QStringList parts;
  for (const QString& part : {row.place, row.nick, row.city, row.score})
    if (!part.isEmpty()) parts << part;
  return parts.join(QLatin1Char(' '));
}

}  // namespace

TopTenBoard::TopTenBoard(bool purple, QWidget* parent) : QWidget(parent), purple_(purple) {
  const int height = (purple_ ? kTitleHeight : 0) + kPad + kRows * kRowHeight + 8 + 26 + 10 +
                     kOwnRows * kOwnRowHeight + kPad;
  setFixedSize(kWidth, height);
}

void TopTenBoard::SetContent(BoardContent content) {
  content_ = std::move(content);
  if (content_.rows.size() > size_t(kRows)) content_.rows.resize(size_t(kRows));
  if (content_.own.size() > size_t(kOwnRows)) content_.own.resize(size_t(kOwnRows));
  update();
}

QString TopTenBoard::RowText(int index) const {
  if (index < 0 || size_t(index) >= content_.rows.size()) return QString();
  return Joined(content_.rows[size_t(index)]);
}

QString TopTenBoard::OwnText(int index) const {
  if (index < 0 || size_t(index) >= content_.own.size()) return QString();
  return Joined(content_.own[size_t(index)]);
}

int TopTenBoard::DrawRow(QPainter& p, const BoardRow& row, int y, int height,
                         const QColor& colour) const {
  p.setPen(colour);
  const int mid = y + height / 2;
  p.drawText(QRect(kPad, y, 36, height), Qt::AlignRight | Qt::AlignVCenter, row.place);
  int x = kPad + 44;
  if (!row.flag.empty()) DrawFlag(row.flag, p, x, mid - 6);
  x += 20;
  if (!row.face.empty()) DrawSexIcon(row.face, p, x, mid - 8);
  x += 22;
  const int score_width = 96;
  const int nick_width = row.city.isEmpty() ? width() - x - score_width - kPad : 150;
  QFont bold = p.font();
  bold.setBold(true);
  p.save();
  p.setFont(bold);
  p.drawText(QRect(x, y, nick_width, height), Qt::AlignLeft | Qt::AlignVCenter,
             p.fontMetrics().elidedText(row.nick, Qt::ElideRight, nick_width));
  p.restore();
  x += nick_width + 8;
  const int city_width = width() - x - score_width - kPad;
  if (!row.city.isEmpty())
    p.drawText(QRect(x, y, city_width, height), Qt::AlignLeft | Qt::AlignVCenter,
               p.fontMetrics().elidedText(row.city, Qt::ElideRight, city_width));
  p.drawText(QRect(width() - kPad - score_width, y, score_width, height),
             Qt::AlignRight | Qt::AlignVCenter, row.score);
  return y + height;
}

void TopTenBoard::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QColor text = purple_ ? QColor(Qt::white) : QColor(0x00, 0x00, 0x80);
  const QColor podium = purple_ ? QColor(0xff, 0xd0, 0x40) : QColor(0xc0, 0x10, 0x10);
  const QColor faint = purple_ ? QColor(0xe0, 0xd0, 0xff) : QColor(0x50, 0x50, 0x60);
  int y = 0;
  if (purple_) {
    QFont title = font();
    title.setPixelSize(19);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(QRect(1, 1, width(), kTitleHeight), Qt::AlignCenter, content_.title);
    p.setPen(Qt::yellow);
    p.drawText(QRect(0, 0, width(), kTitleHeight), Qt::AlignCenter, content_.title);
    y = kTitleHeight;
  }
  // The paper, or a veil over the purple picture that keeps the rows readable.
  const QRect paper(0, y, width(), height() - y);
  p.setPen(purple_ ? QPen(QColor(255, 220, 120, 150), 1.5) : QPen(QColor(0xb0, 0xa0, 0x80), 1));
  p.setBrush(purple_ ? QColor(30, 0, 60, 110) : QColor(0xf6, 0xf1, 0xe2));
  p.drawRoundedRect(QRectF(paper).adjusted(0.75, 0.75, -0.75, -0.75), 8, 8);

  QFont row_font = font();
  row_font.setPixelSize(15);
  p.setFont(row_font);
  y += kPad;
  const int rows_top = y;
  if (!content_.note.isEmpty()) {
    QFont note = row_font;
    note.setPixelSize(20);
    note.setBold(true);
    p.save();
    p.setFont(note);
    p.setPen(purple_ ? QColor(0xff, 0x90, 0x90) : QColor(0xc0, 0x10, 0x10));
    p.drawText(QRect(0, rows_top, width(), kRows * kRowHeight), Qt::AlignCenter, content_.note);
    p.restore();
  } else {
    for (size_t i = 0; i < content_.rows.size(); ++i) {
      const int row_y = rows_top + int(i) * kRowHeight;
      if (i % 2 == 1) {
        p.setPen(Qt::NoPen);
        p.setBrush(purple_ ? QColor(255, 255, 255, 18) : QColor(0, 0, 0, 12));
        p.drawRect(QRect(4, row_y, width() - 8, kRowHeight));
      }
      DrawRow(p, content_.rows[i], row_y, kRowHeight, i < 3 ? podium : text);
    }
  }
  y = rows_top + kRows * kRowHeight + 8;
  p.setPen(faint);
  if (content_.place_line) {
    QFont place = row_font;
    place.setPixelSize(18);
    place.setBold(true);
    p.setFont(place);
    p.setPen(text);
  }
  p.drawText(QRect(kPad + 10, y, width() - 2 * kPad, 26), Qt::AlignLeft | Qt::AlignVCenter,
             content_.count);
  p.setFont(row_font);
  if (content_.medal >= 1 && content_.medal <= kRows) {
    // The end-of-game dialog's medal: the place's badge drawn over it.
    QImage medal, badge;
    LoadLibraryPicture(QStringLiteral("GMedal"), QString(), medal);
    LoadLibraryPicture(QStringLiteral("GPlace%1").arg(content_.medal, 2, 10, QLatin1Char('0')),
                       QString(), badge);
    const QPoint at(width() - kPad - 10 - medal.width(), y);
    p.drawImage(at, medal);
    p.drawImage(at, badge);
  }
  y += 26;
  if (!content_.own_section) return;
  p.setPen(QPen(purple_ ? QColor(255, 220, 120, 120) : QColor(0xb0, 0xa0, 0x80), 1));
  p.drawLine(kPad, y + 4, width() - kPad, y + 4);
  y += 10;
  if (!content_.own_note.isEmpty()) {
    p.setPen(purple_ ? QColor(0xff, 0x90, 0x90) : QColor(0xc0, 0x10, 0x10));
    p.drawText(QRect(0, y, width(), kOwnRows * kOwnRowHeight), Qt::AlignCenter, content_.own_note);
    return;
  }
  QFont own_font = row_font;
  own_font.setPixelSize(14);
  p.setFont(own_font);
  for (const BoardRow& row : content_.own) y = DrawRow(p, row, y, kOwnRowHeight, faint);
}

}  // namespace quorvex
