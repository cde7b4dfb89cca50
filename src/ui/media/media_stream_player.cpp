#include "ui/media/media_stream_player.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>
#include <algorithm>

namespace quorvex {

void ChooseMediaBackend() {
  if (qEnvironmentVariableIsSet("QT_MEDIA_BACKEND")) return;
  const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                         QStringLiteral("/multimedia/libffmpegmediaplugin.so");
  if (QFileInfo::exists(plugin)) qputenv("QT_MEDIA_BACKEND", "ffmpeg");
}

MediaStreamPlayer::MediaStreamPlayer(QObject* parent) : QObject(parent) {
  player_ = std::make_unique<QMediaPlayer>();
  // Qt 6.4's FFmpeg backend crashes when given an audio output with no device behind it, so a
  // machine without sound gets none: the stream still opens and reports its length, unheard.
  if (!QMediaDevices::defaultAudioOutput().isNull()) {
    output_ = std::make_unique<QAudioOutput>();
    player_->setAudioOutput(output_.get());
  }
  connect(player_.get(), &QMediaPlayer::errorOccurred, this,
          [this](QMediaPlayer::Error error, const QString&) {
            if (error != QMediaPlayer::NoError) failed_ = true;
          });
}

MediaStreamPlayer::~MediaStreamPlayer() {
  player_->stop();
  player_->setAudioOutput(nullptr);
}

bool MediaStreamPlayer::BackendAvailable() {
  QMediaPlayer probe;
  return probe.isAvailable();
}

bool MediaStreamPlayer::Open(const std::string& address) {
  player_->stop();
  failed_ = false;
  const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
  // Only web and file addresses: a station list is data from outside and names nothing else.
  const QString scheme = url.scheme().toLower();
  if (!url.isValid() ||
      !(scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("file")) ||
      !player_->isAvailable()) {
    player_->setSource(QUrl());
    failed_ = true;
    return false;
  }
  player_->setSource(url);
  return true;
}

void MediaStreamPlayer::Play() {
  if (!failed_ && !player_->source().isEmpty()) player_->play();
}

void MediaStreamPlayer::Stop() {
  player_->stop();
}

void MediaStreamPlayer::SetVolume(int percent) {
  if (output_) output_->setVolume(float(std::clamp(percent, 0, 100)) / 100.0f);
}

int64_t MediaStreamPlayer::Position() const {
  return player_->position();
}

int64_t MediaStreamPlayer::Length() const {
  return player_->duration();
}

bool MediaStreamPlayer::Ended() const {
  return player_->mediaStatus() == QMediaPlayer::EndOfMedia;
}

bool MediaStreamPlayer::Failed() const {
  return failed_ || player_->mediaStatus() == QMediaPlayer::InvalidMedia;
}

}  // namespace quorvex
