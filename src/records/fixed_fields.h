// Fixed-width fields, byte sums and line splitting shared by the club and history files. Both are
// single-byte text whose columns never move, so every writer pads or cuts to the column and every
// reader accepts nothing it cannot place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

inline constexpr std::string_view kCrLf = "\r\n";

// The text padded on the left with blanks to the width; a longer text stays whole.
std::string RightAligned(std::string_view text, size_t width);
// The text padded on the right with blanks and cut to exactly the width.
std::string LeftPaddedCut(std::string_view text, size_t width);
// A number right-aligned in a column, first held to what the column can show, so that a value
// out of range can never push the fields after it out of place.
std::string NumberField(int64_t value, size_t width);
// A decimal in the files' own form: optional blanks, optional sign, digits, optional comma and
// fraction digits, optional blanks. A point is taken for the comma too.
std::optional<double> ParseCommaDecimal(std::string_view text);
// A whole number with optional blanks around it and an optional sign.
std::optional<int64_t> ParseWholeNumber(std::string_view text);
// The text with every control byte (line ends, tabs, NUL) turned into a blank: a name or a date
// that holds one would otherwise split a line of a file.
std::string WithoutControlBytes(std::string_view text);

// The three sums that guard a line or a file: A over all bytes, B over the bytes at even
// positions and C over the bytes at positions divisible by three, counting from 1.
struct ByteSums {
  int64_t a = 0;
  int64_t b = 0;
  int64_t c = 0;
};
ByteSums SumBytes(std::string_view bytes);
// Each sum in decimal with leading zeros to the width (a longer number is written whole).
std::string SumsText(const ByteSums& sums, size_t width);

// Splits file bytes into lines. A line ends at LF; a CR right before it belongs to the line end.
// A last line without its line end counts when it is not empty. Lines longer than the limit are
// cut there: no file of the game comes near it, and a damaged one cannot make a reader hold it.
std::vector<std::string> SplitFileLines(std::string_view bytes, size_t max_line_bytes = 4096);
// Lines joined with CR LF, the last one ended too.
std::string JoinFileLines(const std::vector<std::string>& lines);

}  // namespace quorvex
