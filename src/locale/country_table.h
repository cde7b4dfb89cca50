// The static country lists behind the country codes; countries.h is the interface to use.
#pragma once

#include <span>

#include "locale/countries.h"

namespace quorvex {

// The list of a region 1..6, "Unknown" first; empty for any other region.
std::span<const CountryNames> RegionCountries(int region);

}  // namespace quorvex
