// One write in one transaction: committed when `work` succeeds, rolled back otherwise.
#pragma once

#include <QSqlDatabase>

namespace quorvex::server {

template <typename Work>
bool InTransaction(QSqlDatabase db, Work work) {
  if (!db.transaction()) return false;
  if (!work()) {
    db.rollback();
    return false;
  }
  return db.commit() || (db.rollback(), false);
}

}  // namespace quorvex::server
