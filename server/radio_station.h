// One of the server's radio stations: an endless MP3 stream of its own rotation of tracks that
// runs on the clock whether anyone listens or not. A listener tunes in at the frame the clock is
// in and then gets the stream at the pace it plays, a little ahead; a listener that cannot keep
// up is held to a small queue and skips forward, so no listener makes the server grow.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "mp3_track.h"

namespace quorvex::server {

class RadioStation : public QObject {
 public:
  // The station's clock in microseconds; the wall clock unless a test gives its own.
  using Clock = std::function<qint64()>;

  // The tracks in the order the station plays them, again and again.
  RadioStation(QString id, std::vector<std::shared_ptr<const Mp3Track>> rotation, Clock clock = {},
               QObject* parent = nullptr);

  const QString& Id() const { return id_; }
  bool OnAir() const { return cycle_us_ > 0; }
  int Listeners() const { return int(listeners_.size()); }

  // A listener whose response head has been written: from now on the station writes the body.
  void Tune(QTcpSocket* socket);
  // What the station's timer does while anyone listens: drops listeners that left and feeds the
  // others up to the clock.
  void Tick();

  // How far ahead of the clock a listener is fed, and how far behind it may fall before it
  // skips to the clock's frame; the most a listener's connection may hold unsent.
  static constexpr qint64 kLeadUs = 2'000'000;
  static constexpr qint64 kMaxLagUs = 8'000'000;
  static constexpr qint64 kMaxQueued = 64 * 1024;

 private:
  struct Listener {
    QPointer<QTcpSocket> socket;
    qint64 cycle_start_us = 0;  // on the station's clock, where the current round began
    size_t track = 0;
    size_t frame = 0;
  };

  qint64 Now() const;
  qint64 Cursor(const Listener& listener) const;
  void Seek(Listener& listener, qint64 at_us) const;
  void Feed(Listener& listener, qint64 now_us);

  QString id_;
  std::vector<std::shared_ptr<const Mp3Track>> rotation_;
  std::vector<qint64> track_start_us_;
  qint64 cycle_us_ = 0;
  Clock clock_;
  std::vector<Listener> listeners_;
  QTimer timer_;
};

}  // namespace quorvex::server
