#include "radio_station.h"

#include <QDateTime>
#include <algorithm>

namespace quorvex::server {
namespace {

constexpr int kTickMs = 100;

}  // namespace

RadioStation::RadioStation(QString id, std::vector<std::shared_ptr<const Mp3Track>> rotation,
                           Clock clock, QObject* parent)
    : QObject(parent),
      id_(std::move(id)),
      rotation_(std::move(rotation)),
      clock_(std::move(clock)) {
  for (const auto& track : rotation_) {
    track_start_us_.push_back(cycle_us_);
    cycle_us_ += track->duration_us;
  }
  // The wall clock: stations keep their places across restarts of the server, and stations that
  // share tracks are kept apart by their orders.
  if (!clock_) clock_ = [] { return QDateTime::currentMSecsSinceEpoch() * 1000; };
  timer_.setInterval(kTickMs);
  connect(&timer_, &QTimer::timeout, this, &RadioStation::Tick);
}

qint64 RadioStation::Now() const {
  return clock_();
}

qint64 RadioStation::Cursor(const Listener& listener) const {
  return listener.cycle_start_us + track_start_us_[listener.track] +
         rotation_[listener.track]->frames[listener.frame].start_us;
}

void RadioStation::Seek(Listener& listener, qint64 at_us) const {
  const qint64 into = at_us % cycle_us_;
  listener.cycle_start_us = at_us - into;
  listener.track = size_t(std::upper_bound(track_start_us_.begin(), track_start_us_.end(), into) -
                          track_start_us_.begin() - 1);
  const auto& frames = rotation_[listener.track]->frames;
  const qint64 within = into - track_start_us_[listener.track];
  const auto after =
      std::upper_bound(frames.begin(), frames.end(), within,
                       [](qint64 at, const Mp3Track::Frame& frame) { return at < frame.start_us; });
  listener.frame = size_t(after - frames.begin() - 1);
}

void RadioStation::Tune(QTcpSocket* socket) {
  if (!OnAir()) {
    socket->disconnectFromHost();
    return;
  }
  Listener listener;
  listener.socket = socket;
  const qint64 now = Now();
  Seek(listener, now);
  Feed(listener, now);
  listeners_.push_back(listener);
  if (!timer_.isActive()) timer_.start();
}

void RadioStation::Feed(Listener& listener, qint64 now_us) {
  QTcpSocket* socket = listener.socket.data();
  // Behind by more than the slack, or ahead after the clock was set back: back to the clock.
  const qint64 cursor = Cursor(listener);
  if (cursor < now_us - kMaxLagUs || cursor > now_us + kLeadUs + kMaxLagUs) Seek(listener, now_us);
  QByteArray chunk;
  while (Cursor(listener) < now_us + kLeadUs &&
         socket->bytesToWrite() + chunk.size() < kMaxQueued) {
    const Mp3Track& track = *rotation_[listener.track];
    const Mp3Track::Frame& frame = track.frames[listener.frame];
    chunk.append(track.data.constData() + frame.offset, frame.size);
    if (++listener.frame < track.frames.size()) continue;
    listener.frame = 0;
    if (++listener.track == rotation_.size()) {
      listener.track = 0;
      listener.cycle_start_us += cycle_us_;
    }
  }
  if (!chunk.isEmpty()) socket->write(chunk);
}

void RadioStation::Tick() {
  // A listener that went away is gone with its connection, which the HTTP server deletes.
  listeners_.erase(std::remove_if(listeners_.begin(), listeners_.end(),
                                  [](const Listener& listener) {
                                    return !listener.socket || listener.socket->state() !=
                                                                   QAbstractSocket::ConnectedState;
                                  }),
                   listeners_.end());
  const qint64 now = Now();
  for (Listener& listener : listeners_) Feed(listener, now);
  if (listeners_.empty()) timer_.stop();
}

}  // namespace quorvex::server
