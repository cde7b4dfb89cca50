// The editor of the player's public profile: the photo (a 200 x 250 JPEG sent to the club's
// picture store) and the fourteen lines other club members may read.
#pragma once

#include <QImage>
#include <QString>

#include "ui/dialogs/designed_dialog.h"
#include "ui/online/account_context.h"
#include "ui/online/profile_fields.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvex {

class TFormProfile : public DesignedDialog {
  Q_OBJECT

 public:
  // Edits the profile of the session's member; `photo` is the member's photo as last shown.
  TFormProfile(AccountContext& context, const QImage& photo, QWidget* parent = nullptr);

  // Takes the file as the new photo when it is a JPEG of exactly 200 x 250 pixels; otherwise
  // says what is asked and keeps the photo it had.
  bool ChoosePhoto(const QString& file);
  // Sends the chosen photo and shows it as the club's store now gives it.
  void RefreshPhoto();
  // Saves the fourteen lines and reads the profile back into the account.
  void UpdateInfo();

  QImage Photo() const { return photo_; }
  QLineEdit* Box(int field) const { return boxes_[field]; }
  QPushButton* RefreshPhotoButton() const { return refresh_photo_; }
  QPushButton* UpdateInfoButton() const { return update_info_; }
  QLabel* PhotoFrame() const { return frame_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AskForPhoto();
  void ShowPhoto(const QImage& photo);

  AccountContext& context_;
  QImage photo_;
  QString chosen_;
  QLabel* frame_ = nullptr;
  QLineEdit* boxes_[kProfileFields] = {};
  QPushButton* refresh_photo_ = nullptr;
  QPushButton* update_info_ = nullptr;
};

}  // namespace quorvex
