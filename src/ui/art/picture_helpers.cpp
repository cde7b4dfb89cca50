#include "ui/art/picture_helpers.h"

#include <QFontMetrics>
#include <QPainter>

#include "art/bilinear_resize.h"
#include "art/recolour.h"
#include "art/text_layout.h"

namespace quorvex {

namespace {

// Palette, grey and one-bit pictures carry no RGB colour type.
bool IsRgbPicture(const QImage& image) {
  switch (image.format()) {
    case QImage::Format_Invalid:
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
    case QImage::Format_Indexed8:
    case QImage::Format_Alpha8:
    case QImage::Format_Grayscale8:
    case QImage::Format_Grayscale16:
      return false;
    default:
      return true;
  }
}

RgbaPicture ToRgba(const QImage& image) {
  const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
  RgbaPicture picture{rgba.width(), rgba.height(), {}};
  picture.rgba.resize(static_cast<size_t>(rgba.width()) * rgba.height() * 4);
  for (int y = 0; y < rgba.height(); ++y) {
    const uchar* line = rgba.constScanLine(y);
    std::copy(line, line + rgba.width() * 4, picture.rgba.begin() + y * rgba.width() * 4);
  }
  return picture;
}

QImage FromRgba(const RgbaPicture& picture) {
  QImage image(picture.width, picture.height, QImage::Format_RGBA8888);
  for (int y = 0; y < picture.height; ++y) {
    const auto* row = picture.rgba.data() + static_cast<size_t>(y) * picture.width * 4;
    std::copy(row, row + picture.width * 4, image.scanLine(y));
  }
  return image;
}

}  // namespace

void Recolour(QImage& png, int base_hue, int variant) {
  if (png.isNull()) return;
  // Colours are recoloured as drawn, not premultiplied by their alpha.
  const QImage::Format original = png.format();
  QImage image = png.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = line[x];
      const Rgb p = RecolourPixel({static_cast<uint8_t>(qRed(c)), static_cast<uint8_t>(qGreen(c)),
                                   static_cast<uint8_t>(qBlue(c))},
                                  base_hue, variant);
      line[x] = qRgba(p.r, p.g, p.b, qAlpha(c));
    }
  }
  // Palette and grey pictures come back in full colour: their variants need not fit the palette.
  png = IsRgbPicture(png) ? image.convertToFormat(original) : image;
}

QString ResizePngFormatError() {
  return QStringLiteral("Only COLOR_RGBALPHA and COLOR_RGB formats are supported");
}

bool ResizePng(QImage& png, int width, int height, QString* error) {
  if (!ResizeApplies(png.width(), png.height(), width, height)) return true;
  if (!IsRgbPicture(png)) {
    if (error) *error = ResizePngFormatError();
    return false;
  }
  png = FromRgba(ResizeBilinear(ToRgba(png), width, height));
  return true;
}

void DrawShadowText(const QString& text, int left, int right, char alignment, const QColor& colour,
                    QPainter& canvas, int y) {
  const QFontMetrics metrics = canvas.fontMetrics();
  const int x = AlignedTextLeft(alignment, left, right, metrics.horizontalAdvance(text));
  const int baseline = y + metrics.ascent();
  const Rgb shadow =
      ShadowColour({static_cast<uint8_t>(colour.red()), static_cast<uint8_t>(colour.green()),
                    static_cast<uint8_t>(colour.blue())});
  canvas.save();
  canvas.setPen(QColor(shadow.r, shadow.g, shadow.b));
  canvas.drawText(x + 1, baseline + 1, text);
  canvas.setPen(colour);
  canvas.drawText(x, baseline, text);
  canvas.restore();
}

void DrawCentred(const QString& text, int left, int right, QPainter& canvas, int y) {
  const QFontMetrics metrics = canvas.fontMetrics();
  canvas.drawText(AlignedTextLeft('c', left, right, metrics.horizontalAdvance(text)),
                  y + metrics.ascent(), text);
}

}  // namespace quorvex
