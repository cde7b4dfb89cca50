// Writes an animated GIF with giflib into memory: one palette for the whole animation, frames
// that cover only the rectangle they change (earlier frames stay underneath), looping for ever.
#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

#include "art/recolour.h"

struct GifFileType;

namespace quorvex {

class GifWriter {
 public:
  GifWriter() = default;
  ~GifWriter();
  GifWriter(const GifWriter&) = delete;
  GifWriter& operator=(const GifWriter&) = delete;

  // Starts an animation of the given size; the palette holds 1..256 colours.
  bool Begin(int width, int height, const std::vector<Rgb>& palette);
  // One frame: palette indices of `rect` row by row, shown for delay_cs hundredths of a second.
  bool AddFrame(const QRect& rect, const std::vector<uint8_t>& indices, int delay_cs);
  // Closes the animation; the bytes are complete only after this.
  bool Finish();

  const QByteArray& Bytes() const { return bytes_; }
  QString Error() const { return error_; }

 private:
  bool Fail(int code);
  static int Write(GifFileType* gif, const uint8_t* data, int length);

  GifFileType* gif_ = nullptr;
  QByteArray bytes_;
  QString error_;
  QRect screen_;
};

}  // namespace quorvex
