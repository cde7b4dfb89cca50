// The menu song: written once to the temporary folder, played by the synthesiser while the main
// menu is shown and the music is on, restarted by a one-second check so that it loops.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

#include "settings/settings.h"
#include "ui/media/audio_output.h"

namespace quorvex {

class MusicPlayer : public QObject {
 public:
  MusicPlayer(const Settings& settings, SongOutput& output);
  ~MusicPlayer() override;

  // Puts the song file in place and opens the synthesiser on it. A song file that cannot be
  // written is reported through the error handler; the music then stays silent. False when the
  // song cannot play.
  bool Prepare(const QString& temp_dir);

  // The main menu came or went.
  void SetMenuShown(bool shown);
  // Starts or stops the song at once after the music setting changed.
  void MusicSettingChanged() { Update(); }
  // Stops and closes the player (leaving the program).
  void Close();
  // Saving the settings removes the song file, unless the player holds it.
  void BeforeSettingsSaved();

  // Shows the error message; a message box unless replaced (tests).
  void SetErrorHandler(std::function<void(const QString&)> handler) {
    error_handler_ = std::move(handler);
  }

  // The one-second check: starts or stops the song as the menu and the setting want, and
  // restarts a song that has ended, so that it loops.
  void Update();

  bool Open() const { return open_; }
  // The song was asked to sound and has not been stopped.
  bool Started() const { return started_; }

 private:
  const Settings& settings_;
  SongOutput& output_;
  QString temp_dir_;
  QTimer loop_timer_;
  bool open_ = false;
  bool menu_shown_ = false;
  bool started_ = false;
  std::function<void(const QString&)> error_handler_;
};

}  // namespace quorvex
