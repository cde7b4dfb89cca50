// A card flying over a window: what the screen shows mid-flight, that nothing under the card
// is disturbed, the pace counted through the sleeper, and the running flag.
#include <gtest/gtest.h>

#include <QPainter>
#include <QPushButton>
#include <QTest>

#include "shot.h"
#include "ui/table/card_flight_animator.h"

namespace quorvex {
namespace {

// A table with a pattern everywhere, so any disturbed pixel shows.
class Table : public QWidget {
 public:
  Table() {
    resize(760, 500);
    auto* button = new QPushButton(QStringLiteral("Button"), this);
    button->setGeometry(550, 310, 160, 30);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    for (int y = 0; y < height(); y += 10)
      for (int x = 0; x < width(); x += 10)
        painter.fillRect(x, y, 10, 10,
                         QColor(20 + x / 4, 90 + ((x + y) / 10) % 2 * 30, 40 + y / 4));
  }
};

QPixmap Card() {
  QPixmap card(69, 94);
  card.fill(Qt::transparent);
  QPainter painter(&card);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::white);
  painter.setPen(QPen(Qt::darkRed, 2));
  painter.drawRoundedRect(QRectF(1, 1, 67, 92), 5, 5);
  painter.fillRect(20, 30, 29, 34, Qt::red);
  return card;
}

// Grabs the window at one chosen pause and adds up the pauses.
class WatchingSleeper : public FlightSleeper {
 public:
  WatchingSleeper(QWidget& window, const CardFlightAnimator& animator, int grab_at)
      : window_(window), animator_(animator), grab_at_(grab_at) {}
  void SleepMs(int ms) override {
    total_ms += ms;
    if (++pauses == grab_at_) {
      mid_flight = window_.grab().toImage().convertToFormat(QImage::Format_RGB32);
      flying_then = animator_.Flying();
    }
  }
  int total_ms = 0;
  int pauses = 0;
  QImage mid_flight;
  bool flying_then = false;

 private:
  QWidget& window_;
  const CardFlightAnimator& animator_;
  int grab_at_;
};

QImage Picture(QWidget& w) {
  return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A 300-pixel flight at speed 1: 300 pauses of 2 ms counted, the card where the path puts it
// at the 150th, the rest of the window untouched then and after the card is removed.
TEST(CardFlightAnimator, FliesWithoutDisturbingTheTable) {
  Table table;
  table.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
  const QImage before = Picture(table);

  CardFlightAnimator animator(&table);
  WatchingSleeper sleeper(table, animator, 150);
  animator.SetSleeper(&sleeper);
  const QPoint from(600, 390), to(345, 90);  // the longer axis is y: 300 pixels
  animator.Fly(from, to, Card(), 1, true);

  EXPECT_EQ(sleeper.pauses, 300);
  EXPECT_GE(sleeper.total_ms, 600);
  EXPECT_TRUE(sleeper.flying_then);
  EXPECT_FALSE(animator.Flying());

  ASSERT_FALSE(sleeper.mid_flight.isNull());
  testing::SaveShot(sleeper.mid_flight, "flight");
  const FlightPoint at = FlightPath({from.x(), from.y()}, {to.x(), to.y()})[150];
  const QRect card(at.x, at.y, 69, 94);
  EXPECT_EQ(sleeper.mid_flight.pixelColor(card.topLeft() + QPoint(30, 40)), QColor(Qt::red));
  EXPECT_EQ(sleeper.mid_flight.pixelColor(card.topLeft() + QPoint(10, 10)), QColor(Qt::white));
  int disturbed = 0;
  for (int y = 0; y < before.height(); ++y)
    for (int x = 0; x < before.width(); ++x)
      if (!card.contains(x, y)) disturbed += sleeper.mid_flight.pixel(x, y) != before.pixel(x, y);
  EXPECT_EQ(disturbed, 0);
  EXPECT_EQ(Picture(table), before);
}

// The fastest speed does not pause at all; a hidden window or a flight inside a flight does
// nothing.
TEST(CardFlightAnimator, FastestSpeedHiddenWindowAndNestedFlights) {
  Table table;
  table.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
  CardFlightAnimator animator(&table);

  class NestingSleeper : public FlightSleeper {
   public:
    explicit NestingSleeper(CardFlightAnimator& a) : animator(a) {}
    void SleepMs(int) override {
      ++pauses;
      if (pauses == 1) animator.Fly({0, 0}, {0, 100}, Card(), 1, true);
    }
    CardFlightAnimator& animator;
    int pauses = 0;
  } sleeper(animator);
  animator.SetSleeper(&sleeper);

  animator.Fly({100, 100}, {400, 100}, Card(), 6, true);
  EXPECT_EQ(sleeper.pauses, 0);
  animator.Fly({100, 100}, {100, 110}, Card(), 1, true);
  EXPECT_EQ(sleeper.pauses, 10) << "the nested flight added no pauses of its own";

  table.hide();
  animator.Fly({100, 100}, {100, 400}, Card(), 1, true);
  EXPECT_EQ(sleeper.pauses, 10);
}

}  // namespace
}  // namespace quorvex
