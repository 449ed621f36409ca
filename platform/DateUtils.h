#pragma once

#include "DateTime.h"

#include <cstdint>

// Calendar arithmetic on day counts, in the manner of the original platform's date utilities.

// Moves a date by whole months, keeping the time of day; a day past the end of the target month
// falls back to that month's last day (31/01 plus one month is 28/02 or 29/02). Raises
// EConvertError when the result leaves the calendar (before year 1 or after 9999).
TDateTime IncMonth(TDateTime value, int months = 1);

// The distance between two points in whole milliseconds, always positive or zero.
std::int64_t MilliSecondsBetween(TDateTime now, TDateTime then);
