#include "gif_writer.h"

#include <unordered_map>

namespace artgen {

namespace {

// Index 0 is transparent; 1..216 the web colour cube.
int PaletteIndex(QRgb pixel) {
  if (qAlpha(pixel) < 128) return 0;
  auto level = [](int c) { return (c * 5 + 127) / 255; };
  return 1 + level(qRed(pixel)) * 36 + level(qGreen(pixel)) * 6 + level(qBlue(pixel));
}

class BitWriter {
 public:
  explicit BitWriter(QByteArray& out) : out_(out) {}
  void Put(int code, int bits) {
    buffer_ |= static_cast<uint32_t>(code) << count_;
    count_ += bits;
    while (count_ >= 8) {
      Byte(static_cast<char>(buffer_ & 0xFF));
      buffer_ >>= 8;
      count_ -= 8;
    }
  }
  void Finish() {
    if (count_ > 0) Byte(static_cast<char>(buffer_ & 0xFF));
    Flush();
    out_.append('\0');  // end of the image data
  }

 private:
  void Byte(char b) {
    block_.append(b);
    if (block_.size() == 255) Flush();
  }
  void Flush() {
    if (block_.isEmpty()) return;
    out_.append(static_cast<char>(block_.size()));
    out_.append(block_);
    block_.clear();
  }
  QByteArray& out_;
  QByteArray block_;
  uint32_t buffer_ = 0;
  int count_ = 0;
};

void Lzw(const std::vector<uint8_t>& pixels, QByteArray& out) {
  constexpr int kMinBits = 8, kClear = 256, kEnd = 257;
  out.append(static_cast<char>(kMinBits));
  BitWriter bits(out);
  std::unordered_map<uint32_t, int> table;
  int next = kEnd + 1, width = kMinBits + 1;
  bits.Put(kClear, width);
  int prefix = pixels.empty() ? -1 : pixels[0];
  for (size_t i = 1; i < pixels.size(); ++i) {
    const uint32_t key = static_cast<uint32_t>(prefix) << 8 | pixels[i];
    auto it = table.find(key);
    if (it != table.end()) {
      prefix = it->second;
      continue;
    }
    bits.Put(prefix, width);
    if (next < 4095) {
      table.emplace(key, next++);
      if (next > (1 << width) && width < 12) ++width;
    } else {
      bits.Put(kClear, width);
      table.clear();
      next = kEnd + 1;
      width = kMinBits + 1;
    }
    prefix = pixels[i];
  }
  if (prefix >= 0) bits.Put(prefix, width);
  bits.Put(kEnd, width);
  bits.Finish();
}

void Word(QByteArray& out, int value) {
  out.append(static_cast<char>(value & 0xFF));
  out.append(static_cast<char>(value >> 8 & 0xFF));
}

}  // namespace

QByteArray EncodeGif(const std::vector<QImage>& frames, int delay) {
  QByteArray out("GIF89a");
  const int w = frames.empty() ? 1 : frames[0].width(), h = frames.empty() ? 1 : frames[0].height();
  Word(out, w);
  Word(out, h);
  out.append(static_cast<char>(0xF7));  // a global table of 256 colours
  out.append('\0');
  out.append('\0');
  for (int i = 0; i < 256; ++i) {
    const int c = i - 1;
    const bool cube = i >= 1 && i <= 216;
    out.append(static_cast<char>(cube ? c / 36 * 51 : 0));
    out.append(static_cast<char>(cube ? c / 6 % 6 * 51 : 0));
    out.append(static_cast<char>(cube ? c % 6 * 51 : 0));
  }
  // Loop for ever.
  out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
  Word(out, 0);
  out.append('\0');
  for (const QImage& frame : frames) {
    const QImage argb = frame.convertToFormat(QImage::Format_ARGB32);
    // Each frame replaces the last: dispose to the background, index 0 transparent.
    out.append("\x21\xF9\x04\x09", 4);
    Word(out, delay);
    out.append('\0');
    out.append('\0');
    out.append(',');
    Word(out, 0);
    Word(out, 0);
    Word(out, w);
    Word(out, h);
    out.append('\0');
    std::vector<uint8_t> pixels;
    pixels.reserve(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
      for (int x = 0; x < w; ++x) pixels.push_back(static_cast<uint8_t>(PaletteIndex(line[x])));
    }
    Lzw(pixels, out);
  }
  out.append(';');
  return out;
}

}  // namespace artgen
