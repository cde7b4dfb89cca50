// The nine pages of the options dialog: their controls and what each one changes.
#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "art/back_names.h"
#include "art/card_names.h"
#include "locale/lang_text.h"
#include "locale/languages.h"
#include "ui/dialogs/modal_run.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/speed_dialog.h"

namespace quorvex {
namespace {

constexpr const char* kDefaultFonts[kFontRoles + 1] = {"", "Comic Sans MS", "Comic Sans MS",
                                                       "FixedSys", "Courier New"};

QListWidget* List(QWidget* parent, int items) {
  auto* list = new QListWidget(parent);
  for (int i = 0; i < items; ++i) list->addItem(QString());
  return list;
}

}  // namespace

QWidget* TFormOptions::BuildGeneral() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  language_ = new QComboBox(page);
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::string_view name = LanguageOf(language).list_text;
    language_->addItem(QString::fromUtf8(name.data(), qsizetype(name.size())));
  }
  connect(language_, &QComboBox::currentIndexChanged, this, [this](int language) {
    if (loading_ || language < 0) return;
    settings_.Language = language;
    SetCurrentLanguage(language);
    ApplyLanguage();
    Apply(OptionsChange::Language);
  });
  size_ = new QComboBox(page);
  connect(size_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (loading_ || index < 0) return;
    ChooseWindowSize(settings_, size_->itemData(index).toInt());
    Apply(OptionsChange::WindowSize);
  });
  network_ = new QCheckBox(page);
  connect(network_, &QCheckBox::toggled, this, [this](bool on) {
    if (loading_) return;
    settings_.NetworkGame = on;
    Apply(OptionsChange::Network);
  });
  grid->addWidget(language_, 0, 0);
  grid->addWidget(size_, 0, 1);
  grid->addWidget(network_, 1, 0);

  multimedia_ = new QGroupBox(page);
  auto* media = new QGridLayout(multimedia_);
  auto box = [this](bool Settings::*field, OptionsChange change) {
    auto* check = new QCheckBox(multimedia_);
    connect(check, &QCheckBox::toggled, this, [this, field, change](bool on) {
      if (loading_) return;
      settings_.*field = on;
      Apply(change);
    });
    return check;
  };
  sound_ = box(&Settings::SoundOn, OptionsChange::Cards);
  music_ = new QCheckBox(multimedia_);
  connect(music_, &QCheckBox::toggled, this, [this](bool on) {
    if (loading_) return;
    settings_.MusicOn = on;
    // The music that was on at start plays already: its first notice changes nothing.
    if (swallow_music_) {
      swallow_music_ = false;
      if (on) return;
    }
    Apply(OptionsChange::Music);
  });
  gif_animation_ = box(&Settings::GifAnimation, OptionsChange::Cards);
  fly_ = box(&Settings::FlyingCards, OptionsChange::Cards);
  cursor_ = box(&Settings::OwnCursor, OptionsChange::Cards);
  new_buttons_ = box(&Settings::NewButtons, OptionsChange::Buttons);
  speed_ = new QPushButton(multimedia_);
  connect(speed_, &QPushButton::clicked, this, [this] {
    TFormSpeed speed(settings_, this);
    RunModal(speed);
    LoadControls();
  });
  passport_button_ = new QPushButton(multimedia_);
  connect(passport_button_, &QPushButton::clicked, this, [this] {
    if (passport_) passport_();
  });
  QWidget* const cells[] = {sound_, music_, gif_animation_, fly_, cursor_, new_buttons_};
  for (int i = 0; i < 6; ++i) media->addWidget(cells[i], i % 3, i / 3);
  media->addWidget(speed_, 3, 0);
  media->addWidget(passport_button_, 3, 1);
  grid->addWidget(multimedia_, 2, 0, 1, 2);
  grid->setRowStretch(3, 1);
  return page;
}

QWidget* TFormOptions::BuildCards() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  card_list_ = List(page, kFaceDesigns);
  connect(card_list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (loading_ || row < 0) return;
    settings_.CardFaceSet = row;
    Apply(OptionsChange::Cards);
  });
  preview_ = new QLabel(page);
  preview_->setFixedSize(189 + 71, 96);
  grid->addWidget(card_list_, 0, 0, 4, 1);
  grid->addWidget(preview_, 0, 1);
  auto* row = new QHBoxLayout;
  for (int i = 0; i < 3; ++i) {
    downloads_[i] = new QPushButton(QStringLiteral("06") + QChar('A' + i), page);
    connect(downloads_[i], &QPushButton::clicked, this, [this, i] { Download(i); });
    row->addWidget(downloads_[i]);
  }
  grid->addLayout(row, 1, 1);
  grid->setRowStretch(2, 1);
  return page;
}

QWidget* TFormOptions::BuildDecks() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  back_list_ = List(page, kBackDesigns);
  connect(back_list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (loading_ || row < 0) return;
    settings_.DeckSet = row;
    // Backs 8..11 come at random; the others by the day or always the same.
    if (row >= 8 && row <= 11) settings_.DeckAlwaysOne = false;
    Apply(OptionsChange::Cards);
  });
  modification_ = new QGroupBox(page);
  auto* column = new QVBoxLayout(modification_);
  for (int i = 0; i < 3; ++i) {
    deck_change_[i] = new QRadioButton(modification_);
    column->addWidget(deck_change_[i]);
    connect(deck_change_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (loading_ || !on || i == 2) return;
      settings_.DeckAlwaysOne = i == 1;
      Apply(OptionsChange::Cards);
    });
  }
  grid->addWidget(back_list_, 0, 0, 2, 1);
  grid->addWidget(modification_, 0, 1);
  grid->setRowStretch(1, 1);
  return page;
}

QWidget* TFormOptions::BuildGame() {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  minor_ = new QGroupBox(page);
  auto* inner = new QVBoxLayout(minor_);
  show_cards_ = new QCheckBox(minor_);
  inner->addWidget(show_cards_);
  connect(show_cards_, &QCheckBox::toggled, this, [this](bool on) {
    if (loading_) return;
    settings_.ShowCardsAtEnd = on;
    Apply(OptionsChange::Game);
  });
  column->addWidget(minor_);
  column->addStretch(1);
  return page;
}

QWidget* TFormOptions::BuildFonts() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  font_role_ = new QComboBox(page);
  for (int i = 0; i < kFontRoles; ++i) font_role_->addItem(QString());
  connect(font_role_, &QComboBox::currentIndexChanged, this, [this] { LoadFontRole(); });
  font_ = new QFontComboBox(page);
  connect(font_, &QFontComboBox::currentFontChanged, this, [this](const QFont& font) {
    if (loading_) return;
    settings_.FontName[size_t(font_role_->currentIndex() + 1)] = font.family().toStdString();
    Apply(OptionsChange::Cards);
  });
  scale_label_ = new QLabel(page);
  font_scale_ = new QSpinBox(page);
  font_scale_->setRange(50, 150);
  connect(font_scale_, &QSpinBox::valueChanged, this, [this](int percent) {
    if (loading_ || percent < 50 || percent > 150) return;
    settings_.FontScale[size_t(font_role_->currentIndex() + 1)] = percent;
    Apply(OptionsChange::Cards);
  });
  default_fonts_ = new QPushButton(page);
  connect(default_fonts_, &QPushButton::clicked, this, [this] {
    for (int role = 1; role <= kFontRoles; ++role) {
      settings_.FontName[size_t(role)] = kDefaultFonts[role];
      settings_.FontScale[size_t(role)] = 100;
    }
    Apply(OptionsChange::Cards);
  });
  grid->addWidget(font_role_, 0, 0, 1, 2);
  grid->addWidget(font_, 1, 0, 1, 2);
  grid->addWidget(scale_label_, 2, 0);
  grid->addWidget(font_scale_, 2, 1);
  grid->addWidget(default_fonts_, 3, 0);
  grid->setRowStretch(4, 1);
  return page;
}

QWidget* TFormOptions::BuildBackground() {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  background_box_ = new QGroupBox(page);
  auto* row = new QHBoxLayout(background_box_);
  background_ = List(background_box_, 10);
  colour_ = List(background_box_, 7);
  row->addWidget(background_);
  row->addWidget(colour_);
  connect(background_, &QListWidget::currentRowChanged, this, [this](int index) {
    if (loading_ || index < 0) return;
    settings_.Background = index + 1;
    Apply(OptionsChange::Cards);
  });
  connect(colour_, &QListWidget::currentRowChanged, this, [this](int index) {
    if (loading_ || index < 0) return;
    settings_.BackgroundColour = index;
    Apply(OptionsChange::Cards);
  });
  column->addWidget(background_box_);
  return page;
}

QWidget* TFormOptions::BuildSaveGames() {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  save_gif_ = new QCheckBox(page);
  connect(save_gif_, &QCheckBox::toggled, this, [this](bool on) {
    if (loading_) return;
    settings_.SaveGamesAsGif = on;
    UpdateEnabling();
  });
  column->addWidget(save_gif_);
  for (int i = 0; i < 2; ++i) {
    capture_[i] = new QRadioButton(page);
    connect(capture_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (!loading_ && on) settings_.GifCaptureArea = i + 1;
    });
    column->addWidget(capture_[i]);
  }
  delay_label_ = new QLabel(page);
  frame_delay_ = new QSpinBox(page);
  frame_delay_->setRange(10, 5000);
  connect(frame_delay_, &QSpinBox::valueChanged, this, [this](int ms) {
    if (!loading_ && ms >= 10 && ms <= 5000) settings_.GifFrameDelay = ms;
  });
  column->addWidget(delay_label_);
  column->addWidget(frame_delay_);
  column->addStretch(1);
  return page;
}

QWidget* TFormOptions::BuildDll() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  for (int i = 3; i < 9; ++i) {
    QString label = QString::fromLatin1(kDownloadFiles[i]);
    if (label.endsWith(QStringLiteral(".dll"))) label.chop(4);
    downloads_[i] = new QPushButton(label, page);
    connect(downloads_[i], &QPushButton::clicked, this, [this, i] { Download(i); });
    grid->addWidget(downloads_[i], (i - 3) / 2, (i - 3) % 2);
  }
  radio_box_ = new QGroupBox(page);
  auto* column = new QVBoxLayout(radio_box_);
  for (int i = 0; i < 2; ++i) {
    radio_[i] = new QRadioButton(radio_box_);
    column->addWidget(radio_[i]);
    connect(radio_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (loading_ || !on) return;
      settings_.RadioListServerFirst = i == 0;
      Apply(OptionsChange::Radio);
    });
  }
  grid->addWidget(radio_box_, 3, 0, 1, 2);
  grid->setRowStretch(4, 1);
  return page;
}

QWidget* TFormOptions::BuildDesign() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  menu_design_label_ = new QLabel(page);
  table_design_label_ = new QLabel(page);
  aux_design_label_ = new QLabel(page);
  menu_design_ = new QComboBox(page);
  table_design_ = new QComboBox(page);
  aux_design_ = new QComboBox(page);
  for (QComboBox* list : {menu_design_, table_design_})
    for (int i = 0; i < 2; ++i) list->addItem(QString());
  for (int i = 0; i < 4; ++i) aux_design_->addItem(QString());
  int which = 0;
  for (QComboBox* list : {menu_design_, table_design_, aux_design_}) {
    connect(list, &QComboBox::currentIndexChanged, this, [this, which](int index) {
      if (!loading_ && index >= 0) ChooseDesign(which, index);
    });
    ++which;
  }
  salute_ = new QGroupBox(page);
  auto* row = new QHBoxLayout(salute_);
  salute_buttons_ = new QCheckBox(salute_);
  salute_cards_ = new QCheckBox(salute_);
  row->addWidget(salute_buttons_);
  row->addWidget(salute_cards_);
  connect(salute_buttons_, &QCheckBox::toggled, this, [this](bool on) {
    if (!loading_) settings_.ClickEffectButtons = on;
  });
  connect(salute_cards_, &QCheckBox::toggled, this, [this](bool on) {
    if (!loading_) settings_.ClickEffectCards = on;
  });
  grid->addWidget(menu_design_label_, 0, 0);
  grid->addWidget(menu_design_, 0, 1);
  grid->addWidget(table_design_label_, 1, 0);
  grid->addWidget(table_design_, 1, 1);
  grid->addWidget(aux_design_label_, 2, 0);
  grid->addWidget(aux_design_, 2, 1);
  grid->addWidget(salute_, 3, 0, 1, 2);
  grid->setRowStretch(4, 1);
  return page;
}

}  // namespace quorvex
