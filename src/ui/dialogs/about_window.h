// The "About" window: the title banner, the version, the credits and the web and mail links,
// in the grey aristocratic design.
#pragma once

#include <QDialog>
#include <QString>

#include "settings/settings.h"

class QLabel;
class QPushButton;

namespace quorvex {

// The version the program shows and reports to the services.
inline constexpr const char* kProgramVersion = "5.7f";

class TFormAbout : public QDialog {
  Q_OBJECT

 public:
  explicit TFormAbout(const Settings& settings, QWidget* parent = nullptr);

  QLabel* VersionLabel() const { return version_; }
  QLabel* WebLink() const { return web_; }
  QLabel* MailLink() const { return mail_; }
  QPushButton* OkButton() const { return ok_; }

  // The maker's site and mail address, from the address of the online services.
  static QString SiteAddress();
  static QString MailAddress();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* AddLink(const QString& caption, const QString& text, const QString& target, int y);

  Settings settings_;
  QImage banner_;
  QLabel* version_ = nullptr;
  QLabel* web_ = nullptr;
  QLabel* mail_ = nullptr;
  QPushButton* ok_ = nullptr;
};

// Opens the window modally.
void ShowAbout(const Settings& settings, QWidget* parent = nullptr);

}  // namespace quorvex
