// Picture and text helpers shared by the windows: colour variants of the red, green and blue
// art, the bilinear resize of banners, and two ways of placing a line of text.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

class QPainter;

namespace quorvex {

// Turns every pixel of art drawn in base hue 1 (red), 2 (green) or 3 (blue) into colour variant
// 1..8; alpha is kept.
void Recolour(QImage& png, int base_hue, int variant);

// The error ResizePng reports for a picture that is neither RGB nor RGB with alpha.
QString ResizePngFormatError();

// Replaces the picture by a bilinear resize to width x height, colour and alpha alike. Pictures
// or targets smaller than 2 x 2 are left alone. Only RGB and RGB-with-alpha pictures are taken:
// for a palette, grey or one-bit picture it returns false, sets error (when given) to
// ResizePngFormatError() and leaves the picture alone.
bool ResizePng(QImage& png, int width, int height, QString* error = nullptr);

// The text drawn twice with its top at y: first one pixel right and down in the colour
// with every channel halved, then in the colour. Alignment 'l' starts at left, 'c' centres
// between left and right, 'r' ends at right.
void DrawShadowText(const QString& text, int left, int right, char alignment, const QColor& colour,
                    QPainter& canvas, int y);

// The text centred between left and right with its top at y, in the painter's pen.
void DrawCentred(const QString& text, int left, int right, QPainter& canvas, int y);

}  // namespace quorvex
