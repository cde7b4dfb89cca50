// Window sizes and the helpers that turn design coordinates of the 760 x 500 client area into
// real ones. Factors are kept as exact fractions so that "1.3 x 5" is a true tie and rounds to
// even the same way on every machine.
#pragma once

#include <cstdint>

namespace quorvex {

inline constexpr int kDesignWidth = 760;
inline constexpr int kDesignHeight = 500;
inline constexpr int kWindowSizes = 5;

struct ScaleFactor {
  int64_t num = 1;
  int64_t den = 1;
  double Value() const { return static_cast<double>(num) / static_cast<double>(den); }
};

struct WindowScale {
  int client_width = kDesignWidth;
  int client_height = kDesignHeight;
  ScaleFactor x;     // design x positions
  ScaleFactor y;     // design y positions
  ScaleFactor size;  // sizes
};

// The scale of a window size 1..5. Size 2 fills the maximised client area, whose size is given;
// an unknown size counts as 1.
WindowScale WindowScaleFor(int window_size, int maximised_width, int maximised_height);

// Whether a window size is offered on a screen of the given size.
bool WindowSizeOffered(int window_size, int screen_width, int screen_height);

// num / den rounded to the nearest integer, ties to even.
int64_t RoundHalfEven(int64_t num, int64_t den);

// A design size.
int ScaleSize(const WindowScale& scale, int s);
// A design x of an element of design width w; an element scaled less than the window keeps its
// centre.
int ScaleX(const WindowScale& scale, int x, int w);
// A design y of an element of design height h, likewise.
int ScaleY(const WindowScale& scale, int y, int h);

}  // namespace quorvex
