// Builds the program's objects and wires them together.
#include <QApplication>
#include <QDir>
#include <QStyleFactory>

#include "app/program_settings.h"
#include "game/controller.h"
#include "game/platform.h"
#include "opponent/computer_opponent.h"
#include "ui/audio_output.h"
#include "ui/elapsed_clock.h"
#include "ui/main_window.h"
#include "ui/music_player.h"
#include "ui/sound_player.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

  quorvex::ProgramSettings settings;
  quorvex::MainWindow window;
  window.SetSettings(&settings.Get());
  // Effects, spoken card names and the menu song.
  quorvex::AudioOutput audio;
  quorvex::SoundPlayer sound(settings.Get(), audio);
  quorvex::MusicPlayer music(settings.Get(), audio);
  window.SetSound(&sound, &music);
  quorvex::SystemRandom random;
  quorvex::ElapsedClock clock;
  // Seat 1's player: bids and plays from the full-information trick search.
  quorvex::ComputerOpponent opponent(window);
  quorvex::SessionHooks hooks;
  quorvex::GameController controller(window, opponent, random, clock, hooks);
  window.SetController(&controller);

  // The club file will supply the player; until then a newcomer plays.
  window.SetPlayer(quorvex::SessionPlayer{"Player", 0, 0});
  window.show();
  music.Prepare(QDir::tempPath());
  const int code = app.exec();
  window.SetController(nullptr);
  window.SetSound(nullptr, nullptr);
  // The player lets the song file go, so saving the settings removes it.
  music.Close();
  music.BeforeSettingsSaved();
  settings.Save(nullptr);
  return code;
}
