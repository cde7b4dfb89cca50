// Recolouring and resizing real pictures, and where the text helpers put their text.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include "art/recolour.h"
#include "ui/art/picture_helpers.h"

namespace quorvex {
namespace {

// A picture as a palette PNG file would load.
QImage PalettePng() {
  QImage palette(4, 4, QImage::Format_Indexed8);
  palette.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255)});
  palette.fill(0);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  palette.save(&buffer, "PNG");
  QImage loaded;
  loaded.loadFromData(bytes, "PNG");
  return loaded;
}

TEST(Recolour, KeepsAlphaAndFormat) {
  QImage png(2, 1, QImage::Format_ARGB32);
  png.setPixelColor(0, 0, QColor(255, 0, 0, 255));
  png.setPixelColor(1, 0, QColor(200, 0, 0, 60));
  Recolour(png, kRedArt, 6);
  EXPECT_EQ(png.format(), QImage::Format_ARGB32);
  EXPECT_EQ(png.pixelColor(0, 0), QColor(0, 0, 255, 255));
  EXPECT_EQ(png.pixelColor(1, 0), QColor(0, 0, 200, 60));
}

TEST(ResizePng, PalettePictureIsRefused) {
  QImage png = PalettePng();
  ASSERT_EQ(png.format(), QImage::Format_Indexed8);
  QString error;
  EXPECT_FALSE(ResizePng(png, 8, 8, &error));
  EXPECT_EQ(error, QStringLiteral("Only COLOR_RGBALPHA and COLOR_RGB formats are supported"));
  EXPECT_EQ(png.size(), QSize(4, 4));
  QImage grey(4, 4, QImage::Format_Grayscale8);
  grey.fill(Qt::gray);
  EXPECT_FALSE(ResizePng(grey, 8, 8));
}

TEST(ResizePng, RgbAndAlphaPicturesAreResized) {
  QImage rgb(4, 2, QImage::Format_RGB32);
  rgb.fill(QColor(10, 20, 30));
  ASSERT_TRUE(ResizePng(rgb, 9, 5));
  EXPECT_EQ(rgb.size(), QSize(9, 5));
  EXPECT_EQ(rgb.pixelColor(8, 4), QColor(10, 20, 30, 255));

  QImage alpha(2, 2, QImage::Format_ARGB32);
  alpha.fill(QColor(0, 0, 0, 0));
  alpha.setPixelColor(0, 0, QColor(255, 255, 255, 255));
  ASSERT_TRUE(ResizePng(alpha, 4, 4));
  // Half way between opaque white and transparent black: colour and alpha blend alike.
  EXPECT_EQ(alpha.pixelColor(2, 0), QColor(128, 128, 128, 128));
}

TEST(ResizePng, TinySizesAreLeftAlone) {
  QImage png = PalettePng();
  EXPECT_TRUE(ResizePng(png, 1, 8));  // no resize, so no complaint either
  EXPECT_EQ(png.size(), QSize(4, 4));
  QImage dot(1, 1, QImage::Format_ARGB32);
  EXPECT_TRUE(ResizePng(dot, 10, 10));
  EXPECT_EQ(dot.size(), QSize(1, 1));
}

// The columns a text's ink covers on a transparent canvas.
std::pair<int, int> InkColumns(const QImage& image) {
  int first = image.width(), last = -1;
  for (int x = 0; x < image.width(); ++x)
    for (int y = 0; y < image.height(); ++y)
      if (qAlpha(image.pixel(x, y)) != 0) first = std::min(first, x), last = std::max(last, x);
  return {first, last};
}

TEST(TextHelpers, ShadowTextAlignsAndShadowsBelowRight) {
  QImage canvas(300, 40, QImage::Format_ARGB32);
  const QString text = QStringLiteral("II");
  auto draw = [&](char alignment) {
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    QFont font;
    font.setPixelSize(20);
    painter.setFont(font);
    DrawShadowText(text, 50, 250, alignment, QColor(200, 100, 255), painter, 5);
    return painter.fontMetrics().horizontalAdvance(text);
  };
  const int width = draw('l');
  const auto left = InkColumns(canvas);
  draw('r');
  const auto right = InkColumns(canvas);
  EXPECT_EQ(right.first - left.first, 200 - width);
  draw('c');
  const auto centre = InkColumns(canvas);
  EXPECT_EQ(centre.first - left.first, (200 - width) / 2);

  // The shadow is the colour halved, one pixel right and down of the text.
  draw('l');
  bool shadow_seen = false;
  for (int x = 0; x < canvas.width() && !shadow_seen; ++x)
    for (int y = 0; y < canvas.height(); ++y)
      if (canvas.pixelColor(x, y) == QColor(100, 50, 128) &&
          canvas.pixelColor(x - 1, y - 1) == QColor(200, 100, 255))
        shadow_seen = true;
  EXPECT_TRUE(shadow_seen);
}

TEST(TextHelpers, DrawCentredTruncatesTheOffset) {
  QImage canvas(300, 40, QImage::Format_ARGB32);
  QFont font;
  font.setPixelSize(20);
  const QString text = QStringLiteral("I");
  auto first_ink = [&](int left, int right) {
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(Qt::black);
    DrawCentred(text, left, right, painter, 5);
    painter.end();
    return InkColumns(canvas).first;
  };
  const int width = QFontMetrics(font).horizontalAdvance(text);
  const int at_left = first_ink(0, width);  // no room to spare: the text starts at left
  // One span of each parity, so a rounded offset would differ from a truncated one.
  for (int right : {200, 201})
    EXPECT_EQ(first_ink(100, right) - at_left, 100 + (right - 100 - width) / 2) << right;
}

}  // namespace
}  // namespace quorvex
