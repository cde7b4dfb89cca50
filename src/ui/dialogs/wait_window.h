// The wait window of a network game: it says what the game is waiting for, lists the players
// that have connected, and offers "Ok" (enabled once the game can start) and "Cancel". It lives
// for the whole run and is shown whenever a network game is set up.
#pragma once

#include <QDialog>
#include <QStringList>

#include "settings/settings.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace quorvex {

enum class WaitRole { Server, Client };

class TFormWait : public QDialog {
  Q_OBJECT

 public:
  explicit TFormWait(const Settings& settings, QWidget* parent = nullptr);

  // Starts a wait afresh: the text of the role, no players, "Ok" disabled, "Cancel" enabled.
  void StartWaiting(WaitRole role);
  void AddPlayer(const QString& line);
  QStringList Players() const;
  void SetOkEnabled(bool enabled);
  // The settings whose fonts and language the window draws with.
  void SetSettings(const Settings& settings);

  QString WaitingText() const;
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Recaption();

  Settings settings_;
  WaitRole role_ = WaitRole::Server;
  QLabel* waiting_ = nullptr;
  QListWidget* players_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace quorvex
