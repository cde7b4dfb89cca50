#include "ui/media/media_stream_player.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>
#include <algorithm>

namespace quorvex {

MediaStreamPlayer::MediaStreamPlayer(QString program, QObject* parent)
    : QObject(parent), program_(std::move(program)) {
  if (program_.isEmpty())
    program_ = QCoreApplication::applicationDirPath() + QStringLiteral("/quorvex-stream");
}

MediaStreamPlayer::~MediaStreamPlayer() {
  EndProcess();
}

void MediaStreamPlayer::EndProcess() {
  if (!process_) return;
  process_->disconnect(this);
  // Killed, not asked: a player stuck in a dead station would not listen.
  process_->kill();
  process_->waitForFinished(1000);
  process_.reset();
}

bool MediaStreamPlayer::Open(const std::string& address) {
  EndProcess();
  address_.clear();
  position_ = length_ = 0;
  ended_ = false;
  failed_ = false;
  reported_ = false;
  const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
  // Only web streams: a station list is data from outside and names nothing else.
  const QString scheme = url.scheme().toLower();
  if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) ||
      !QFileInfo(program_).isExecutable()) {
    failed_ = true;
    return false;
  }
  address_ = address;
  return true;
}

void MediaStreamPlayer::Play() {
  if (failed_ || address_.empty() || process_) return;
  position_ = length_ = 0;
  ended_ = false;
  reported_ = false;
  pending_.clear();
  process_ = std::make_unique<QProcess>();
  process_->setProcessChannelMode(QProcess::SeparateChannels);
  // The decoder's own complaints go nowhere; the reports come on the standard output.
  process_->setStandardErrorFile(QProcess::nullDevice());
  connect(process_.get(), &QProcess::readyReadStandardOutput, this,
          &MediaStreamPlayer::ReadReports);
  connect(process_.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart || error == QProcess::Crashed) failed_ = true;
  });
  connect(process_.get(), &QProcess::finished, this, [this] {
    ReadReports();
    if (!ended_) failed_ = true;
  });
  process_->start(program_, {QString::fromStdString(address_), QString::number(volume_)});
  started_.start();
}

void MediaStreamPlayer::Stop() {
  EndProcess();
  position_ = 0;
}

void MediaStreamPlayer::SetVolume(int percent) {
  volume_ = std::clamp(percent, 0, 100);
  if (process_ && process_->state() == QProcess::Running)
    process_->write("volume " + QByteArray::number(volume_) + '\n');
}

void MediaStreamPlayer::ReadReports() {
  if (!process_) return;
  pending_ += process_->readAllStandardOutput();
  qsizetype end;
  while ((end = pending_.indexOf('\n')) >= 0) {
    const QList<QByteArray> words = pending_.left(end).split(' ');
    pending_.remove(0, end + 1);
    if (words.size() != 4 || words[0] != "state") continue;
    reported_ = true;
    position_ = std::max<qlonglong>(0, words[1].toLongLong());
    length_ = std::max<qlonglong>(0, words[2].toLongLong());
    ended_ = words[3] == "ended";
    if (words[3] == "failed") failed_ = true;
  }
  // A player that talks without end is not one of ours.
  if (pending_.size() > 4096) pending_.clear();
}

int64_t MediaStreamPlayer::Position() const {
  return position_;
}

int64_t MediaStreamPlayer::Length() const {
  return length_;
}

bool MediaStreamPlayer::Ended() const {
  return ended_;
}

bool MediaStreamPlayer::Failed() const {
  return failed_ ||
         (process_ && !reported_ && started_.isValid() && started_.elapsed() > kSilentLimitMs);
}

}  // namespace quorvex
