// The calendar library: the card the main menu's calendar is drawn on, the zodiac signs, the
// animals of the eastern years and the holiday pictures.
#pragma once

#include <QImage>
#include <QString>

#include "bundle_writer.h"

namespace artgen {

bool MakeCalendar(BundleWriter& out);

// A holiday picture by its name (54 x 60); null for a name this generator does not know.
QImage HolidayPicture(const QString& name);

}  // namespace artgen
