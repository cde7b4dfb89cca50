// Easter of the two churches for a Gregorian year, as the holiday calendar counts it.
#pragma once

#include "locale/calendar_date.h"

namespace quorvex {

// Orthodox Easter: the Julian computus, given as a Gregorian date.
CalendarDate OrthodoxEaster(int year);
// Catholic Easter: the Gregorian computus.
CalendarDate CatholicEaster(int year);

}  // namespace quorvex
