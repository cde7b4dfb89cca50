#include "art/median_cut.h"

#include <algorithm>
#include <limits>

namespace quorvex {

void ColourHistogram::Add(Rgb c, uint64_t count) {
  Entry& e = bins_[Bin(c)];
  e.count += count;
  e.r += c.r * count;
  e.g += c.g * count;
  e.b += c.b * count;
  total_ += count;
}

void ColourHistogram::Clear() {
  std::fill(bins_.begin(), bins_.end(), Entry{});
  total_ = 0;
}

namespace {

int Channel(int bin, int axis) {
  return (bin >> (10 - 5 * axis)) & 31;
}

struct Box {
  int begin = 0, end = 0;  // range of the bin list
  uint64_t count = 0;
  int axis = 0;    // the widest channel
  int extent = 0;  // its width in bins

  uint64_t Priority() const { return extent == 0 ? 0 : count * static_cast<uint64_t>(extent); }
};

Box MakeBox(const std::vector<int>& bins, const ColourHistogram& h, int begin, int end) {
  Box box{begin, end};
  int lo[3] = {31, 31, 31}, hi[3] = {0, 0, 0};
  for (int i = begin; i < end; ++i) {
    box.count += h[bins[i]].count;
    for (int a = 0; a < 3; ++a) {
      lo[a] = std::min(lo[a], Channel(bins[i], a));
      hi[a] = std::max(hi[a], Channel(bins[i], a));
    }
  }
  for (int a = 0; a < 3; ++a) {
    if (hi[a] - lo[a] > box.extent) box.extent = hi[a] - lo[a], box.axis = a;
  }
  return box;
}

}  // namespace

Palette MedianCutPalette(const ColourHistogram& h, int max_colours) {
  max_colours = std::clamp(max_colours, 1, 256);
  std::vector<int> bins;
  for (int bin = 0; bin < ColourHistogram::kBins; ++bin)
    if (h[bin].count > 0) bins.push_back(bin);

  Palette palette;
  palette.index_of_bin.assign(ColourHistogram::kBins, 0);
  if (bins.empty()) {
    palette.colours.push_back({});
    return palette;
  }

  std::vector<Box> boxes = {MakeBox(bins, h, 0, static_cast<int>(bins.size()))};
  while (static_cast<int>(boxes.size()) < max_colours) {
    auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
      return a.Priority() < b.Priority();
    });
    if (widest->Priority() == 0) break;
    const Box box = *widest;
    std::sort(bins.begin() + box.begin, bins.begin() + box.end,
              [axis = box.axis](int a, int b) { return Channel(a, axis) < Channel(b, axis); });
    // Cut where half the pixels lie below; each side keeps at least one bin.
    uint64_t below = 0;
    int cut = box.begin + 1;
    for (int i = box.begin; i < box.end - 1; ++i) {
      below += h[bins[i]].count;
      cut = i + 1;
      if (2 * below >= box.count) break;
    }
    *widest = MakeBox(bins, h, box.begin, cut);
    boxes.push_back(MakeBox(bins, h, cut, box.end));
  }

  for (const Box& box : boxes) {
    uint64_t r = 0, g = 0, b = 0;
    for (int i = box.begin; i < box.end; ++i) {
      r += h[bins[i]].r, g += h[bins[i]].g, b += h[bins[i]].b;
      palette.index_of_bin[bins[i]] = static_cast<uint8_t>(palette.colours.size());
    }
    const uint64_t n = box.count;
    palette.colours.push_back({static_cast<uint8_t>((r + n / 2) / n),
                               static_cast<uint8_t>((g + n / 2) / n),
                               static_cast<uint8_t>((b + n / 2) / n)});
  }

  // Colours never counted still get their nearest entry, so any picture can be mapped.
  for (int bin = 0; bin < ColourHistogram::kBins; ++bin) {
    if (h[bin].count > 0) continue;
    const int c[3] = {Channel(bin, 0) * 8 + 4, Channel(bin, 1) * 8 + 4, Channel(bin, 2) * 8 + 4};
    int best = 0, best_distance = std::numeric_limits<int>::max();
    for (size_t i = 0; i < palette.colours.size(); ++i) {
      const Rgb& p = palette.colours[i];
      const int d =
          (p.r - c[0]) * (p.r - c[0]) + (p.g - c[1]) * (p.g - c[1]) + (p.b - c[2]) * (p.b - c[2]);
      if (d < best_distance) best_distance = d, best = static_cast<int>(i);
    }
    palette.index_of_bin[bin] = static_cast<uint8_t>(best);
  }
  return palette;
}

}  // namespace quorvex
