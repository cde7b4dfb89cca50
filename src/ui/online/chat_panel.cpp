#include "ui/online/chat_panel.h"

#include <QPainter>

#include "locale/lang_text.h"
#include "online/chat_text.h"
#include "ui/art/country_flags.h"
#include "ui/art/resource_library.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

constexpr int kNewWidth = 34;  // the column of the "GNew" mark
constexpr int kLineHeight = 18;

// City, writing time and version of a message's first line, before the nick.
QString Where(const ChatRecord& message) {
  return Qs(message.City) + QStringLiteral(" : ") + Qs(ChatShownText(message.R09)) +
         QLatin1Char(' ') + Qs(message.R08) + QStringLiteral(" : ");
}

}  // namespace

ChatPanel::ChatPanel(QWidget* parent) : QWidget(parent) {
  setFixedHeight(kHeight);
}

void ChatPanel::SetMessage(const ChatRecord& message, bool is_new) {
  message_ = message;
  no_connect_ = false;
  if (message.Empty()) {
    first_.clear();
    second_.clear();
    is_new_ = false;
  } else {
    first_ =
        QString::number(message.Score) + QStringLiteral(". ") + Where(message) + Qs(message.Nick);
    second_ = Qs(ChatShownText(message.R10));
    is_new_ = is_new;
  }
  update();
}

void ChatPanel::SetNoConnect() {
  message_ = ChatRecord();
  no_connect_ = true;
  is_new_ = false;
  first_ = Qs(Text(Tx::NoConnect));
  second_.clear();
  update();
}

void ChatPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  // A card of its own for every message, light whatever the window's design.
  p.setPen(QColor(190, 196, 210));
  p.setBrush(QColor(250, 250, 246));
  p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
  if (no_connect_) {
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(QColor(170, 30, 30));
    p.drawText(rect().adjusted(kNewWidth, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, first_);
    return;
  }
  if (message_.Empty()) return;

  if (is_new_) {
    QImage mark;
    if (LoadLibraryPicture(QStringLiteral("GNew"), QString(), mark)) {
      const int w = mark.width(), h = mark.height();
      p.drawImage(QPoint((kNewWidth - w) / 2, 2 + (kLineHeight - h) / 2), mark);
      p.drawImage(QPoint((kNewWidth - w) / 2, 2 + kLineHeight + (kLineHeight - h) / 2), mark);
    }
  }
  const QFontMetrics metrics(font());
  const int base1 = 2 + (kLineHeight + metrics.ascent() - metrics.descent()) / 2;
  int x = kNewWidth;
  QFont bold = font();
  bold.setBold(true);
  p.setFont(bold);
  p.setPen(QColor(20, 40, 120));
  const QString number = QString::number(message_.Score) + QLatin1Char('.');
  p.drawText(x, base1, number);
  x += QFontMetrics(bold).horizontalAdvance(number) + 6;
  DrawFlag(message_.Country, p, x, 2 + (kLineHeight - 12) / 2);
  x += 18;
  DrawSexIcon(message_.R07, p, x, 2 + (kLineHeight - 16) / 2);
  x += 20;
  p.setFont(font());
  p.setPen(QColor(90, 90, 100));
  const QString where = Where(message_);
  p.drawText(x, base1, where);
  x += metrics.horizontalAdvance(where);
  p.setFont(bold);
  p.setPen(QColor(120, 20, 40));
  p.drawText(x, base1, Qs(message_.Nick));

  p.setFont(font());
  p.setPen(QColor(10, 10, 10));
  const QRect text_line(kNewWidth, 2 + kLineHeight, width() - kNewWidth - 6, kLineHeight);
  p.drawText(text_line, Qt::AlignVCenter | Qt::AlignLeft,
             metrics.elidedText(second_, Qt::ElideRight, text_line.width()));
}

}  // namespace quorvex
