#include "ui/online/profile_editor.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "locale/lang_text.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/modal_run.h"
#include "ui/online/account_pictures.h"
#include "ui/online/wait_cursor.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

constexpr QSize kPhotoSize(200, 250);

}  // namespace

TFormProfile::TFormProfile(AccountContext& context, const QImage& photo, QWidget* parent)
    : DesignedDialog(context.settings, parent), context_(context), photo_(photo) {
  setWindowTitle(Qs(Text(Tx::AboutMe)));

  auto* note = new QLabel(Qs(Text(Tx::ProfileVisible)), this);
  note->setAlignment(Qt::AlignCenter);
  note->setStyleSheet(QStringLiteral("font-style: italic;"));

  frame_ = new QLabel(this);
  frame_->setFixedSize(kPhotoSize);
  frame_->setFrameShape(QFrame::Box);
  frame_->setAlignment(Qt::AlignCenter);
  frame_->setCursor(Qt::PointingHandCursor);
  frame_->setToolTip(Qs(Text(Tx::ChoosePhoto)));
  frame_->installEventFilter(this);
  auto* hint = new QLabel(Qs(Text(Tx::ChoosePhoto)), this);
  hint->setWordWrap(true);
  hint->setFixedWidth(kPhotoSize.width());
  hint->setAlignment(Qt::AlignCenter);
  refresh_photo_ = NewDialogButton(Qs(Text(Tx::RefreshPhoto)), this);
  refresh_photo_->setFixedSize(kPhotoSize.width(), 30);
  refresh_photo_->setEnabled(false);
  connect(refresh_photo_, &QPushButton::clicked, this, &TFormProfile::RefreshPhoto);
  auto* photo_column = new QVBoxLayout;
  photo_column->addWidget(frame_);
  photo_column->addWidget(hint);
  photo_column->addWidget(refresh_photo_);
  photo_column->addStretch();

  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(3);
  const TInfo14& info = context_.session.user.Info;
  for (int field = 0; field < kProfileFields; ++field) {
    auto* sign = new QLabel(this);
    sign->setPixmap(QPixmap::fromImage(OwnAccountPicture(ProfileSignName(field))));
    auto* box = new QLineEdit(Qs(ProfileField(info, field)), this);
    box->setMaxLength(ProfileFieldLimit(field));
    box->setMinimumWidth(280);
    connect(box, &QLineEdit::textEdited, this, [this] { update_info_->setEnabled(true); });
    boxes_[field] = box;
    grid->addWidget(sign, field, 0);
    grid->addWidget(new QLabel(Qs(Text(Tx::ProfileFields, field)), this), field, 1);
    grid->addWidget(box, field, 2);
  }

  update_info_ = NewDialogButton(Qs(Text(Tx::UpdateInfo)), this);
  update_info_->setFixedSize(180, 30);
  connect(update_info_, &QPushButton::clicked, this, &TFormProfile::UpdateInfo);
  auto* close = NewDialogButton(Qs(Text(Tx::Close)), this);
  close->setFixedSize(120, 30);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* columns = new QHBoxLayout;
  columns->addLayout(photo_column);
  columns->addSpacing(14);
  columns->addLayout(grid);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(update_info_);
  buttons->addSpacing(20);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, HeaderHeight() + 6, 16, 14);
  layout->addWidget(note);
  layout->addSpacing(6);
  layout->addLayout(columns);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  ShowPhoto(photo_);
  FinishDesign();
}

void TFormProfile::ShowPhoto(const QImage& photo) {
  frame_->setPixmap(QPixmap::fromImage(
      photo.size() == kPhotoSize
          ? photo
          : photo.scaled(kPhotoSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

bool TFormProfile::ChoosePhoto(const QString& file) {
  QImageReader reader(file);
  reader.setAutoTransform(false);
  const bool jpeg = reader.format() == "jpeg";
  const QImage photo = jpeg && reader.size() == kPhotoSize ? reader.read() : QImage();
  if (photo.size() != kPhotoSize) {
    context_.hooks.ShowMessage(Text(Tx::PhotoFormat));
    return false;
  }
  chosen_ = file;
  ShowPhoto(photo);
  refresh_photo_->setEnabled(true);
  return true;
}

void TFormProfile::RefreshPhoto() {
  const TZefUser& user = context_.session.user;
  // The file may have changed or gone since it was chosen.
  QImageReader reader(chosen_);
  const bool still_fits = !chosen_.isEmpty() && reader.format() == "jpeg" &&
                          reader.size() == kPhotoSize && !reader.read().isNull();
  bool sent = false;
  if (still_fits && context_.upload_picture) {
    WaitCursor wait;
    sent = context_.upload_picture(user.Nick, user.Pw, chosen_.toStdString());
  }
  if (!sent) {
    context_.hooks.ShowMessage(Text(Tx::UploadPhotoFailed));
    return;
  }
  {
    WaitCursor wait;
    photo_ = MemberPhoto(context_.http, context_.avatar_base, user.Nick, user.Sex);
  }
  ShowPhoto(photo_);
  refresh_photo_->setEnabled(false);
}

void TFormProfile::UpdateInfo() {
  TInfo14 info;
  for (int field = 0; field < kProfileFields; ++field) {
    // "$" and "~" frame the profile's reply; they travel as spaces.
    QString text = boxes_[field]->text();
    text.replace(QLatin1Char('$'), QLatin1Char(' ')).replace(QLatin1Char('~'), QLatin1Char(' '));
    ProfileField(info, field) = text.toStdString();
  }
  AccountSession& session = context_.session;
  WaitCursor wait;
  if (!context_.service.SaveProfile(session.user.Nick, info)) return;
  update_info_->setEnabled(false);
  session.user.Info = context_.service.ReadProfile(session.user.Nick).info;
}

void TFormProfile::AskForPhoto() {
  QFileDialog dialog(this, Qs(Text(Tx::ChoosePhoto)), QString(),
                     Qs(Text(Tx::JpegPictures)) + QStringLiteral(" (*.jpg *.jpeg)"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (RunModal(dialog, false) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  ChoosePhoto(dialog.selectedFiles().first());
}

bool TFormProfile::eventFilter(QObject* watched, QEvent* event) {
  if (watched == frame_ && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    AskForPhoto();
    return true;
  }
  return DesignedDialog::eventFilter(watched, event);
}

}  // namespace quorvex
