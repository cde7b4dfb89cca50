#include "ui/table/edit_cursor.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "ui/art/resource_library.h"

namespace quorvex {
namespace {

bool IsTextField(QObject* object) {
  return qobject_cast<QLineEdit*>(object) || qobject_cast<QAbstractSpinBox*>(object) ||
         qobject_cast<QTextEdit*>(object) || qobject_cast<QPlainTextEdit*>(object);
}

QWidget* CursorHolder(QObject* object) {
  // A text box shows its cursor over its viewport.
  if (auto* area = qobject_cast<QAbstractScrollArea*>(object)) return area->viewport();
  return qobject_cast<QWidget*>(object);
}

}  // namespace

EditCursor::EditCursor(QObject* parent) : QObject(parent) {
  qApp->installEventFilter(this);
}

EditCursor::~EditCursor() {
  qApp->removeEventFilter(this);
}

void EditCursor::SetOwn(bool own) {
  QImage picture;
  if (own && LoadLibraryPicture(QStringLiteral("CUREDIT"), QString(), picture) &&
      !picture.isNull()) {
    cursor_ = QCursor(QPixmap::fromImage(picture), picture.width() / 2, picture.height() / 2);
  } else {
    cursor_ = QCursor(Qt::IBeamCursor);
  }
  // The fields built so far take it at once.
  for (QWidget* widget : QApplication::allWidgets())
    if (IsTextField(widget)) CursorHolder(widget)->setCursor(cursor_);
}

bool EditCursor::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Polish && IsTextField(watched))
    CursorHolder(watched)->setCursor(cursor_);
  return QObject::eventFilter(watched, event);
}

}  // namespace quorvex
