#include "locale/easter.h"

namespace quorvex {

CalendarDate OrthodoxEaster(int year) {
  const int a = year % 19;
  const int d = (19 * a + 15) % 30;
  const int e = (2 * (year % 4) + 4 * (year % 7) + 6 * d + 6) % 7;
  // Julian Easter: March 22 + d + e, which may run into April.
  const int julian_day_of_year = DayOfYear({year, 3, 1}) + 21 + d + e;
  // The Julian calendar falls a day further behind every century year that is not a Gregorian
  // leap year: 13 days from 1900 to 2099, 14 from March 2100. A fixed 13 would put Easter 2100
  // on a Monday.
  const int lag = year / 100 - year / 400 - 2;
  return DateOfDayOfYear(year, julian_day_of_year + lag);
}

CalendarDate CatholicEaster(int year) {
  const int g = year % 19 + 1;
  const int c = year / 100 + 1;
  const int x = 3 * c / 4 - 12;
  const int z = (8 * c + 5) / 25 - 5;
  const int d = 5 * year / 4 - x - 10;
  int e = ((11 * g + 20 + z - x) % 30 + 30) % 30;
  if ((e == 25 && g > 11) || e == 24) ++e;
  int n = 44 - e;
  if (n < 21) n += 30;
  n = n + 7 - (d + n) % 7;
  return n > 31 ? CalendarDate{year, 4, n - 31} : CalendarDate{year, 3, n};
}

}  // namespace quorvex
