// Drawing the calendar cards of a day from the calendar library's pictures.
#pragma once

#include <QImage>
#include <QString>
#include <optional>
#include <vector>

#include "locale/calendar_plan.h"

namespace quorvex {

// The cards' pictures, 60 x 100 each, in the plan's order; the library is opened for the
// drawing and closed at once. Nothing when the library is missing: then there is no calendar.
std::optional<std::vector<QImage>> DrawCalendarCards(const CalendarPlan& plan,
                                                     const QString& font_family);

}  // namespace quorvex
