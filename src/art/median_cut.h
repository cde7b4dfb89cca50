// A palette of at most 256 colours for the GIF recordings, by median cut over a histogram of
// every pixel shown. Colours are binned at five bits a channel; each palette entry is the true
// average of the pixels it stands for, so a picture with few colours keeps them exactly.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "art/recolour.h"

namespace quorvex {

class ColourHistogram {
 public:
  static constexpr int kBins = 1 << 15;

  static int Bin(Rgb c) { return (c.r >> 3) << 10 | (c.g >> 3) << 5 | c.b >> 3; }

  void Add(Rgb c, uint64_t count = 1);
  void Clear();
  bool Empty() const { return total_ == 0; }

  struct Entry {
    uint64_t count = 0;
    uint64_t r = 0, g = 0, b = 0;  // sums of the true channels
  };
  const Entry& operator[](int bin) const { return bins_[bin]; }

 private:
  std::vector<Entry> bins_ = std::vector<Entry>(kBins);
  uint64_t total_ = 0;
};

struct Palette {
  std::vector<Rgb> colours;  // at most 256, at least 1
  // The palette index of every bin, for mapping pixels.
  std::vector<uint8_t> index_of_bin;

  uint8_t IndexOf(Rgb c) const { return index_of_bin[ColourHistogram::Bin(c)]; }
};

// Splits the colour space into at most max_colours boxes (1..256), always cutting the box that
// holds the most pixels times its widest extent at its median. An empty histogram gives black.
Palette MedianCutPalette(const ColourHistogram& histogram, int max_colours = 256);

}  // namespace quorvex
