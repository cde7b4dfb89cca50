// Every text field of the program, in the main window and in every dialog, shows the game's own
// text cursor "CUREDIT" while the own cursors are chosen; the fields take it as they are built.
#pragma once

#include <QCursor>
#include <QObject>

namespace quorvex {

class EditCursor : public QObject {
  Q_OBJECT

 public:
  explicit EditCursor(QObject* parent = nullptr);
  ~EditCursor() override;

  // The own cursor, or the system's text cursor.
  void SetOwn(bool own);
  const QCursor& Cursor() const { return cursor_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QCursor cursor_{Qt::IBeamCursor};
};

}  // namespace quorvex
