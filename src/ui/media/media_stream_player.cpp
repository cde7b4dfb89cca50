#include "ui/media/media_stream_player.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>
#include <algorithm>

namespace quorvex {

MediaStreamPlayer::MediaStreamPlayer(std::function<bool()> has_output, QObject* parent)
    : QObject(parent), has_output_(std::move(has_output)) {
  if (!has_output_) has_output_ = [] { return !QMediaDevices::audioOutputs().isEmpty(); };
}

MediaStreamPlayer::~MediaStreamPlayer() {
  if (player_) player_->stop();
}

bool MediaStreamPlayer::Open(const std::string& address) {
  const QUrl url(QString::fromStdString(address));
  // Only streams from the network; nothing else is opened through an address from a list.
  if (!url.isValid() ||
      (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
    return false;
  if (!player_) {
    if (!has_output_()) return false;
    player_ = std::make_unique<QMediaPlayer>();
    output_ = std::make_unique<QAudioOutput>();
    player_->setAudioOutput(output_.get());
    output_->setVolume(float(volume_) / 100.0f);
    connect(player_.get(), &QMediaPlayer::errorOccurred, this, [this] { failed_ = true; });
  }
  player_->stop();
  failed_ = false;
  player_->setSource(url);
  return true;
}

void MediaStreamPlayer::Play() {
  if (player_ && !failed_) player_->play();
}

void MediaStreamPlayer::Stop() {
  if (player_) player_->stop();
}

void MediaStreamPlayer::SetVolume(int percent) {
  volume_ = std::clamp(percent, 0, 100);
  if (output_) output_->setVolume(float(volume_) / 100.0f);
}

int64_t MediaStreamPlayer::Position() const {
  return player_ ? player_->position() : 0;
}

int64_t MediaStreamPlayer::Length() const {
  return player_ ? player_->duration() : 0;
}

bool MediaStreamPlayer::Ended() const {
  return player_ && (player_->mediaStatus() == QMediaPlayer::EndOfMedia ||
                     player_->mediaStatus() == QMediaPlayer::InvalidMedia);
}

}  // namespace quorvex
