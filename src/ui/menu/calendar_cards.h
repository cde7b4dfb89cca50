// The two calendar cards of the main menu, 60 x 100 each: the left one shows the date with its
// zodiac sign, the right one cycles every 10 seconds through the eastern year and the day's
// holidays; the hint of each is its card's caption. Without the calendar library nothing is
// shown.
//
// The 10-second timer is also the program's calendar timer: it keeps ticking with or without
// the library, and ticked(count) reports every tick so that the news and chat checks can run on
// the 3rd and 90th ticks.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "locale/calendar_plan.h"

namespace quorvex {

class CalendarCards : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kTickMs = 10000;
  static constexpr int kGap = 4;  // between the two cards

  // Builds today's cards in the current language and starts the timer.
  explicit CalendarCards(QWidget* parent = nullptr);

  // The cards of a day; the right card starts again with the eastern year.
  void SetDate(const QDate& date);
  // Captions and month names in another language (also on a language change event).
  void SetLanguage(int language);
  // The font of the date card; "Comic Sans MS" unless told.
  void SetFontFamily(const QString& family);
  // The clock the midnight check reads; the system clock unless a test sets one.
  void SetClock(std::function<QDateTime()> clock);

  // The calendar library was found and the cards are drawn.
  bool Available() const { return !images_.empty(); }
  QDate Date() const { return date_; }
  int CardCount() const { return static_cast<int>(plan_.cards.size()); }
  // The card the right side shows, 2 .. CardCount().
  int RightCard() const { return right_; }
  // The hint of the left (0) or right (1) card; empty without the library.
  QString Hint(int side) const;
  // Card 1..CardCount() as drawn; null without the library.
  QImage CardImage(int card) const;
  int Ticks() const { return ticks_; }

  QSize sizeHint() const override;

 public slots:
  // One tick of the calendar timer: counts, reports, rebuilds the cards in the first 30
  // seconds after midnight, else shows the next card on the right.
  void Tick();

 signals:
  void ticked(int count);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Build();
  // Where a card is drawn in the widget, scaled to its size.
  QRectF CardRect(int side) const;

  QTimer timer_;
  std::function<QDateTime()> clock_;
  QString font_family_ = QStringLiteral("Comic Sans MS");
  QDate date_;
  int language_ = 0;
  CalendarPlan plan_;
  std::vector<QImage> images_;
  int right_ = 2;
  int ticks_ = 0;
};

}  // namespace quorvex
