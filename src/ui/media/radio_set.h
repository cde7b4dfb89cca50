// The radio of the running program: its state, its station list and the stream that plays it,
// shared by the main menu's radio picture and the "Radio" window. Every change is announced by
// changed(), so that whatever shows the radio redraws.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "online/http_client.h"
#include "sound/radio.h"
#include "sound/radio_files.h"

class QWidget;

namespace quorvex {

class RadioSet : public QObject {
  Q_OBJECT

 public:
  RadioSet(HttpClient& http, RadioFiles files, std::unique_ptr<StreamPlayer> player,
           QObject* parent = nullptr);
  ~RadioSet() override;

  // At start and whenever the options' list source or the downloads change: availability, the
  // state file, the list; a radio found on starts playing.
  void Load(bool server_first);
  // At exit: the state file.
  bool Save();

  const Radio& State() const { return radio_; }
  bool Available() const { return radio_.Available(); }
  bool On() const { return radio_.Settings().on; }
  // The whole list as read at the last Load.
  const std::vector<RadioStation>& Stations() const { return stations_; }
  // "Radio: <station>" in the current language.
  QString Hint() const;

  // The stations of a country filter; the index of the selected one (-1 for none).
  int Fill(int filter, std::vector<RadioStation>& shown);
  void Tune(const RadioStation& station);
  void Toggle();
  void VolumeUp();
  void VolumeDown();

  // A picture of the radio library ("RRADIO_MAING", "05", a logo ...); null when missing. The
  // library is read once per Load and kept, as its pictures are few and small.
  QImage Picture(const QString& name) const;

  // Opens the "Radio" window over `parent`, modal.
  void OpenWindow(QWidget* parent);

 signals:
  void changed();

 private:
  HttpClient& http_;
  RadioFiles files_;
  std::unique_ptr<StreamPlayer> player_;
  Radio radio_;
  bool server_first_ = true;
  std::vector<RadioStation> stations_;
  std::vector<std::pair<QString, QImage>> pictures_;
};

}  // namespace quorvex
