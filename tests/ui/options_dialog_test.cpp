// The options dialog: every control writes its setting and the settings file keeps it, the size
// list follows the screen, the back-design modification and the design rules, a card design
// whose library is missing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "locale/lang_text.h"
#include "settings/settings_file.h"
#include "ui/art/button_style.h"
#include "ui/art/card_images.h"
#include "ui/art/resource_library.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/design_icon.h"
#include "ui/dialogs/dialog_design.h"
#include "ui/dialogs/notice_window.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/speed_dialog.h"
#include "ui/shot.h"

namespace quorvex {
namespace {

class OptionsTest : public ::testing::Test {
 protected:
  OptionsTest() {
    SetLibraryDirectory(QStringLiteral(QUORVEX_BIN_DIR));
    SetNoticeHook([this](const QString& line, const QString&, const QString&) {
      notices.push_back(line.toStdString());
    });
  }
  ~OptionsTest() override {
    SetNoticeHook(nullptr);
    SetLibraryDirectory(QString());
    SetCurrentLanguage(0);
    // A test that chose the new buttons leaves the classic ones for the windows after it.
    ApplyButtonStyle(nullptr, Settings{});
  }
  Settings settings;
  std::vector<std::string> notices;
};

TEST_F(OptionsTest, EveryControlWritesItsSettingAndTheFileKeepsIt) {
  TFormOptions dialog(settings);
  dialog.SetScreenSize(QSize(1920, 1200));
  std::vector<OptionsChange> applied;
  dialog.SetApply([&](OptionsChange change) { applied.push_back(change); });
  struct Case {
    const char* what;
    std::function<void()> act;
    std::function<bool(const Settings&)> holds;
  } const cases[] = {
      {"language", [&] { dialog.LanguageList()->setCurrentIndex(3); },
       [](const Settings& s) { return s.Language == 3; }},
      {"window size", [&] { dialog.SizeList()->setCurrentIndex(2); },
       [](const Settings& s) { return s.WindowSize == 3 && !s.SaveGamesAsGif; }},
      {"multiplayer", [&] { dialog.NetworkBox()->setChecked(true); },
       [](const Settings& s) { return s.NetworkGame; }},
      {"sound", [&] { dialog.SoundBox()->setChecked(false); },
       [](const Settings& s) { return !s.SoundOn; }},
      {"music", [&] { dialog.MusicBox()->setChecked(false); },
       [](const Settings& s) { return !s.MusicOn; }},
      {"gif animation", [&] { dialog.GifBox()->setChecked(false); },
       [](const Settings& s) { return !s.GifAnimation; }},
      {"flying cards", [&] { dialog.FlyBox()->setChecked(false); },
       [](const Settings& s) { return !s.FlyingCards; }},
      {"own cursor", [&] { dialog.CursorBox()->setChecked(false); },
       [](const Settings& s) { return !s.OwnCursor; }},
      {"new buttons", [&] { dialog.NewButtonsBox()->setChecked(true); },
       [](const Settings& s) { return s.NewButtons; }},
      {"card design", [&] { dialog.CardList()->setCurrentRow(20); },
       [](const Settings& s) { return s.CardFaceSet == 20; }},
      {"back design", [&] { dialog.BackList()->setCurrentRow(5); },
       [](const Settings& s) { return s.DeckSet == 5; }},
      {"always one back", [&] { dialog.DeckChange(1)->setChecked(true); },
       [](const Settings& s) { return s.DeckAlwaysOne; }},
      {"show cards", [&] { dialog.ShowCardsBox()->setChecked(false); },
       [](const Settings& s) { return !s.ShowCardsAtEnd; }},
      {"font scale of the second role",
       [&] {
         dialog.FontRoleList()->setCurrentIndex(1);
         dialog.FontScale()->setValue(130);
       },
       [](const Settings& s) { return s.FontScale[2] == 130 && s.FontScale[1] == 100; }},
      {"background", [&] { dialog.BackgroundList()->setCurrentRow(9); },
       [](const Settings& s) { return s.Background == 10; }},
      {"background colour", [&] { dialog.ColourList()->setCurrentRow(6); },
       [](const Settings& s) { return s.BackgroundColour == 6; }},
      {"radio list from disk", [&] { dialog.RadioSource(1)->setChecked(true); },
       [](const Settings& s) { return !s.RadioListServerFirst; }},
      {"grey concise design", [&] { dialog.AuxiliaryDesign()->setCurrentIndex(1); },
       [](const Settings& s) { return s.DialogStyle == 1 && !s.DialogPicture; }},
  };
  for (const Case& c : cases) {
    c.act();
    EXPECT_TRUE(c.holds(settings)) << c.what;
  }
  EXPECT_FALSE(applied.empty());
  // The file keeps every choice, and a dialog opened on what was read shows them again.
  QTemporaryDir dir;
  const std::filesystem::path file = std::filesystem::path(dir.path().toStdString()) / "Quorva.ini";
  ASSERT_TRUE(WriteSettingsFile(file, settings).ok);
  Settings read = ReadSettingsFile(file).settings;
  for (const Case& c : cases) EXPECT_TRUE(c.holds(read)) << "read back: " << c.what;
  TFormOptions again(read);
  EXPECT_EQ(again.CardList()->currentRow(), 20);
  EXPECT_EQ(again.BackgroundList()->currentRow(), 9);
  EXPECT_FALSE(again.MusicBox()->isChecked());
  EXPECT_TRUE(again.DeckChange(1)->isChecked());
}

TEST_F(OptionsTest, TheSizeListOffersWhatTheScreenHolds) {
  TFormOptions dialog(settings);
  dialog.SetScreenSize(QSize(1280, 1024));
  QStringList sizes;
  for (int i = 0; i < dialog.SizeList()->count(); ++i) sizes << dialog.SizeList()->itemText(i);
  EXPECT_EQ(sizes, (QStringList{QStringLiteral("Small window"), QStringLiteral("Full screen"),
                                QStringLiteral("Average window 1")}));
  // Recording is offered only in the small window.
  EXPECT_TRUE(dialog.SaveGifBox()->isEnabled());
  dialog.SizeList()->setCurrentIndex(2);
  EXPECT_FALSE(dialog.SaveGifBox()->isEnabled());
}

TEST_F(OptionsTest, RandomBacksTakeTheirOwnModification) {
  TFormOptions dialog(settings);
  dialog.BackList()->setCurrentRow(9);
  EXPECT_TRUE(dialog.DeckChange(2)->isChecked());
  EXPECT_FALSE(dialog.DeckChange(0)->isEnabled());
  EXPECT_FALSE(dialog.DeckChange(1)->isEnabled());
  dialog.BackList()->setCurrentRow(3);
  EXPECT_TRUE(dialog.DeckChange(0)->isChecked());
  EXPECT_FALSE(dialog.DeckChange(2)->isEnabled());
}

TEST_F(OptionsTest, DesignsFollowTheGraphicsLibrary) {
  {
    // The build makes the library: both purple designs leave no background to choose.
    TFormOptions dialog(settings);
    EXPECT_TRUE(dialog.SaluteButtons()->isEnabled());
    dialog.MenuDesign()->setCurrentIndex(1);
    dialog.TableDesign()->setCurrentIndex(1);
    EXPECT_EQ(settings.MenuDesign, 1);
    EXPECT_FALSE(dialog.BackgroundList()->isEnabled());
    EXPECT_FALSE(dialog.ColourList()->isEnabled());
  }
  // Without it the salute is off, and a purple choice returns every design to its first item.
  QTemporaryDir empty;
  SetLibraryDirectory(empty.path());
  settings = Settings{};
  TFormOptions dialog(settings);
  EXPECT_FALSE(dialog.SaluteButtons()->isEnabled());
  EXPECT_FALSE(dialog.SaluteButtons()->isChecked());
  dialog.AuxiliaryDesign()->setCurrentIndex(3);
  EXPECT_FALSE(settings.DialogPicture);
  EXPECT_EQ(dialog.AuxiliaryDesign()->currentIndex(), 0);
}

TEST_F(OptionsTest, NewButtonsRedrawTheDialogsOwnButtonsAtOnce) {
  TFormOptions dialog(settings);
  EXPECT_FALSE(dialog.OkButton()->Nata());
  std::vector<OptionsChange> changes;
  dialog.SetApply([&changes](OptionsChange change) { changes.push_back(change); });
  dialog.NewButtonsBox()->setChecked(true);
  EXPECT_TRUE(settings.NewButtons);
  EXPECT_TRUE(dialog.OkButton()->Nata());
  EXPECT_EQ(changes, std::vector<OptionsChange>{OptionsChange::Buttons});
  dialog.NewButtonsBox()->setChecked(false);
  EXPECT_FALSE(dialog.OkButton()->Nata());
  // Opened with the new style chosen, the dialog starts in it.
  settings.NewButtons = true;
  TFormOptions again(settings);
  EXPECT_TRUE(again.OkButton()->Nata());
}

TEST_F(OptionsTest, ACardDesignWithoutItsLibraryLeavesTheClassicCards) {
  QTemporaryDir empty;
  SetLibraryDirectory(empty.path());
  TFormOptions dialog(settings);
  // The program's loader reports the missing library and falls back.
  dialog.SetApply([this](OptionsChange change) {
    if (change != OptionsChange::Cards) return;
    CardImages images(settings);
    images.LoadCardFaces();
  });
  dialog.CardList()->setCurrentRow(12);
  EXPECT_EQ(settings.CardFaceSet, 0);
  EXPECT_EQ(dialog.CardList()->currentRow(), 0);
  ASSERT_FALSE(notices.empty());
  EXPECT_NE(notices[0].find("ZefCards06A.dll"), std::string::npos);
}

TEST_F(OptionsTest, TheSpeedDialogStoresAndPacesItsPreview) {
  TFormSpeed speed(settings);
  speed.Track()->setValue(6);
  EXPECT_EQ(settings.Speed, 6);
  EXPECT_EQ(speed.PreviewTimer().interval(), 25);
  speed.Track()->setValue(1);
  EXPECT_EQ(speed.PreviewTimer().interval(), 110);
}

TEST_F(OptionsTest, FourDesignsWithTheirHeights) {
  struct Case {
    int aux_index;  // the "Auxiliary Window Design" list
    int height;
    const char* shot;
  } const cases[] = {{0, 375, "options_aristocratic"},
                     {1, 360, "options_concise"},
                     {2, 410, "options_ribbons"},
                     {3, 400, "options_purple"}};
  TFormOptions dialog(settings);
  dialog.show();
  for (const Case& c : cases) {
    dialog.AuxiliaryDesign()->setCurrentIndex(c.aux_index);
    EXPECT_EQ(dialog.height(), c.height) << c.shot;
    testing::SaveShot(dialog.grab().toImage(), c.shot);
  }
  // The other windows follow the design too; the purple one turns its icon.
  TFormSpeed speed(settings);
  EXPECT_EQ(DesignOf(settings), DialogDesign::Purple);
  EXPECT_EQ(speed.OkButton()->Scheme(), ColorSB::DCards);
  EXPECT_TRUE(speed.Icon().Running());
  EXPECT_EQ(speed.Icon().Frames(), 12);
  settings.DialogPicture = false;
  TFormSpeed grey(settings);
  EXPECT_FALSE(grey.Icon().Running());
}

TEST_F(OptionsTest, EveryPageInRussianAndJapaneseIsLookedAt) {
  for (int language : {0, 1, 8}) {
    SetCurrentLanguage(language);
    TFormOptions dialog(settings);
    dialog.show();
    for (int page = 0; page < dialog.Pages()->count(); ++page) {
      dialog.Pages()->setCurrentIndex(page);
      testing::SaveShot(
          dialog.grab().toImage(),
          ("options_" + std::to_string(language) + "_" + std::to_string(page)).c_str());
    }
    EXPECT_FALSE(dialog.Pages()->tabText(0).isEmpty());
  }
}

}  // namespace
}  // namespace quorvex
