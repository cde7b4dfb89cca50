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

Q_LOGGING_CATEGORY(lcSound, "quorvex.sound")

namespace quorvex {

namespace {
QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str(), qsizetype(text.size()));
}

constexpr QRect kPlayButton{250, 300, 260, 40};
constexpr QRect kExitButton{250, 352, 260, 40};
constexpr QRect kOptionsButton{600, 24, 146, 34};
constexpr QRect kStatsButton{600, 64, 146, 28};

void ApplyPanelNumber(std::optional<int32_t>& slot, int32_t value) {
  if (value == kPanelKeep) return;
  if (value == kPanelErase) {
    slot.reset();
  } else {
    slot = value;
  }
}

// Cards overhang their rectangles by their cell frame and shadow.
QRect WithShadow(const QRect& r) {
  return r.adjusted(-2, -2, 4, 4);
}

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
  play_button_->setGeometry(layout_.Place(kPlayButton));
  exit_button_->setGeometry(layout_.Place(kExitButton));
  options_button_->setGeometry(layout_.Place(kOptionsButton));
  stats_button_->setGeometry(layout_.Place(kStatsButton));
  for (const MenuWidget& item : menu_widgets_) item.widget->setGeometry(layout_.Place(item.place));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(layout_.Size(14));
  for (QPushButton* button :
       {static_cast<QPushButton*>(main_button_), static_cast<QPushButton*>(end_button_)})
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
  score_action_->setText(Qs(Text(Tx::GeneralScore)));
  exit_action_->setText(Qs(Text(Tx::ExitToMenu)));
  rename_action_->setText(Qs(Text(Tx::ChangeName)));
  speed_action_->setText(Qs(Text(Tx::Speed)));
  help_action_->setText(Qs(Text(Tx::Help)));
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

QRect MainWindow::HandDirtyRect(int seat) const {
  // A hand's cards reach from the zone's ends; an overlapping row starts at the zone's left.
  return WithShadow(layout_.Hand(seat))
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
  }
}

void MainWindow::Dirty(const QRect& rect) {
  update(rect);
}

// --- TableView ---

void MainWindow::ShowScreen(Screen screen) {
  // Leaving the table keeps what was recorded of the deal so far.
  if (screen != Screen::Table) FinishRecording(false);
  screen_ = screen;
  if (screen != Screen::Table) {
    model_ = TableModel{};
    chat_shown_ = false;
  }
  exit_action_->setEnabled(screen == Screen::Table);
  score_action_->setEnabled(screen == Screen::Table);
  rename_action_->setEnabled(screen == Screen::Table && rename_);
  ShowTitleOrMenuWidgets();
  if (screen != Screen::Table) setCursor(arrow_cursor_);
  if (music_) music_->SetMenuShown(screen == Screen::Menu);
  update();
}

void MainWindow::DrawHand(const TDealState& state, int seat, bool face_up) {
  if (seat < 1 || seat > 2) return;
  HandModel& hand = model_.hands[seat];
  const int n = std::min<int>(state.HandCount[seat], kHandSlots);
  hand.cards.assign(state.Hand[seat].begin() + 1, state.Hand[seat].begin() + 1 + n);
  hand.lefts = HandLefts(seat, n);
  hand.face_up = face_up;
  if (seat == 1) model_.wait_text.clear();
  Dirty(HandDirtyRect(seat));
}

void MainWindow::DrawNamePlate(int seat, const NamePlate& plate) {
  if (seat < 1 || seat > 2) return;
  model_.plates[seat] = plate;
  model_.plate_shown[seat] = true;
  Dirty(layout_.Plate(seat));
}

void MainWindow::DrawTrickPanel(int seat, const TrickPanel& panel) {
  if (seat < 1 || seat > 2) return;
  PanelModel& shown = model_.panels[seat];
  shown.shown = true;
  ApplyPanelNumber(shown.score, panel.score);
  ApplyPanelNumber(shown.second, panel.second);
  ApplyPanelNumber(shown.tricks, panel.tricks);
  shown.vulnerable = panel.vulnerable;
  Dirty(WithShadow(layout_.Panel(seat)));
}

void MainWindow::DrawDealPanel(int deal_count, const TDealState* contract,
                               const std::string& hint) {
  DealPanelModel& deal = model_.deal;
  deal.shown = true;
  deal.deal_count = deal_count;
  deal.has_contract = contract != nullptr && contract->TricksNeeded >= 7;
  if (deal.has_contract) {
    deal.level = contract->TricksNeeded - 6;
    deal.trump = contract->Trump;
    deal.doubling = contract->Doubling;
  }
  deal.hint = hint;
  Dirty(WithShadow(layout_.DealPanel()));
}

void MainWindow::DrawStock(int cards_left) {
  model_.stock = cards_left;
  Dirty(WithShadow(layout_.Stock()));
}

void MainWindow::ClearTableCentre(int seat) {
  if (seat == 0) {
    model_.trick[1] = model_.trick[2] = kEmptyCard;
    model_.result.reset();
  } else if (seat == 1 || seat == 2) {
    model_.trick[seat] = kEmptyCard;
  }
  Dirty(WithShadow(layout_.Centre())
            .united(WithShadow(layout_.TrickCard(1)))
            .united(WithShadow(layout_.TrickCard(2))));
}

void MainWindow::DrawTrickCard(int seat, const TCard& card) {
  if (seat < 1 || seat > 2) return;
  model_.trick[seat] = card;
  Dirty(WithShadow(layout_.TrickCard(seat)));
}

void MainWindow::ShowResult(const DealScore& score) {
  model_.result = score;
  Dirty(WithShadow(layout_.Centre()));
}

std::vector<int> MainWindow::HandLefts(int seat, int n) const {
  const QRect zone = layout_.Hand(seat);
  return HandCardLefts(n, zone.left(), zone.left() + zone.width(), layout_.Card().width());
}

QPoint MainWindow::FlightCorner(const FlightEnd& end) const {
  const int seat = end.seat == 1 ? 1 : 2;
  const QRect zone = layout_.Hand(seat);
  const QSize card = layout_.Card();
  const int middle = zone.left() + zone.width() / 2 - card.width() / 2;
  switch (end.place) {
    case FlightPlace::HandCard: {
      const std::vector<int> lefts = HandLefts(seat, end.hand_count);
      if (end.slot >= 1 && end.slot <= int(lefts.size()))
        return QPoint(lefts[size_t(end.slot) - 1], zone.top());
      return QPoint(middle, zone.top());
    }
    case FlightPlace::HandMiddle:
      return QPoint(middle, zone.top());
    case FlightPlace::TrickSpot:
      return layout_.TrickCard(seat).topLeft();
    case FlightPlace::Stock:
      return QPoint(layout_.Stock().left() + layout_.Size(12), layout_.Stock().top());
    case FlightPlace::OffTable:
      return QPoint(middle, seat == 1 ? -card.height() : height());
  }
  return QPoint(middle, zone.top());
}

void MainWindow::SetFlightSleeper(FlightSleeper* sleeper) {
  flights_->SetSleeper(sleeper);
}

void MainWindow::FlyCard(const FlightEnd& from, const FlightEnd& to, const TCard& card) {
  if (!settings_ || !settings_->FlyingCards || !isVisible()) return;
  // The card is drawn in its cell, one pixel up and left of the face.
  const QPoint cell(1, 1);
  const bool stays = to.place == FlightPlace::TrickSpot;
  flights_->Fly(FlightCorner(from) - cell, FlightCorner(to) - cell, cards_.FlightPicture(card),
                settings_->Speed, !stays);
}

void MainWindow::ChooseDealBack() {
  SystemRandom random;
  cards_.ChooseBack(random);
}

void MainWindow::BeginDealRecording() {
  // Deals are recorded only in the normal window; choosing another size switches it off.
  if (!settings_ || !settings_->SaveGamesAsGif || layout_.WindowSize() != 1) return;
  gif_->Start(settings_->GifCaptureArea == 2 ? GifArea::Screen : GifArea::Window,
              settings_->GifFrameDelay);
}

void MainWindow::EndDealRecording() {
  FinishRecording(true);
}

void MainWindow::FinishRecording(bool final_capture) {
  if (!gif_->Running()) return;
  const QString folder = recording_folder_.isEmpty() ? DefaultRecordingFolder() : recording_folder_;
  const GifCapture::Result result = gif_->Finish(final_capture, folder, CivilTimeNow());
  if (!result.saved && !result.error.isEmpty())
    ShowNotice(result.error, QString(), QString(), this);
}

void MainWindow::ShowWaitText(const std::string& text) {
  wait_text_ = {text, CurrentLanguage()};
  model_.wait_text = text;
  Dirty(layout_.Hand(1));
}

void MainWindow::DrawMoveClock(int seat, int seconds) {
  if (seat < 1 || seat > 2) return;
  model_.clocks[seat] = seconds < 0 ? std::nullopt : std::optional<int>(seconds);
  // The seconds are wider than the clock's picture: their whole width is drawn again.
  const QRect clock = table_painter_.ClockRect(seat);
  Dirty(clock.adjusted(-clock.width(), 0, clock.width(), 0));
}

void MainWindow::SetClockTimer(bool running) {
  if (running) {
    if (!clock_timer_.isActive()) clock_timer_.start();
  } else {
    clock_timer_.stop();
  }
}

void MainWindow::Inform(const std::string& text) {
  QString message = Qs(text);
  message.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  QMessageBox box(QMessageBox::Information, BaseTitle(), message, QMessageBox::Ok, this);
  RunModal(box);
}

void MainWindow::SetMainButton(const ButtonState& state) {
  Remember(main_caption_, state.caption);
  main_button_->setText(Shown(main_caption_));
  main_button_->setEnabled(state.enabled);
  main_button_->setVisible(state.visible && screen_ == Screen::Table);
}

void MainWindow::SetEndButton(const ButtonState& state) {
  Remember(end_caption_, state.caption);
  end_button_->setText(Shown(end_caption_));
  end_button_->setEnabled(state.enabled);
  end_button_->setVisible(state.visible && screen_ == Screen::Table);
}

void MainWindow::SetMainTimer(int interval_ms, bool running) {
  timer_.setInterval(interval_ms);
  if (running) {
    timer_.start();
  } else {
    timer_.stop();
  }
}

void MainWindow::OpenBidding() {
  if (!controller_) return;
  if (bidding_) {
    bidding_->raise();
    return;
  }
  bidding_ = new TFormTorg(*controller_, this, settings_, &cards_.Images());
  bidding_->setAttribute(Qt::WA_DeleteOnClose);
  // The left column is North's, whichever seat that is here.
  const NamePlate& north = model_.plates[model_.plates[1].north ? 1 : 2];
  const NamePlate& south = model_.plates[model_.plates[1].north ? 2 : 1];
  bidding_->SetNames(Qs(north.name), Qs(south.name));
  // Over the middle of the table, clear of the player's own hand; in the larger windows the
  // table centre has room for it.
  const QPoint origin = mapToGlobal(QPoint(0, 0));
  const int top =
      layout_.WindowSize() == 1 ? 76 : layout_.Centre().center().y() - TFormTorg::kHeight / 2;
  bidding_->move(origin + QPoint((width() - TFormTorg::kWidth) / 2, top));
  bidding_->show();
}

void MainWindow::UpdateBidding(const AuctionTable& table, const BiddingButtons& buttons) {
  if (bidding_) bidding_->Refresh(table, buttons);
}

void MainWindow::CloseBidding() {
  if (!bidding_) return;
  TFormTorg* dialog = bidding_;
  bidding_ = nullptr;
  dialog->CloseAllowed();
}

void MainWindow::PlayEffect(const std::string& name) {
  qCDebug(lcSound).noquote() << "effect" << Qs(name);
  if (sound_) sound_->PlayEffect(name, EffectWaits(name));
}

bool MainWindow::AskYesNo(const std::string& text) {
  if (ask_handler_) return ask_handler_(text);
  // The question waits in a loop of its own; the computer must not move meanwhile.
  const bool was_running = timer_.isActive();
  timer_.stop();
  QString message = Qs(text);
  message.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  QMessageBox box(QMessageBox::Question, BaseTitle(), message, QMessageBox::Yes | QMessageBox::No,
                  this);
  box.setDefaultButton(QMessageBox::No);
  const int answer = RunModal(box);
  if (was_running) timer_.start();
  return answer == QMessageBox::Yes;
}

void MainWindow::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(wait_cursor_);
  } else {
    QApplication::restoreOverrideCursor();
    model_.progress = -1;
    Dirty(layout_.ProgressBar());
  }
}

void MainWindow::SetForecastMode(bool on) {
  forecast_mode_ = on;
  forecast_suffix_ = on ? QString::fromUtf8(" Прогноз") : QString();
  setWindowTitle(BaseTitle() + forecast_suffix_);
}

void MainWindow::ShowForecastLine(const std::string& line) {
  if (!forecast_mode_) return;
  forecast_suffix_ = Qs(line);
  setWindowTitle(BaseTitle() + forecast_suffix_);
}

void MainWindow::DrawForecastProgress(int percent) {
  model_.progress = percent;
  // The search that reports this holds the thread, so the bar is painted at once.
  repaint(layout_.ProgressBar());
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
