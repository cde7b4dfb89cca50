// The wait cursor for as long as a request of the account window runs: the window does not
// answer meanwhile, and the player sees why.
#pragma once

#include <QApplication>

namespace quorvex {

class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace quorvex
