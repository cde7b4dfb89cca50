#include "ui/menu/calendar_cards.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "locale/lang_text.h"
#include "ui/menu/calendar_pictures_draw.h"

namespace quorvex {

CalendarCards::CalendarCards(QWidget* parent)
    : QWidget(parent), clock_([] { return QDateTime::currentDateTime(); }) {
  language_ = CurrentLanguage();
  date_ = clock_().date();
  timer_.setInterval(kTickMs);
  connect(&timer_, &QTimer::timeout, this, &CalendarCards::Tick);
  timer_.start();
  Build();
}

void CalendarCards::SetDate(const QDate& date) {
  date_ = date;
  Build();
}

void CalendarCards::SetLanguage(int language) {
  if (language == language_) return;
  language_ = language;
  const int right = right_;
  Build();
  // The same card stays on the right; only its words change.
  if (right <= CardCount()) right_ = right;
}

void CalendarCards::SetFontFamily(const QString& family) {
  font_family_ = family;
  Build();
}

void CalendarCards::SetClock(std::function<QDateTime()> clock) {
  clock_ = std::move(clock);
}

void CalendarCards::Build() {
  plan_ = BuildCalendar({date_.year(), date_.month(), date_.day()}, language_);
  right_ = 2;
  images_ = DrawCalendarCards(plan_, font_family_).value_or(std::vector<QImage>());
  // Without the library nothing is drawn and the pointer passes through, as if the cards were
  // not there; they come back with the library (after a download) at the next build.
  setAttribute(Qt::WA_TransparentForMouseEvents, !Available());
  update();
}

void CalendarCards::Tick() {
  ++ticks_;
  emit ticked(ticks_);
  const QDateTime now = clock_();
  if (now.time().msecsSinceStartOfDay() < 30000 && now.date() != date_) {
    SetDate(now.date());
    return;
  }
  right_ = right_ >= CardCount() ? 2 : right_ + 1;
  update();
}

QString CalendarCards::Hint(int side) const {
  if (!Available()) return {};
  const int card = side == 0 ? 1 : right_;
  return QString::fromStdString(plan_.cards[static_cast<size_t>(card - 1)].caption);
}

QImage CalendarCards::CardImage(int card) const {
  if (card < 1 || card > static_cast<int>(images_.size())) return {};
  return images_[static_cast<size_t>(card - 1)];
}

QSize CalendarCards::sizeHint() const {
  return {2 * kCalendarCardWidth + kGap, kCalendarCardHeight};
}

QRectF CalendarCards::CardRect(int side) const {
  const double scale = std::min(width() / double(2 * kCalendarCardWidth + kGap),
                                height() / double(kCalendarCardHeight));
  return QRectF(side * (kCalendarCardWidth + kGap) * scale, 0, kCalendarCardWidth * scale,
                kCalendarCardHeight * scale);
}

void CalendarCards::paintEvent(QPaintEvent*) {
  if (!Available()) return;
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(CardRect(0), CardImage(1));
  p.drawImage(CardRect(1), CardImage(right_));
}

bool CalendarCards::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    int side = -1;
    for (int s : {0, 1})
      if (CardRect(s).contains(help->pos())) side = s;
    if (side < 0 || Hint(side).isEmpty())
      QToolTip::hideText();
    else
      QToolTip::showText(help->globalPos(), Hint(side), this, CardRect(side).toRect());
    return true;
  }
  return QWidget::event(event);
}

void CalendarCards::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) SetLanguage(CurrentLanguage());
  QWidget::changeEvent(event);
}

}  // namespace quorvex
