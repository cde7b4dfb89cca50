// The options dialog: nine pages through which the player edits the settings. Every control
// writes its setting at once and has it applied at once through the program's hook; there is
// no Cancel. The settings file is written when the program ends.
#pragma once

#include <QDialog>
#include <QSize>
#include <functional>

#include "settings/settings.h"
#include "ui/dialogs/dialog_design.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFontComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace quorvex {

class DesignIcon;

class TZefCardsButton;

// What a control changed, for the program to apply.
enum class OptionsChange {
  Language,    // captions everywhere
  WindowSize,  // the window laid out again, cards reloaded at the new size
  Network,     // the club list from the other club file, the menu's banner
  Music,       // the menu song started or stopped
  Cards,       // faces, backs, background, fonts, cursors: the window drawn again
  Buttons,     // the card-style buttons redrawn in the chosen style
  Game,        // the controller's options
  Radio,       // the station list read again
};

// The resource files the dialog offers to download, in the order of its buttons.
inline constexpr const char* kDownloadFiles[] = {
    "ZefCards06A.dll", "ZefCards06B.dll", "ZefCards06C.dll", "ZefBackG03.dll", "ZefCalendar01.dll",
    "ZefRadio.rad",    "ZefRadio02.dll",  "ZefCVoice3.dll",  "ZefCGraph1.dll"};

class TFormOptions : public QDialog {
  Q_OBJECT

 public:
  TFormOptions(Settings& settings, QWidget* parent = nullptr);
  ~TFormOptions() override;

  // Applies a change; the program's windows, loaders and players.
  void SetApply(std::function<void(OptionsChange)> apply) { apply_ = std::move(apply); }
  // Downloads a resource file into the folder above the program's; true when it arrived whole.
  void SetDownload(std::function<bool(const QString&)> download) {
    download_ = std::move(download);
  }
  // Opens the passport window.
  void SetPassport(std::function<void()> passport) { passport_ = std::move(passport); }
  // The screen the window sizes must fit; the dialog's own screen unless a test gives one.
  void SetScreenSize(QSize size);
  // The music was on when the run began: the first notice of the music box is not acted on.
  void SetMusicOnAtStart(bool on) { swallow_music_ = on; }

  // Re-captions the whole dialog in the current language.
  void ApplyLanguage();
  // Whether a file is in the program's folder or the one above it.
  static bool ResourceFilePresent(const QString& file);

  QTabWidget* Pages() const { return pages_; }
  QComboBox* LanguageList() const { return language_; }
  QComboBox* SizeList() const { return size_; }
  QCheckBox* NetworkBox() const { return network_; }
  QCheckBox* SoundBox() const { return sound_; }
  QCheckBox* MusicBox() const { return music_; }
  QCheckBox* GifBox() const { return gif_animation_; }
  QCheckBox* FlyBox() const { return fly_; }
  QCheckBox* CursorBox() const { return cursor_; }
  QCheckBox* NewButtonsBox() const { return new_buttons_; }
  QPushButton* SpeedButton() const { return speed_; }
  QListWidget* CardList() const { return card_list_; }
  QListWidget* BackList() const { return back_list_; }
  QRadioButton* DeckChange(int index) const { return deck_change_[index]; }
  QCheckBox* ShowCardsBox() const { return show_cards_; }
  QComboBox* FontRoleList() const { return font_role_; }
  QFontComboBox* FontList() const { return font_; }
  QSpinBox* FontScale() const { return font_scale_; }
  QPushButton* DefaultFonts() const { return default_fonts_; }
  QListWidget* BackgroundList() const { return background_; }
  QListWidget* ColourList() const { return colour_; }
  QCheckBox* SaveGifBox() const { return save_gif_; }
  QRadioButton* CaptureArea(int index) const { return capture_[index]; }
  QSpinBox* FrameDelay() const { return frame_delay_; }
  QPushButton* DownloadButton(int index) const { return downloads_[index]; }
  QRadioButton* RadioSource(int index) const { return radio_[index]; }
  QComboBox* MenuDesign() const { return menu_design_; }
  QComboBox* TableDesign() const { return table_design_; }
  QComboBox* AuxiliaryDesign() const { return aux_design_; }
  QCheckBox* SaluteButtons() const { return salute_buttons_; }
  QCheckBox* SaluteCards() const { return salute_cards_; }
  TZefCardsButton* OkButton() const { return ok_; }
  // The preview of the chosen card design at the small size.
  QImage CardPreview() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget* BuildGeneral();
  QWidget* BuildCards();
  QWidget* BuildDecks();
  QWidget* BuildGame();
  QWidget* BuildFonts();
  QWidget* BuildBackground();
  QWidget* BuildSaveGames();
  QWidget* BuildDll();
  QWidget* BuildDesign();
  // Every control from the settings, without acting on it.
  void LoadControls();
  void LoadSizes();
  void LoadDeckChange();
  void LoadFontRole();
  void UpdateEnabling();
  void UpdatePreview();
  void UpdateDownloads();
  void Apply(OptionsChange change);
  void Download(int index);
  void ChooseDesign(int which, int index);
  // Height, header and colours of the chosen auxiliary window design.
  void Redesign();

  Settings& settings_;
  DesignIcon* icon_ = nullptr;
  DialogDesign design_ = DialogDesign::Aristocratic;  // as Redesign found it
  std::function<void(OptionsChange)> apply_;
  std::function<bool(const QString&)> download_;
  std::function<void()> passport_;
  QSize screen_;
  bool swallow_music_ = false;
  bool loading_ = false;

  QTabWidget* pages_ = nullptr;
  QLabel* preview_ = nullptr;
  QComboBox* language_ = nullptr;
  QComboBox* size_ = nullptr;
  QCheckBox* network_ = nullptr;
  QGroupBox* multimedia_ = nullptr;
  QCheckBox* sound_ = nullptr;
  QCheckBox* music_ = nullptr;
  QCheckBox* gif_animation_ = nullptr;
  QCheckBox* fly_ = nullptr;
  QCheckBox* cursor_ = nullptr;
  QCheckBox* new_buttons_ = nullptr;
  QPushButton* speed_ = nullptr;
  QPushButton* passport_button_ = nullptr;
  QListWidget* card_list_ = nullptr;
  QListWidget* back_list_ = nullptr;
  QGroupBox* modification_ = nullptr;
  QRadioButton* deck_change_[3] = {};
  QGroupBox* minor_ = nullptr;
  QCheckBox* show_cards_ = nullptr;
  QComboBox* font_role_ = nullptr;
  QFontComboBox* font_ = nullptr;
  QLabel* scale_label_ = nullptr;
  QSpinBox* font_scale_ = nullptr;
  QPushButton* default_fonts_ = nullptr;
  QGroupBox* background_box_ = nullptr;
  QListWidget* background_ = nullptr;
  QListWidget* colour_ = nullptr;
  QCheckBox* save_gif_ = nullptr;
  QRadioButton* capture_[2] = {};
  QLabel* delay_label_ = nullptr;
  QSpinBox* frame_delay_ = nullptr;
  QPushButton* downloads_[9] = {};
  QGroupBox* radio_box_ = nullptr;
  QRadioButton* radio_[2] = {};
  QLabel* menu_design_label_ = nullptr;
  QLabel* table_design_label_ = nullptr;
  QLabel* aux_design_label_ = nullptr;
  QComboBox* menu_design_ = nullptr;
  QComboBox* table_design_ = nullptr;
  QComboBox* aux_design_ = nullptr;
  QGroupBox* salute_ = nullptr;
  QCheckBox* salute_buttons_ = nullptr;
  QCheckBox* salute_cards_ = nullptr;
  TZefCardsButton* ok_ = nullptr;
};

}  // namespace quorvex
