// The QApplication every window test needs, and the log lines the program wrote.
#pragma once

#include <QString>
#include <QStringList>

namespace quorvex::testing {

// Messages logged since the last call, oldest first.
QStringList TakeLog();

}  // namespace quorvex::testing
