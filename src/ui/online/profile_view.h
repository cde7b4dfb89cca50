// A member's photo beside the fourteen lines of the public profile, each with its sign. The
// lines of another member's profile can be clicked.
#pragma once

#include <QImage>
#include <QWidget>

#include "online/account_records.h"
#include "ui/online/profile_fields.h"

class QLabel;
class QToolButton;

namespace quorvex {

class TProfileView : public QWidget {
  Q_OBJECT

 public:
  TProfileView(bool clickable, QWidget* parent = nullptr);

  void Show(const TInfo14& info, const QImage& photo);
  // The text of a line as the member wrote it.
  QString LineText(int field) const { return texts_[field]; }
  QToolButton* Line(int field) const { return lines_[field]; }
  QLabel* Photo() const { return photo_; }

 signals:
  void LineClicked(int field);

 private:
  QLabel* photo_ = nullptr;
  QToolButton* lines_[kProfileFields] = {};
  QString texts_[kProfileFields];
};

}  // namespace quorvex
