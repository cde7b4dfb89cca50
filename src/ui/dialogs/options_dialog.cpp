#include "ui/dialogs/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <algorithm>

#include "art/library_rules.h"
#include "locale/lang_text.h"
#include "locale/languages.h"
#include "settings/window_scale.h"
#include "ui/art/button_style.h"
#include "ui/art/card_images.h"
#include "ui/art/resource_library.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/design_icon.h"
#include "ui/dialogs/dialog_design.h"
#include "ui/dialogs/modal_run.h"
#include "ui/dialogs/speed_dialog.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

// The page shown when the dialog was last closed, for this run only.
int& RememberedPage() {
  static int page = 0;
  return page;
}

}  // namespace

TFormOptions::TFormOptions(Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    screen_ = screen->availableGeometry().size();
  pages_ = new QTabWidget(this);
  pages_->addTab(BuildGeneral(), QString());
  pages_->addTab(BuildCards(), QString());
  pages_->addTab(BuildDecks(), QString());
  pages_->addTab(BuildGame(), QString());
  pages_->addTab(BuildFonts(), QString());
  pages_->addTab(BuildBackground(), QString());
  pages_->addTab(BuildSaveGames(), QString());
  pages_->addTab(BuildDll(), QString());
  pages_->addTab(BuildDesign(), QString());
  ok_ = new TZefCardsButton(this);
  ok_->SetScheme(ColorSB::DGreen);
  ok_->SetLightFont(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  icon_ = new DesignIcon(QStringLiteral("GIcon48Opt"), QPoint(35, 22), this);
  Redesign();
  LoadControls();
  ApplyLanguage();
  pages_->setCurrentIndex(std::clamp(RememberedPage(), 0, pages_->count() - 1));
}

TFormOptions::~TFormOptions() {
  RememberedPage() = pages_->currentIndex();
}

void TFormOptions::SetScreenSize(QSize size) {
  screen_ = size;
  LoadSizes();
}

void TFormOptions::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  UpdatePreview();
}

void TFormOptions::Redesign() {
  // Each design has its own height; the pages stand under its header, "Ok" at the bottom.
  design_ = DesignOf(settings_);
  const DialogDesign design = design_;
  const int height = design == DialogDesign::Concise   ? 360
                     : design == DialogDesign::Ribbons ? 410
                     : design == DialogDesign::Purple  ? 400
                                                       : 375;
  setFixedSize(500, height);
  const int top = design == DialogDesign::Purple ? 120 : DialogHeaderHeight(design) + 4;
  const int ok_top = design == DialogDesign::Purple ? 355 : height - 40;
  pages_->setGeometry(8, top, 484, ok_top - top - 6);
  ok_->setGeometry((500 - 110) / 2, ok_top, 110, 30);
  ok_->SetScheme(ColorSB::DGreen);
  ApplyDialogDesign(*this, settings_);
  ApplyButtonStyle(this, settings_);
  // The pages keep the system's colours, so that their controls read in every design.
  QPalette plain = QGuiApplication::palette();
  for (const QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Base,
                                         QPalette::Text, QPalette::Button, QPalette::ButtonText})
    plain.setColor(role, plain.color(role));  // set, so that the dialog's colours stop here
  pages_->setPalette(plain);
  icon_->SetRunning(design == DialogDesign::Purple);
  update();
}

void TFormOptions::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  PaintDialogHeader(painter, width(), height(), windowTitle(), settings_, design_);
  PaintLanguageFlag(painter, width(), design_);
  icon_->Paint(painter);
}

void TFormOptions::Apply(OptionsChange change) {
  if (loading_) return;
  if (change == OptionsChange::Buttons) ApplyButtonStyle(this, settings_);
  if (apply_) apply_(change);
  // A loader that fell back changed the settings: the lists show what is in force.
  LoadControls();
}

bool TFormOptions::ResourceFilePresent(const QString& file) {
  const QString dir = LibraryDirectory().isEmpty() ? QDir::currentPath() : LibraryDirectory();
  return QFileInfo::exists(QDir(dir).filePath(file)) ||
         QFileInfo::exists(QDir(dir).filePath(QStringLiteral("../") + file));
}

void TFormOptions::LoadSizes() {
  const bool was = loading_;
  loading_ = true;
  size_->clear();
  for (int size = 1; size <= kWindowSizes; ++size) {
    if (size > 2 && !WindowSizeOffered(size, screen_.width(), screen_.height())) continue;
    size_->addItem(Qs(Text(Tx::WindowSizes, size - 1)), size);
  }
  size_->setCurrentIndex(std::max(0, size_->findData(settings_.WindowSize)));
  loading_ = was;
}

void TFormOptions::LoadDeckChange() {
  const bool random_backs = settings_.DeckSet >= 8 && settings_.DeckSet <= 11;
  deck_change_[0]->setEnabled(!random_backs);
  deck_change_[1]->setEnabled(!random_backs);
  deck_change_[2]->setEnabled(random_backs);
  const int chosen = random_backs ? 2 : settings_.DeckAlwaysOne ? 1 : 0;
  deck_change_[chosen]->setChecked(true);
}

void TFormOptions::LoadFontRole() {
  const int role = font_role_->currentIndex() + 1;
  const bool was = loading_;
  loading_ = true;
  font_->setCurrentFont(QFont(QString::fromStdString(settings_.FontName[size_t(role)])));
  font_scale_->setValue(settings_.FontScale[size_t(role)]);
  loading_ = was;
}

void TFormOptions::LoadControls() {
  const bool was = loading_;
  loading_ = true;
  language_->setCurrentIndex(CurrentLanguage());
  LoadSizes();
  network_->setChecked(settings_.NetworkGame);
  sound_->setChecked(settings_.SoundOn);
  music_->setChecked(settings_.MusicOn);
  gif_animation_->setChecked(settings_.GifAnimation);
  fly_->setChecked(settings_.FlyingCards);
  cursor_->setChecked(settings_.OwnCursor);
  new_buttons_->setChecked(settings_.NewButtons);
  speed_->setText(Qs(Text(Tx::Speed)) + QStringLiteral(" = ") + QString::number(settings_.Speed));
  card_list_->setCurrentRow(settings_.CardFaceSet);
  back_list_->setCurrentRow(settings_.DeckSet);
  LoadDeckChange();
  show_cards_->setChecked(settings_.ShowCardsAtEnd);
  LoadFontRole();
  background_->setCurrentRow(settings_.Background - 1);
  colour_->setCurrentRow(settings_.BackgroundColour);
  save_gif_->setChecked(settings_.SaveGamesAsGif);
  capture_[settings_.GifCaptureArea == 2 ? 1 : 0]->setChecked(true);
  frame_delay_->setValue(settings_.GifFrameDelay);
  radio_[settings_.RadioListServerFirst ? 0 : 1]->setChecked(true);
  menu_design_->setCurrentIndex(settings_.MenuDesign);
  table_design_->setCurrentIndex(settings_.TableDesign);
  aux_design_->setCurrentIndex(settings_.DialogPicture      ? 3
                               : settings_.DialogStyle == 1 ? 1
                               : settings_.DialogStyle == 3 ? 2
                                                            : 0);
  const bool graphics = ResourceFilePresent(QStringLiteral("ZefCGraph1.dll"));
  salute_->setEnabled(graphics);
  salute_buttons_->setChecked(graphics && settings_.ClickEffectButtons);
  salute_cards_->setChecked(graphics && settings_.ClickEffectCards);
  loading_ = was;
  UpdateEnabling();
  UpdateDownloads();
  UpdatePreview();
}

void TFormOptions::UpdateEnabling() {
  // Games are recorded only in the small window.
  save_gif_->setEnabled(settings_.WindowSize == 1);
  const bool recording = settings_.WindowSize == 1 && settings_.SaveGamesAsGif;
  for (QRadioButton* area : capture_) area->setEnabled(recording);
  frame_delay_->setEnabled(recording);
  // The purple designs bring their own background.
  const bool purple = settings_.MenuDesign == 1 && settings_.TableDesign == 1;
  background_->setEnabled(!purple);
  colour_->setEnabled(!purple && settings_.Background != 0);
}

void TFormOptions::UpdateDownloads() {
  for (int i = 0; i < 9; ++i) {
    const bool missing = !ResourceFilePresent(QString::fromLatin1(kDownloadFiles[i]));
    downloads_[i]->setEnabled(missing);
  }
}

void TFormOptions::Download(int index) {
  const QString file = QString::fromLatin1(kDownloadFiles[index]);
  const bool ok = download_ && download_(file);
  (void)ok;
  UpdateDownloads();
  Apply(OptionsChange::Radio);
}

QImage TFormOptions::CardPreview() const {
  // Always at the small size: J of hearts, Q of diamonds, K of clubs, A of spades.
  Settings shown = settings_;
  CardImages images(shown);
  images.SetWindow(1, WindowScaleFor(1, 0, 0));
  images.LoadCardFaces();
  QImage preview(189 + 71, 96, QImage::Format_ARGB32_Premultiplied);
  preview.fill(Qt::transparent);
  QPainter p(&preview);
  const TCard cards[] = {{RankByte(10), kHearts},
                         {RankByte(11), kDiamonds},
                         {RankByte(12), kClubs},
                         {RankByte(13), kSpades}};
  for (int i = 0; i < 4; ++i) images.DrawCard(i * 63, 0, cards[i], p);
  return preview;
}

void TFormOptions::UpdatePreview() {
  if (preview_ && isVisible()) preview_->setPixmap(QPixmap::fromImage(CardPreview()));
}

void TFormOptions::ChooseDesign(int which, int index) {
  const bool graphics = ResourceFilePresent(QStringLiteral("ZefCGraph1.dll"));
  const bool purple = (which == 0 || which == 1) ? index == 1 : index == 3;
  if (purple && !graphics) {
    // Every purple design needs the graphics library: all three return to their first item.
    settings_.MenuDesign = settings_.TableDesign = 0;
    settings_.DialogPicture = false;
    settings_.DialogStyle = 2;
    Apply(OptionsChange::Cards);
    Redesign();
    return;
  }
  if (which == 0) settings_.MenuDesign = index;
  if (which == 1) settings_.TableDesign = index;
  if (which == 2) {
    settings_.DialogPicture = index == 3;
    if (index < 3) settings_.DialogStyle = index == 0 ? 2 : index == 1 ? 1 : 3;
  }
  Apply(OptionsChange::Cards);
  Redesign();
}

void TFormOptions::ApplyLanguage() {
  setWindowTitle(Qs(Text(Tx::Options)));
  for (int page = 0; page < pages_->count(); ++page)
    pages_->setTabText(page, Qs(Text(Tx::OptionsPages, page)));
  ok_->setText(Qs(Text(Tx::Ok)));
  network_->setText(Qs(Text(Tx::Multiplayer)));
  multimedia_->setTitle(Qs(Text(Tx::Multimedia)));
  sound_->setText(Qs(Text(Tx::Sound)));
  music_->setText(Qs(Text(Tx::Music)));
  gif_animation_->setText(Qs(Text(Tx::GifAnimation)));
  fly_->setText(Qs(Text(Tx::FlyCards)));
  cursor_->setText(Qs(Text(Tx::RedMouseCursor)));
  new_buttons_->setText(Qs(Text(Tx::NewButtons)));
  speed_->setText(Qs(Text(Tx::Speed)) + QStringLiteral(" = ") + QString::number(settings_.Speed));
  passport_button_->setText(Qs(Text(Tx::Passport)));
  for (int i = 0; i < card_list_->count(); ++i)
    card_list_->item(i)->setText(Qs(Text(Tx::CardDesigns, i)));
  for (int i = 0; i < back_list_->count(); ++i)
    back_list_->item(i)->setText(Qs(Text(Tx::BackDesigns, i)));
  modification_->setTitle(Qs(Text(Tx::Modification)));
  for (int i = 0; i < 3; ++i) deck_change_[i]->setText(Qs(Text(Tx::DeckChange, i)));
  minor_->setTitle(Qs(Text(Tx::Minor)));
  show_cards_->setText(Qs(Text(Tx::ShowCardsAtEnd)));
  for (int i = 0; i < font_role_->count(); ++i)
    font_role_->setItemText(i, Qs(Text(Tx::FontRoles, std::min(i, 2))) +
                                   (i >= 2 ? QStringLiteral(" %1").arg(i - 1) : QString()));
  scale_label_->setText(Qs(Text(Tx::ScalePercent)));
  default_fonts_->setText(Qs(Text(Tx::Default)));
  background_box_->setTitle(Qs(Text(Tx::Background)));
  for (int i = 0; i < background_->count(); ++i)
    background_->item(i)->setText(Qs(Text(Tx::Backgrounds, i)));
  for (int i = 0; i < colour_->count(); ++i)
    colour_->item(i)->setText(Qs(Text(Tx::BackgroundColours, i)));
  save_gif_->setText(Qs(Text(Tx::SaveGamesAsGif)));
  for (int i = 0; i < 2; ++i) capture_[i]->setText(Qs(Text(Tx::GifCaptureAreas, i)));
  delay_label_->setText(Qs(Text(Tx::DelayBetweenFrames)));
  for (int i = 0; i < 9; ++i)
    downloads_[i]->setToolTip(Qs(Text(Tx::Download)) + QStringLiteral(": ") +
                              QString::fromLatin1(kDownloadFiles[i]));
  radio_box_->setTitle(Qs(Text(Tx::RadioListSource)));
  for (int i = 0; i < 2; ++i) radio_[i]->setText(Qs(Text(Tx::RadioListSource, i + 1)));
  menu_design_label_->setText(Qs(Text(Tx::MainMenuDesign)));
  table_design_label_->setText(Qs(Text(Tx::GameTableDesign)));
  aux_design_label_->setText(Qs(Text(Tx::AuxiliaryWindowDesign)));
  for (QComboBox* list : {menu_design_, table_design_})
    for (int i = 0; i < 2; ++i) list->setItemText(i, Qs(Text(Tx::DesignChoices, i)));
  for (int i = 0; i < 4; ++i) aux_design_->setItemText(i, Qs(Text(Tx::AuxiliaryDesigns, i)));
  salute_->setTitle(Qs(Text(Tx::Salute)));
  salute_buttons_->setText(Qs(Text(Tx::SaluteTargets, 0)));
  salute_cards_->setText(Qs(Text(Tx::SaluteTargets, 1)));
  const bool was = loading_;
  loading_ = true;
  LoadSizes();
  loading_ = was;
  update();
}

}  // namespace quorvex
