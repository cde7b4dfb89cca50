// Names of the deal recordings: animated GIFs in the folder "GIFGame" beside the program, named
// by the moment they are saved, e.g. "2024.03.15-18.05.42.gif".
#pragma once

#include <string>

namespace quorvex {

inline constexpr char kRecordingFolder[] = "GIFGame";

struct CivilTime {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0;
};

// "yyyy.MM.dd-hh.mm.ss.gif". A second recording within the same second (or a clock set back)
// must not overwrite the first, so attempt n > 1 adds "-n" before the extension.
std::string RecordingFileName(const CivilTime& time, int attempt = 1);

}  // namespace quorvex
