// Builds the program's objects and wires them together.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStyleFactory>

#include "app/program_settings.h"
#include "game/controller.h"
#include "game/platform.h"
#include "locale/lang_text.h"
#include "opponent/computer_opponent.h"
#include "ui/audio_output.h"
#include "ui/club_keeper.h"
#include "ui/club_menu.h"
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
  // The club files beside the program: without both intact the run stops here, and the
  // settings file is left as it was.
  quorvex::ClubKeeper keeper(
      QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
  if (!keeper.ReadClubFilesAtStart(nullptr, settings.Get().Language)) return 1;
  settings.Get().Language = quorvex::CurrentLanguage();
  window.ApplyLanguage();
  quorvex::GameController controller(window, opponent, random, clock, keeper);
  window.SetController(&controller);
  keeper.SetParent(&window);
  keeper.SetController(&controller);
  quorvex::ClubMenu club_menu(keeper, settings.Get());
  club_menu.SetController(&controller);
  club_menu.AttachTo(window);
  keeper.SetClubChanged([&club_menu] { club_menu.Refresh(); });
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
