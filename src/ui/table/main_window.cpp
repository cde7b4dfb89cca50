#include "ui/table/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QToolTip>
#include <span>

#include "art/recolour.h"
#include "game/card_flight.h"
#include "game/hand_layout.h"
#include "game/platform.h"
#include "locale/lang_text.h"
#include "locale/languages.h"
#include "settings/settings.h"
#include "settings/window_scale.h"
#include "sound/effects.h"
#include "ui/art/button_style.h"
#include "ui/art/picture_helpers.h"
#include "ui/art/resource_library.h"
#include "ui/dialogs/about_window.h"
#include "ui/dialogs/bidding_dialog.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/modal_run.h"
#include "ui/dialogs/notice_window.h"
#include "ui/dialogs/speed_dialog.h"
#include "ui/media/gif_capture.h"
#include "ui/media/music_player.h"
#include "ui/media/sound_player.h"
#include "ui/menu/title_banner.h"
#include "ui/table/card_flight_animator.h"
#include "ui/table/edit_cursor.h"
#include "ui/table/table_geometry.h"
#include "ui/table/wait_banner.h"

namespace quorvex {

namespace {
QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str(), qsizetype(text.size()));
}

constexpr QRect kPlayButton{250, 300, 260, 40};
constexpr QRect kExitButton{250, 352, 260, 40};
constexpr QRect kOptionsButton{600, 24, 146, 34};
constexpr QRect kStatsButton{600, 64, 146, 28};

// A window cursor from the program's pictures, or the system's shape when it is missing.
QCursor OwnCursor(const char* name, QPoint hot, Qt::CursorShape fallback) {
  QImage picture;
  if (!LoadLibraryPicture(QString::fromLatin1(name), QString(), picture) || picture.isNull())
    return QCursor(fallback);
  return QCursor(QPixmap::fromImage(picture), hot.x(), hot.y());
}
}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint),
      table_painter_(cards_, layout_),
      title_painter_(cards_, layout_) {
  setWindowTitle(BaseTitle());
  setFixedSize(layout_.ClientSize());
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  BuildButtons();
  BuildPopupMenu();
  BuildChat();
  flights_ = std::make_unique<CardFlightAnimator>(this);
  gif_ = new GifCapture(this);
  wait_banner_ = new WaitBanner(this);
  edit_cursor_ = new EditCursor(this);
  PlaceWidgets();
  connect(&timer_, &QTimer::timeout, this, &MainWindow::OnMainTimer);
  clock_timer_.setInterval(1000);
  connect(&clock_timer_, &QTimer::timeout, this, [this] {
    if (controller_) controller_->OnClockTick();
  });
  // The title is animated by the same timer the game runs on.
  timer_.start(GameController::kMenuTimerMs);
  ShowTitleOrMenuWidgets();
  ApplyLanguage();
}

MainWindow::~MainWindow() {
  if (busy_) QApplication::restoreOverrideCursor();
  if (sound_) SetOpeningSound(nullptr);
}

void MainWindow::SetSound(SoundPlayer* sound, MusicPlayer* music) {
  sound_ = sound;
  music_ = music;
  if (sound_) {
    SetOpeningSound([this] { PlayEffect("WOpenFo"); });
  } else {
    SetOpeningSound(nullptr);
  }
}

void MainWindow::SetSettings(Settings* settings) {
  settings_ = settings;
  about_action_->setEnabled(settings_ != nullptr);
  if (settings_) ApplyDisplaySettings();
}

void MainWindow::ApplyDisplaySettings() {
  if (!settings_) return;
  // Size 2 fills the screen's free area less the window frame; a size the screen cannot show
  // falls back to the normal window.
  QSize available(kDesignWidth, kDesignHeight);
  if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
    const QSize frame = frameGeometry().size() - geometry().size();
    available = screen->availableGeometry().size() - frame;
  }
  int size = settings_->WindowSize;
  if (size < 1 || size > kWindowSizes ||
      (size != 2 && !WindowSizeOffered(size, available.width(), available.height())))
    size = 1;
  const WindowScale scale = WindowScaleFor(size, available.width(), available.height());
  cards_.Configure(*settings_, size, scale);
  layout_.Set(size, scale, cards_.CardSize(), cards_.Images().LayoutOffset());
  setFixedSize(layout_.ClientSize());
  PlaceWidgets();
  edit_cursor_->SetOwn(settings_->OwnCursor);
  if (settings_->OwnCursor) {
    LoadCursors();
  } else {
    arrow_cursor_ = QCursor(Qt::ArrowCursor);
    hand_cursor_ = QCursor(Qt::PointingHandCursor);
    wait_cursor_ = QCursor(Qt::WaitCursor);
  }
  setCursor(arrow_cursor_);
  // The card-style buttons of the window and of the windows it holds, in the chosen style.
  ApplyButtonStyle(this, *settings_);
  table_painter_.Reload(*settings_);
  RefreshMenuBanners();
  // Hands were laid out for the old card size.
  for (int seat = 1; seat <= 2; ++seat)
    model_.hands[seat].lefts = HandLefts(seat, int(model_.hands[seat].cards.size()));
  update();
}

void MainWindow::RefreshMenuBanners() {
  if (!settings_) return;
  const QRect title = layout_.Place(TitlePainter::kTitleBannerRect);
  const QRect club = layout_.Place(TitlePainter::kClubBannerRect);
  const std::string_view code = LanguageOf(CurrentLanguage()).picture_code;
  QImage club_banner;
  LoadLibraryPicture((settings_->NetworkGame ? QStringLiteral("Net__") : QStringLiteral("Elite")) +
                         QString::fromLatin1(code.data(), qsizetype(code.size())),
                     QString(), club_banner);
  if (!club_banner.isNull()) {
    if (settings_->CaptionColour != 1) Recolour(club_banner, kRedArt, settings_->CaptionColour);
    ResizePng(club_banner, club.width(), club.height());
  }
  Settings shown = *settings_;
  shown.Language = CurrentLanguage();
  title_painter_.SetMenuBanners(TitleBanner(shown, title.width(), title.height()), club_banner);
  if (screen_ == Screen::Menu) update();
}

void MainWindow::LoadCursors() {
  arrow_cursor_ = OwnCursor("CURARROW", QPoint(1, 1), Qt::ArrowCursor);
  hand_cursor_ = OwnCursor("CURHAND", QPoint(10, 1), Qt::PointingHandCursor);
  wait_cursor_ = OwnCursor("CURWAIT", QPoint(16, 16), Qt::WaitCursor);
}

void MainWindow::PlaceWidgets() {
  main_button_->setGeometry(layout_.MainButton());
  end_button_->setGeometry(layout_.EndButton());
  review_button_->setGeometry(layout_.Place(table::kReviewButton));
  play_button_->setGeometry(layout_.Place(kPlayButton));
  exit_button_->setGeometry(layout_.Place(kExitButton));
  options_button_->setGeometry(layout_.Place(kOptionsButton));
  stats_button_->setGeometry(layout_.Place(kStatsButton));
  for (const MenuWidget& item : menu_widgets_) item.widget->setGeometry(layout_.Place(item.place));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(layout_.Size(14));
  for (QPushButton* button :
       {static_cast<QPushButton*>(main_button_), static_cast<QPushButton*>(end_button_),
        static_cast<QPushButton*>(review_button_)})
    button->setFont(font);
  font.setPixelSize(layout_.Size(17));
  play_button_->setFont(font);
  exit_button_->setFont(font);
  font.setPixelSize(layout_.Size(15));
  options_button_->setFont(font);
  font.setPixelSize(layout_.Size(12));
  stats_button_->setFont(font);
  // The chat line and its send button under the chat history, the button at its right end.
  const QRect history = layout_.ChatHistory();
  const int below = history.bottom() + 1 + layout_.Size(3);
  chat_edit_->setGeometry(history.left(), below, history.width() - layout_.Size(36),
                          layout_.Size(24));
  send_button_->setGeometry(history.right() + 1 - layout_.Size(35), below, layout_.Size(35),
                            layout_.Size(35));
  QFont chat_font = chat_edit_->font();
  chat_font.setPixelSize(layout_.Size(13));
  chat_edit_->setFont(chat_font);
  chat_font.setBold(true);
  chat_font.setPixelSize(layout_.Size(18));
  send_button_->setFont(chat_font);
  if (club_menu_ && rescale_club_menu_) rescale_club_menu_(layout_.Scale().size.Value());
  if (club_menu_)
    club_menu_->move((width() - club_menu_->width()) / 2,
                     layout_.Place(kExitButton).top() - layout_.Size(8) - club_menu_->height());
}

QString MainWindow::BaseTitle() {
  return Qs(Text(Tx::ProductTitle));
}

void MainWindow::ChooseLanguage(int language) {
  SetCurrentLanguage(language);
  if (settings_) settings_->Language = CurrentLanguage();
  ApplyLanguage();
}

void MainWindow::ApplyLanguage() {
  setWindowTitle(forecast_mode_ ? BaseTitle() + forecast_suffix_ : BaseTitle());
  play_button_->setText(Qs(Text(Tx::PlayAgainstComputer)));
  exit_button_->setText(Qs(Text(Tx::Exit)));
  main_button_->setText(Shown(main_caption_));
  end_button_->setText(Shown(end_caption_));
  review_button_->setText(Shown(review_caption_));
  score_action_->setText(Qs(Text(Tx::GeneralScore)));
  exit_action_->setText(Qs(Text(Tx::ExitToMenu)));
  rename_action_->setText(Qs(Text(Tx::ChangeName)));
  speed_action_->setText(Qs(Text(Tx::Speed)));
  help_action_->setText(Qs(Text(Tx::Help)));
  radio_action_->setText(Qs(Text(Tx::Radio)));
  chat_action_->setText(Qs(Text(Tx::Chat)));
  about_action_->setText(Qs(Text(Tx::About)));
  if (!model_.wait_text.empty())
    model_.wait_text = Retranslate(wait_text_.text, wait_text_.language, CurrentLanguage());
  options_button_->setText(Qs(Text(Tx::Options)));
  stats_button_->setText(Qs(Text(Tx::Statistics)));
  if (bidding_) bidding_->ApplyLanguage();
  if (club_menu_) {
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(club_menu_, &change);
  }
  for (const MenuWidget& item : menu_widgets_) {
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(item.widget, &change);
  }
  RefreshMenuBanners();
  // The table's labels, the menu's header and footer are painted from the tables.
  update();
}

QString MainWindow::Shown(const MadeCaption& caption) const {
  return Qs(Retranslate(caption.text, caption.language, CurrentLanguage()));
}

void MainWindow::Remember(MadeCaption& caption, const std::string& text) {
  if (text != caption.text) caption = {text, CurrentLanguage()};
}

TFormTorg* MainWindow::BiddingDialog() const {
  return bidding_;
}

void MainWindow::SetClubMenu(QWidget* menu, std::function<void(double)> rescale) {
  club_menu_ = menu;
  rescale_club_menu_ = std::move(rescale);
  menu->setParent(this);
  PlaceWidgets();
  ShowTitleOrMenuWidgets();
}

void MainWindow::SetPlayer(const SessionPlayer& player) {
  player_ = player;
  update();
}

void MainWindow::BuildButtons() {
  auto make = [this](ColorSB scheme) {
    auto* button = new TZefCardsButton(this);
    button->SetScheme(scheme);
    button->SetLightFont(true);
    button->SetGrayDis(true);
    button->hide();
    return button;
  };
  main_button_ = make(ColorSB::DGreen);
  Remember(end_caption_, Text(Tx::ExitToMenu));
  end_button_ = make(ColorSB::DRed);
  review_button_ = make(ColorSB::DNavy);
  Remember(review_caption_, Text(Tx::ReviewButton));
  connect(review_button_, &QPushButton::clicked, this, [this] {
    if (open_review_) open_review_();
  });
  connect(main_button_, &QPushButton::clicked, this, [this] {
    if (controller_) controller_->OnMainButton();
  });
  connect(end_button_, &QPushButton::clicked, this, [this] {
    if (controller_) controller_->OnEndButton();
  });
  main_button_->installEventFilter(this);

  // The menu offers the game against the computer until the club list arrives.
  play_button_ = make(ColorSB::DGreen);
  exit_button_ = make(ColorSB::DRed);
  for (TZefCardsButton* button : {play_button_, exit_button_}) button->SetHeight(HeightSB::D45);
  connect(play_button_, &QPushButton::clicked, this, &MainWindow::StartGame);
  connect(exit_button_, &QPushButton::clicked, this, &QWidget::close);
  options_button_ = make(ColorSB::DNavy);
  connect(options_button_, &QPushButton::clicked, this, [this] {
    if (open_options_) open_options_();
  });
  stats_button_ = make(ColorSB::DViolet);
  connect(stats_button_, &QPushButton::clicked, this, [this] {
    if (open_stats_) open_stats_();
  });
}

void MainWindow::BuildPopupMenu() {
  popup_ = new QMenu(this);
  connect(popup_, &QMenu::aboutToShow, this, [this] { PlayEffect("WOpenFo"); });
  score_action_ = popup_->addAction(QString());
  score_action_->setEnabled(false);  // only during a session
  exit_action_ = popup_->addAction(QString());
  exit_action_->setEnabled(false);
  connect(exit_action_, &QAction::triggered, this, [this] {
    if (controller_) controller_->ExitToMenu();
  });
  rename_action_ = popup_->addAction(QString());
  rename_action_->setEnabled(false);  // only during a session
  connect(rename_action_, &QAction::triggered, this, [this] {
    if (rename_) rename_();
  });
  // The pace of the flying cards, 1 slowest .. 6 fastest, in a dialog of its own.
  speed_action_ = popup_->addAction(QString());
  connect(speed_action_, &QAction::triggered, this, [this] {
    if (!settings_) return;
    TFormSpeed speed(*settings_, this);
    RunModal(speed);
  });
  radio_action_ = popup_->addAction(QString());
  radio_action_->setEnabled(false);
  connect(radio_action_, &QAction::triggered, this, [this] {
    if (open_radio_) open_radio_();
  });
  chat_action_ = popup_->addAction(QString());
  connect(chat_action_, &QAction::triggered, this, [this] {
    if (open_chat_) open_chat_();
  });
  help_action_ = popup_->addAction(QString());
  connect(help_action_, &QAction::triggered, this, [this] { ShowHelp(this); });
  about_action_ = popup_->addAction(QString());
  connect(about_action_, &QAction::triggered, this, [this] { ShowAbout(*settings_, this); });
  about_action_->setEnabled(false);
}

void MainWindow::SetRadioOpener(std::function<void()> open) {
  open_radio_ = std::move(open);
  radio_action_->setEnabled(bool(open_radio_));
}

QRect MainWindow::HandDirtyRect(int seat) const {
  // A hand's cards reach from the zone's ends; an overlapping row starts at the zone's left.
  return table::WithShadow(layout_.Hand(seat))
      .adjusted(-layout_.Card().width(), 0, layout_.Card().width(), 0);
}

void MainWindow::BuildChat() {
  chat_edit_ = new QLineEdit(this);
  chat_edit_->setMaxLength(15);
  chat_edit_->hide();
  send_button_ = new TZefCardsButton(QStringLiteral("»"), this);
  send_button_->SetScheme(ColorSB::DNavy);
  send_button_->SetLightFont(true);
  send_button_->setFocusPolicy(Qt::StrongFocus);
  send_button_->hide();
  send_button_->installEventFilter(this);
  connect(send_button_, &QPushButton::clicked, this, &MainWindow::SendChatLine);
  connect(chat_edit_, &QLineEdit::returnPressed, this, &MainWindow::SendChatLine);
}

void MainWindow::SendChatLine() {
  const QString line = chat_edit_->text().trimmed();
  if (line.isEmpty()) return;
  chat_edit_->clear();
  if (chat_sender_) chat_sender_(line.toStdString());
}

void MainWindow::ShowChat(bool shown) {
  chat_shown_ = shown;
  model_.chat.shown = shown;
  SetChatEnabled(true);
  ShowTitleOrMenuWidgets();
  Dirty(layout_.ChatHistory());
}

void MainWindow::SetChatEnabled(bool enabled) {
  chat_edit_->setEnabled(enabled);
  send_button_->setEnabled(enabled);
}

void MainWindow::AddChatLine(int sender, const std::string& text) {
  model_.chat.Add(sender, text);
  Dirty(layout_.ChatHistory());
}

void MainWindow::ClearChat() {
  model_.chat.Clear();
  Dirty(layout_.ChatHistory());
}

void MainWindow::AddMenuWidget(QWidget* widget, QRect design_place, std::function<bool()> wanted) {
  widget->setParent(this);
  widget->setGeometry(layout_.Place(design_place));
  widget->setVisible(screen_ == Screen::Menu && (!wanted || wanted()));
  menu_widgets_.push_back({widget, design_place, std::move(wanted)});
}

void MainWindow::StartGame() {
  if (!controller_) return;
  controller_->StartSession(TableRole::SinglePlayer, player_, std::string());
}

void MainWindow::ShowTitleOrMenuWidgets() {
  const bool menu = screen_ == Screen::Menu;
  play_button_->setVisible(menu && !club_menu_);
  if (club_menu_) club_menu_->setVisible(menu);
  exit_button_->setVisible(menu);
  options_button_->setVisible(menu);
  stats_button_->setVisible(menu);
  for (const MenuWidget& item : menu_widgets_)
    item.widget->setVisible(menu && (!item.wanted || item.wanted()));
  const bool chat = screen_ == Screen::Table && chat_shown_;
  chat_edit_->setVisible(chat);
  send_button_->setVisible(chat);
  if (screen_ != Screen::Table) {
    main_button_->hide();
    end_button_->hide();
    review_button_->hide();
  }
}

void MainWindow::Dirty(const QRect& rect) {
  update(rect);
}

// --- Input ---

int MainWindow::LowerCardAt(QPoint pos) const {
  const QRect zone = layout_.Hand(2);
  if (pos.y() < zone.top() || pos.y() > zone.bottom()) return 0;
  const HandModel& hand = model_.hands[2];
  return CardUnderPointer(hand.lefts, hand.cards, layout_.Card().width(), pos.x());
}

bool MainWindow::OverHandsOrCentre(QPoint pos) const {
  return layout_.Hand(1).contains(pos) || layout_.Hand(2).contains(pos) ||
         layout_.Centre().contains(pos);
}

void MainWindow::UpdateCursor(QPoint pos) {
  bool over_playable = false;
  if (screen_ == Screen::Table && controller_) {
    const int index = LowerCardAt(pos);
    over_playable = index > 0 && controller_->CanPlayLowerCard(index);
  }
  const QCursor& wanted = over_playable ? hand_cursor_ : arrow_cursor_;
  if (cursor().shape() != wanted.shape() ||
      cursor().pixmap().cacheKey() != wanted.pixmap().cacheKey())
    setCursor(wanted);
}

void MainWindow::ShowWaitBanner(bool shown) {
  if (shown) {
    wait_banner_->ShowNow();
  } else {
    wait_banner_->hide();
  }
}

bool MainWindow::WaitBannerShown() const {
  return wait_banner_->isVisible();
}

void MainWindow::OnMainTimer() {
  if (screen_ == Screen::Title || screen_ == Screen::Menu) {
    ++frame_;
    update(title_painter_.AnimatedArea(screen_));
  }
  if (controller_) controller_->OnTimerTick();
  if (screen_ == Screen::Table && underMouse()) UpdateCursor(mapFromGlobal(QCursor::pos()));
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
  if (screen_ == Screen::Title) {
    ShowScreen(Screen::Menu);
    return;
  }
  // A click on the title banner tries the next caption colour.
  if (screen_ == Screen::Menu && settings_ && event->button() == Qt::LeftButton &&
      layout_.Place(TitlePainter::kTitleBannerRect).contains(event->position().toPoint())) {
    settings_->CaptionColour = settings_->CaptionColour % 7 + 1;
    RefreshMenuBanners();
    return;
  }
  QWidget::mousePressEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (screen_ == Screen::Menu && event->button() == Qt::RightButton) {
    popup_->popup(mapToGlobal(pos));
    return;
  }
  if (screen_ != Screen::Table || !controller_) return;
  if (event->button() == Qt::LeftButton) {
    const int index = LowerCardAt(pos);
    if (index > 0) controller_->OnLowerHandClick(index);
    UpdateCursor(pos);
  } else if (event->button() == Qt::RightButton && !OverHandsOrCentre(pos)) {
    // Over the cards the right button is kept for speaking a card's name.
    popup_->popup(mapToGlobal(pos));
  } else if (event->button() == Qt::RightButton && sound_) {
    const TCard card = SpokenCardAt(pos);
    if (!card.Empty()) sound_->SpeakCard(card, false);
  }
}

TCard MainWindow::SpokenCardAt(QPoint pos) const {
  if (const int index = LowerCardAt(pos); index > 0)
    return model_.hands[2].cards[size_t(index) - 1];
  const HandModel& upper = model_.hands[1];
  if (upper.face_up && layout_.Hand(1).contains(pos)) {
    const int index = CardUnderPointer(upper.lefts, upper.cards, layout_.Card().width(), pos.x());
    if (index > 0) return upper.cards[size_t(index) - 1];
  }
  // The lower seat's card lies over the upper seat's.
  for (int seat = 2; seat >= 1; --seat)
    if (!model_.trick[seat].Empty() && layout_.TrickCard(seat).contains(pos))
      return model_.trick[seat];
  return kEmptyCard;
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
  UpdateCursor(event->position().toPoint());
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (screen_ == Screen::Title) {
    ShowScreen(Screen::Menu);
    return;
  }
  QWidget::keyPressEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // What is typed on the focused send button may be the code that shows the upper hand.
  if (watched == send_button_) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) reveal_code_.Clear();
    if (event->type() == QEvent::KeyPress) {
      const QString typed = static_cast<QKeyEvent*>(event)->text();
      if (!typed.isEmpty() && reveal_code_.Feed(typed.toStdString()) && controller_)
        controller_->ToggleUpperReveal();
    }
  }
  if (watched == main_button_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_F10) {
    if (controller_) controller_->ToggleForecastMode();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (controller_ && !controller_->OnCloseRequest()) {
    event->ignore();
    return;
  }
  FinishRecording(false);
  event->accept();
}

QString MainWindow::ToolTipAt(QPoint pos) const {
  if (screen_ != Screen::Table) return {};
  if (model_.deal.shown && layout_.DealPanel().contains(pos)) return Qs(model_.deal.hint);
  for (int seat = 1; seat <= 2; ++seat) {
    const QRect panel = layout_.Panel(seat);
    if (!model_.panels[seat].shown || !panel.contains(pos)) continue;
    const QPoint local = pos - panel.topLeft();
    if (local.y() < 38) return Qs(Text(Tx::PointsOfRound));
    if (local.y() > 40 && local.x() >= 46 && local.x() <= 94) return Qs(Text(Tx::Numbers));
  }
  return {};
}

bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = ToolTipAt(help->pos());
    if (tip.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      // Hints stay five seconds.
      QToolTip::showText(help->globalPos(), tip, this, QRect(), 5000);
    }
    return true;
  }
  return QWidget::event(event);
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (centred_) return;
  centred_ = true;
  // The full-screen size leaves room for the window frame, known only now.
  if (settings_ && layout_.WindowSize() == 2) ApplyDisplaySettings();
  if (QScreen* screen = this->screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (screen_ == Screen::Table) {
    table_painter_.PaintFelt(painter, event->rect());
  } else {
    table_painter_.PaintMenuFelt(painter, event->rect());
  }
  if (screen_ == Screen::Table) {
    table_painter_.PaintTable(painter, model_);
    return;
  }
  // The table is gone and the menu not back yet: only its background.
  if (screen_ == Screen::Closing) return;
  // The club list names the players itself.
  const QString footer = screen_ == Screen::Title ? Qs(Text(Tx::ClickOrPressKey))
                         : club_menu_             ? QString()
                                                  : Qs(Text(Tx::PlayingAs))
                                            .arg(Qs(player_.name).trimmed())
                                            .arg(player_.deals)
                                            .arg(player_.score);
  title_painter_.Paint(painter, screen_, frame_, footer, !club_menu_);
}

}  // namespace quorvex
