// "My Passport": the nick, country, city and sex under which the player appears in the world
// list and the chat. Each accepted change goes into the settings at once; the window closes only
// while both texts are accepted.
#pragma once

#include <QDialog>

#include "settings/settings.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvex {

class TFormPassport : public QDialog {
  Q_OBJECT

 public:
  explicit TFormPassport(Settings& settings, QWidget* parent = nullptr);

  QLineEdit* NickEdit() const { return nick_; }
  QLineEdit* CityEdit() const { return city_; }
  QComboBox* RegionList() const { return region_; }
  QComboBox* CountryList() const { return country_; }
  QComboBox* SexList() const { return sex_; }
  QPushButton* OkButton() const { return ok_; }
  // The lamps' results: 1 red, 2 yellow, 3 green.
  int NickLamp() const { return nick_check_; }
  int CityLamp() const { return city_check_; }
  bool ClosingAllowed() const { return nick_check_ >= 2 && city_check_ >= 2; }

 public slots:
  void done(int result) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FillCountries(int region);
  void TextsChanged(bool nick_changed);
  QImage Lamp(int check) const;

  Settings& settings_;
  QLineEdit* nick_ = nullptr;
  QLineEdit* city_ = nullptr;
  QComboBox* region_ = nullptr;
  QComboBox* country_ = nullptr;
  QComboBox* sex_ = nullptr;
  QPushButton* ok_ = nullptr;
  QLabel* nick_lamp_ = nullptr;
  QLabel* city_lamp_ = nullptr;
  int nick_check_ = 1;
  int city_check_ = 1;
  bool filling_ = false;
};

// Opens the passport; on return the settings hold what was accepted.
void ShowPassport(Settings& settings, QWidget* parent);

}  // namespace quorvex
