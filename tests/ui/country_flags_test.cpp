// Flags and sex icons drawn for passport codes.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <functional>
#include <string>

#include "ui/art/country_flags.h"

namespace quorvex {
namespace {

// What DrawFlag leaves on a transparent canvas when it draws at (5, 3).
QImage Drawn(std::string_view code) {
  QImage canvas(24, 18, QImage::Format_ARGB32);
  canvas.fill(Qt::transparent);
  QPainter painter(&canvas);
  DrawFlag(code, painter, 5, 3);
  painter.end();
  return canvas;
}

QImage Cell(const QImage& canvas) {
  return canvas.copy(5, 3, 14, 12);
}

bool Red(QColor c) {
  return c.red() > 200 && c.green() < 130 && c.blue() < 130;
}
bool Blue(QColor c) {
  return c.blue() > c.red() + 50 && c.blue() > c.green() + 30;
}
bool Green(QColor c) {
  return c.green() > c.red() + 50 && c.green() > c.blue() + 50;
}
bool Yellow(QColor c) {
  return c.red() > 200 && c.green() > 180 && c.blue() < 100;
}
bool Grey(QColor c) {
  return c.alpha() == 255 && c.red() == c.green() && c.green() == c.blue();
}

TEST(DrawFlag, PicksTheImageOfTheCode) {
  const struct {
    const char* code;
    int x, y;  // within the 14 x 12 flag
    std::function<bool(QColor)> looks;
    const char* what;
  } cases[] = {
      {"1-048", 6, 5, Red, "the red cross of the United Kingdom"},
      {"1-048", 3, 1, Blue, "its blue field"},
      {"6-054", 8, 1, Green, "the green top stripe of Zimbabwe"},
      {"6-054", 8, 3, Yellow, "its yellow stripe"},
      {"6-054", 8, 4, Red, "its red stripe"},
      {"2-000", 3, 5, Grey, "the neutral flag of Asia's Unknown"},
      {"2-020", 2, 3, [](QColor c) { return c.red() > 230 && c.green() > 230; }, "Japan's white"},
  };
  for (const auto& c : cases) {
    const QColor got = Cell(Drawn(c.code)).pixelColor(c.x, c.y);
    EXPECT_TRUE(c.looks(got)) << c.code << ": " << c.what << ", got " << got.name().toStdString();
  }
}

TEST(DrawFlag, DrawsTheListImageAtThePoint) {
  const QImage canvas = Drawn("1-048");
  EXPECT_EQ(Cell(canvas), FlagPixmap(1, 48).toImage().convertToFormat(QImage::Format_ARGB32));
  // Nothing outside the 14 x 12 cell.
  QImage outside = canvas;
  QPainter clear(&outside);
  clear.setCompositionMode(QPainter::CompositionMode_Source);
  clear.fillRect(5, 3, 14, 12, Qt::transparent);
  clear.end();
  QImage empty(24, 18, QImage::Format_ARGB32);
  empty.fill(Qt::transparent);
  EXPECT_EQ(outside, empty);
}

TEST(DrawFlag, UnknownNumbersAndMissingFlagsAreNeutral) {
  const QImage neutral = Cell(Drawn("2-000"));
  EXPECT_EQ(Cell(Drawn("1-000")), neutral);
  EXPECT_EQ(Cell(Drawn("1-019")), neutral);  // Guernsey: the flag package has none
  EXPECT_EQ(Cell(Drawn("1-049")), neutral);  // past the end of Europe
  EXPECT_EQ(Cell(Drawn("3-x")), neutral);
  EXPECT_NE(Cell(Drawn("2-020")), neutral);
  EXPECT_NE(Cell(Drawn("1-048")), Cell(Drawn("1-047")));
}

TEST(DrawFlag, NoRegionDrawsNothing) {
  QImage empty(24, 18, QImage::Format_ARGB32);
  empty.fill(Qt::transparent);
  for (const char* code : {"", "#", "0-001", "7-001", "X"}) EXPECT_EQ(Drawn(code), empty) << code;
  EXPECT_TRUE(FlagPixmap(7, 1).isNull());
}

TEST(DrawSexIcon, ManOnlyForM) {
  auto drawn = [](std::string_view sex) {
    QImage canvas(16, 16, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    DrawSexIcon(sex, painter, 0, 0);
    return canvas;
  };
  const QImage man = drawn("M"), woman = drawn("W");
  EXPECT_NE(man, woman);
  EXPECT_NE(woman.pixelColor(8, 14).alpha(), 0);
  EXPECT_EQ(drawn("X"), woman);
  EXPECT_EQ(drawn("m"), woman);
  EXPECT_EQ(drawn(""), woman);
}

}  // namespace
}  // namespace quorvex
