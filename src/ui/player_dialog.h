// "Welcome!": the player names themselves as a member of the club, or registers a new member,
// before a session against the computer. The network fields come with the LAN game.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "records/club_lines.h"

class QLineEdit;

namespace quorvex {

enum class PlayerEntryCheck { Ok, IncorrectName, PasswordsDiffer, IncorrectPassword };

// The checks of Ok. `member` is the chosen member, nullopt for a new one; the passwords are
// compared as the file keeps them, padded with blanks to five.
PlayerEntryCheck CheckPlayerEntry(const std::optional<ClubProfile>& member, const std::string& name,
                                  const std::string& password, const std::string& again);

class TFormPlayer : public QDialog {
  Q_OBJECT

 public:
  // `mode` 1..5 names the member in that slot (given in `member`), 6 a new member, whose name is
  // preset with the last player's name when it fits.
  TFormPlayer(int mode, const std::optional<ClubProfile>& member, const std::string& last_name,
              QWidget* parent = nullptr);

  QLineEdit* NameEdit() const { return name_; }
  QLineEdit* PasswordEdit() const { return password_; }
  QLineEdit* AgainEdit() const { return again_; }
  // The name as typed, trimmed (UTF-8), and the password.
  std::string Name() const;
  std::string Password() const;
  bool NewMember() const { return !member_; }

  // Ok: checks, and either closes the dialog or tells what is wrong.
  void TryAccept();

 private:
  std::optional<ClubProfile> member_;
  QLineEdit* name_ = nullptr;
  QLineEdit* password_ = nullptr;
  QLineEdit* again_ = nullptr;
};

}  // namespace quorvex
