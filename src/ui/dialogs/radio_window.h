// The "Radio" window: the countries with their flags, the stations of the chosen one, the on/off
// lamp, the volume keys with its digits, and the playing station's logo in its frame.
#pragma once

#include <QDialog>
#include <vector>

#include "sound/radio_stations.h"

class QListWidget;

namespace quorvex {

class RadioSet;

class TFRadio : public QDialog {
  Q_OBJECT

 public:
  TFRadio(RadioSet& radio, QWidget* parent = nullptr);

  QListWidget* Countries() const { return countries_; }
  QListWidget* StationList() const { return stations_; }
  // The window as it looks, for the tests' pictures.
  QImage Snapshot();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void FillStations(int filter);

  RadioSet& radio_;
  QListWidget* countries_ = nullptr;
  QListWidget* stations_ = nullptr;
  std::vector<RadioStation> shown_;
  bool filling_ = false;
};

}  // namespace quorvex
