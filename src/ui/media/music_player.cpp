#include "ui/media/music_player.h"

#include <QFile>
#include <QMessageBox>

#include "locale/lang_text.h"
#include "sound/song_file.h"

namespace quorvex {

namespace {
QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str(), qsizetype(text.size()));
}
}  // namespace

MusicPlayer::MusicPlayer(const Settings& settings, SongOutput& output)
    : settings_(settings), output_(output) {
  loop_timer_.setInterval(1000);
  connect(&loop_timer_, &QTimer::timeout, this, [this] { Update(); });
}

MusicPlayer::~MusicPlayer() {
  Close();
}

bool MusicPlayer::Prepare(const QString& temp_dir) {
  temp_dir_ = temp_dir;
  QFile resource(QStringLiteral(":/RCDATA/MidiSong"));
  const QByteArray song = resource.open(QIODevice::ReadOnly) ? resource.readAll() : QByteArray();
  const std::filesystem::path dir = temp_dir.toStdString();
  if (PrepareSongFile(dir, std::string_view(song.constData(), size_t(song.size()))) ==
      SongFileState::Failed) {
    const QString message = Qs(Text(Tx::CantCreateMusicFile));
    if (error_handler_) {
      error_handler_(message);
    } else {
      QMessageBox::critical(nullptr, Qs(Text(Tx::ProductTitle)), message);
    }
    return false;
  }
  // The player plays what the file holds, as read now.
  QFile file(QString::fromStdString((dir / SongFileName()).string()));
  if (!file.open(QIODevice::ReadOnly)) return false;
  const std::filesystem::path font = FindSoundFont();
  if (font.empty() || !output_.OpenSong(QString::fromStdString(font.string()), file.readAll()))
    return false;
  open_ = true;
  loop_timer_.start();
  Update();
  return true;
}

void MusicPlayer::SetMenuShown(bool shown) {
  menu_shown_ = shown;
  Update();
}

void MusicPlayer::Update() {
  const bool wanted =
      MusicShouldPlay(settings_.MusicOn, menu_shown_, open_ && !output_.SongFailed());
  if (wanted && (!started_ || output_.SongEnded())) {
    // Started now, or the song reached its end: from the top again.
    output_.StartSong();
    started_ = true;
  } else if (!wanted && started_) {
    output_.StopSong();
    started_ = false;
  }
}

void MusicPlayer::Close() {
  loop_timer_.stop();
  if (started_) output_.StopSong();
  started_ = false;
  open_ = false;
}

void MusicPlayer::BeforeSettingsSaved() {
  if (temp_dir_.isEmpty()) return;
  DeleteSongFile(temp_dir_.toStdString(), open_);
}

}  // namespace quorvex
