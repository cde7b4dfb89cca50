#include "ui/player_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "locale/cp1251.h"
#include "locale/lang_text.h"
#include "ui/modal_run.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

std::string ToFile(const std::string& utf8) {
  return Utf8ToCp1251(utf8).value_or(std::string());
}

}  // namespace

PlayerEntryCheck CheckPlayerEntry(const std::optional<ClubProfile>& member, const std::string& name,
                                  const std::string& password, const std::string& again) {
  // A name the club file's code page cannot hold would be stored blank.
  const QString trimmed = QString::fromUtf8(name.c_str()).trimmed();
  if (trimmed.isEmpty() || !Utf8ToCp1251(trimmed.toStdString()))
    return PlayerEntryCheck::IncorrectName;
  if (!Utf8ToCp1251(password)) return PlayerEntryCheck::IncorrectPassword;
  if (!member) {
    return ClubPassword(ToFile(password)) == ClubPassword(ToFile(again))
               ? PlayerEntryCheck::Ok
               : PlayerEntryCheck::PasswordsDiffer;
  }
  return ClubPassword(ToFile(password)) == ClubPassword(member->password)
             ? PlayerEntryCheck::Ok
             : PlayerEntryCheck::IncorrectPassword;
}

TFormPlayer::TFormPlayer(int mode, const std::optional<ClubProfile>& member,
                         const std::string& last_name, QWidget* parent)
    : QDialog(parent), member_(mode >= 1 && mode <= 5 ? member : std::nullopt) {
  setWindowTitle(Qs(Text(Tx::Welcome)));
  name_ = new QLineEdit(this);
  name_->setMaxLength(static_cast<int>(kClubNameWidth));
  password_ = new QLineEdit(this);
  password_->setMaxLength(static_cast<int>(kClubPasswordLength));
  password_->setEchoMode(QLineEdit::Password);
  again_ = new QLineEdit(this);
  again_->setMaxLength(static_cast<int>(kClubPasswordLength));
  again_->setEchoMode(QLineEdit::Password);

  QString preset;
  if (member_) {
    preset = Qs(Cp1251ToUtf8(TrimmedClubName(member_->name)));
    // A member's name is theirs: it is chosen, not typed.
    name_->setReadOnly(true);
  } else {
    const QString last = Qs(last_name).trimmed();
    preset = !last.isEmpty() && last.size() <= int(kClubNameWidth) ? last : QStringLiteral("Mr.X");
  }
  name_->setText(preset);

  auto* form = new QFormLayout;
  form->addRow(Qs(Text(Tx::EnterYourName)), name_);
  form->addRow(Qs(Text(Tx::EnterYourPassword)), password_);
  auto* again_label = new QLabel(Qs(Text(Tx::OnceAgainForCheck)), this);
  form->addRow(again_label, again_);
  again_label->setVisible(!member_);
  again_->setVisible(!member_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(Qs(Text(Tx::Ok)), QDialogButtonBox::AcceptRole);
  buttons->addButton(Qs(Text(Tx::Cancel)), QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &TFormPlayer::TryAccept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  (member_ ? password_ : name_)->setFocus();
}

std::string TFormPlayer::Name() const {
  return name_->text().trimmed().toStdString();
}

std::string TFormPlayer::Password() const {
  return password_->text().toStdString();
}

void TFormPlayer::TryAccept() {
  const PlayerEntryCheck check =
      CheckPlayerEntry(member_, Name(), Password(), again_->text().toStdString());
  Tx message = Tx::IncorrectName;
  switch (check) {
    case PlayerEntryCheck::Ok:
      accept();
      return;
    case PlayerEntryCheck::IncorrectName:
      break;
    case PlayerEntryCheck::PasswordsDiffer:
      message = Tx::PasswordsDoNotCoincide;
      break;
    case PlayerEntryCheck::IncorrectPassword:
      message = Tx::IncorrectPassword;
      break;
  }
  QMessageBox box(QMessageBox::Warning, windowTitle(), Qs(Text(message)), QMessageBox::Ok, this);
  RunModal(box);
}

}  // namespace quorvex
