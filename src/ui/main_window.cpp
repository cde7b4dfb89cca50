#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHelpEvent>
#include <QKeyEvent>
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

#include "game/hand_layout.h"
#include "locale/lang_text.h"
#include "locale/languages.h"
#include "settings/settings.h"
#include "sound/effects.h"
#include "ui/bidding_dialog.h"
#include "ui/music_player.h"
#include "ui/sound_player.h"
#include "ui/table_geometry.h"

Q_LOGGING_CATEGORY(lcSound, "quorvex.sound")

namespace quorvex {

namespace {
QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str(), qsizetype(text.size()));
}

// Buttons on the felt: brass with dark lettering, greyed out while they may not be pressed.
const char* const kButtonStyle = R"(
QPushButton {
  color: #3a2400; font: bold 13px "DejaVu Sans";
  border: 1px solid #6b4b0c; border-radius: 7px; padding: 2px 4px;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fcebad, stop:0.5 #efc65c, stop:1 #c8921e);
}
QPushButton:hover {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff3c8, stop:0.5 #f6d47a, stop:1 #d8a332);
}
QPushButton:pressed {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #c8921e, stop:1 #efc65c);
}
QPushButton:focus { border: 2px solid #fff6d0; }
QPushButton:disabled {
  color: #6f7468; border: 1px solid #4c5a4c;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #c9d0c2, stop:1 #9aa596);
}
)";

constexpr QRect kPlayButton{250, 300, 260, 40};
constexpr QRect kExitButton{250, 352, 260, 40};
// Until the options dialog exists the menu offers the language list itself.
constexpr QRect kLanguageChooser{616, 12, 132, 26};

void ApplyPanelNumber(std::optional<int32_t>& slot, int32_t value) {
  if (value == kPanelKeep) return;
  if (value == kPanelErase) {
    slot.reset();
  } else {
    slot = value;
  }
}

// Cards overhang their rectangles by their shadow.
QRect WithShadow(const QRect& r) {
  return r.adjusted(-2, -2, 4, 4);
}
}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint),
      table_painter_(cards_, layout_),
      title_painter_(cards_, layout_) {
  setWindowTitle(BaseTitle());
  setFixedSize(table::kClientSize);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  BuildButtons();
  BuildPopupMenu();
  BuildLanguageChooser();
  connect(&timer_, &QTimer::timeout, this, &MainWindow::OnMainTimer);
  // The title is animated by the same timer the game runs on.
  timer_.start(GameController::kMenuTimerMs);
  ShowTitleOrMenuWidgets();
  ApplyLanguage();
}

MainWindow::~MainWindow() {
  if (busy_) QApplication::restoreOverrideCursor();
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
  if (!model_.wait_text.empty())
    model_.wait_text = Retranslate(wait_text_.text, wait_text_.language, CurrentLanguage());
  {
    const QSignalBlocker quiet(language_box_);
    language_box_->setCurrentIndex(CurrentLanguage());
  }
  language_box_->setToolTip(Qs(Text(Tx::Language)));
  if (bidding_) bidding_->ApplyLanguage();
  if (club_menu_) {
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(club_menu_, &change);
  }
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

void MainWindow::SetClubMenu(QWidget* menu) {
  club_menu_ = menu;
  menu->setParent(this);
  menu->move((width() - menu->width()) / 2, kExitButton.top() - 8 - menu->height());
  ShowTitleOrMenuWidgets();
}

void MainWindow::SetPlayer(const SessionPlayer& player) {
  player_ = player;
  update();
}

void MainWindow::BuildButtons() {
  auto make = [this](const QRect& rect, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setGeometry(rect);
    button->setStyleSheet(QString::fromLatin1(kButtonStyle));
    button->setCursor(Qt::PointingHandCursor);
    button->hide();
    return button;
  };
  main_button_ = make(table::kMainButton, QString());
  Remember(end_caption_, Text(Tx::ExitToMenu));
  end_button_ = make(table::kEndButton, QString());
  connect(main_button_, &QPushButton::clicked, this, [this] {
    if (controller_) controller_->OnMainButton();
  });
  connect(end_button_, &QPushButton::clicked, this, [this] {
    if (controller_) controller_->OnEndButton();
  });
  main_button_->installEventFilter(this);

  // The menu offers the game against the computer until the club list arrives.
  play_button_ = make(kPlayButton, QString());
  exit_button_ = make(kExitButton, QString());
  connect(play_button_, &QPushButton::clicked, this, &MainWindow::StartGame);
  connect(exit_button_, &QPushButton::clicked, this, &QWidget::close);
}

void MainWindow::BuildPopupMenu() {
  popup_ = new QMenu(this);
  score_action_ = popup_->addAction(QString());
  score_action_->setEnabled(false);  // only during a session
  exit_action_ = popup_->addAction(QString());
  exit_action_->setEnabled(false);
  connect(exit_action_, &QAction::triggered, this, [this] {
    if (controller_) controller_->ExitToMenu();
  });
}

void MainWindow::BuildLanguageChooser() {
  language_box_ = new QComboBox(this);
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::string_view name = LanguageOf(language).list_text;
    language_box_->addItem(QString::fromUtf8(name.data(), qsizetype(name.size())));
  }
  language_box_->setGeometry(kLanguageChooser);
  language_box_->setCursor(Qt::PointingHandCursor);
  language_box_->hide();
  connect(language_box_, &QComboBox::activated, this, &MainWindow::ChooseLanguage);
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
  language_box_->setVisible(menu);
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
  screen_ = screen;
  if (screen != Screen::Table) model_ = TableModel{};
  exit_action_->setEnabled(screen == Screen::Table);
  score_action_->setEnabled(screen == Screen::Table);
  ShowTitleOrMenuWidgets();
  if (screen != Screen::Table) unsetCursor();
  if (music_) music_->SetMenuShown(screen == Screen::Menu);
  update();
}

void MainWindow::DrawHand(const TDealState& state, int seat, bool face_up) {
  if (seat < 1 || seat > 2) return;
  HandModel& hand = model_.hands[seat];
  const int n = std::min<int>(state.HandCount[seat], kHandSlots);
  hand.cards.assign(state.Hand[seat].begin() + 1, state.Hand[seat].begin() + 1 + n);
  const QRect zone = table::HandRect(seat);
  hand.lefts = HandCardLefts(n, zone.left(), zone.left() + zone.width(), table::kCardWidth);
  hand.face_up = face_up;
  if (seat == 1) model_.wait_text.clear();
  Dirty(WithShadow(zone));
}

void MainWindow::DrawNamePlate(int seat, const NamePlate& plate) {
  if (seat < 1 || seat > 2) return;
  model_.plates[seat] = plate;
  model_.plate_shown[seat] = true;
  Dirty(table::PlateRect(seat));
}

void MainWindow::DrawTrickPanel(int seat, const TrickPanel& panel) {
  if (seat < 1 || seat > 2) return;
  PanelModel& shown = model_.panels[seat];
  shown.shown = true;
  ApplyPanelNumber(shown.score, panel.score);
  ApplyPanelNumber(shown.second, panel.second);
  ApplyPanelNumber(shown.tricks, panel.tricks);
  shown.vulnerable = panel.vulnerable;
  Dirty(WithShadow(table::PanelRect(seat)));
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
  Dirty(WithShadow(table::kDealPanel));
}

void MainWindow::DrawStock(int cards_left) {
  model_.stock = cards_left;
  Dirty(table::kStock);
}

void MainWindow::ClearTableCentre(int seat) {
  if (seat == 0) {
    model_.trick[1] = model_.trick[2] = kEmptyCard;
    model_.result.reset();
  } else if (seat == 1 || seat == 2) {
    model_.trick[seat] = kEmptyCard;
  }
  Dirty(WithShadow(table::kCentre));
}

void MainWindow::DrawTrickCard(int seat, const TCard& card) {
  if (seat < 1 || seat > 2) return;
  model_.trick[seat] = card;
  Dirty(WithShadow(table::TrickCardRect(seat)));
}

void MainWindow::ShowResult(const DealScore& score) {
  model_.result = score;
  Dirty(WithShadow(table::kCentre));
}

void MainWindow::ShowWaitText(const std::string& text) {
  wait_text_ = {text, CurrentLanguage()};
  model_.wait_text = text;
  Dirty(table::kUpperHand);
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
  bidding_ = new TFormTorg(*controller_, this);
  bidding_->setAttribute(Qt::WA_DeleteOnClose);
  // The left column is North's, whichever seat that is here.
  const NamePlate& north = model_.plates[model_.plates[1].north ? 1 : 2];
  const NamePlate& south = model_.plates[model_.plates[1].north ? 2 : 1];
  bidding_->SetNames(Qs(north.name), Qs(south.name));
  // Over the middle of the table, clear of the player's own hand.
  const QPoint origin = mapToGlobal(QPoint(0, 0));
  bidding_->move(origin + QPoint((width() - TFormTorg::kWidth) / 2, 76));
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
  const auto answer = QMessageBox::question(this, BaseTitle(), message,
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  if (was_running) timer_.start();
  return answer == QMessageBox::Yes;
}

void MainWindow::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
    model_.progress = -1;
    Dirty(table::kProgressBar);
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
  repaint(table::kProgressBar);
}

// --- Input ---

int MainWindow::LowerCardAt(QPoint pos) const {
  if (!table::kLowerHand.contains(pos)) return 0;
  const HandModel& hand = model_.hands[2];
  return CardUnderPointer(hand.lefts, hand.cards, table::kCardWidth, pos.x());
}

bool MainWindow::OverHandsOrCentre(QPoint pos) const {
  return table::kUpperHand.contains(pos) || table::kLowerHand.contains(pos) ||
         table::kCentre.contains(pos);
}

void MainWindow::UpdateCursor(QPoint pos) {
  Qt::CursorShape shape = Qt::ArrowCursor;
  if (screen_ == Screen::Table && controller_) {
    const int index = LowerCardAt(pos);
    if (index > 0 && controller_->CanPlayLowerCard(index)) shape = Qt::PointingHandCursor;
  }
  if (cursor().shape() != shape) setCursor(shape);
}

void MainWindow::OnMainTimer() {
  if (screen_ != Screen::Table) {
    ++frame_;
    update(TitlePainter::AnimatedRect(screen_));
  }
  if (controller_) controller_->OnTimerTick();
  if (screen_ == Screen::Table && underMouse()) UpdateCursor(mapFromGlobal(QCursor::pos()));
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
  if (screen_ == Screen::Title) {
    ShowScreen(Screen::Menu);
    return;
  }
  QWidget::mousePressEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (screen_ != Screen::Table || !controller_) return;
  const QPoint pos = event->position().toPoint();
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
  if (upper.face_up && table::kUpperHand.contains(pos)) {
    const int index = CardUnderPointer(upper.lefts, upper.cards, table::kCardWidth, pos.x());
    if (index > 0) return upper.cards[size_t(index) - 1];
  }
  // The lower seat's card lies over the upper seat's.
  for (int seat = 2; seat >= 1; --seat)
    if (!model_.trick[seat].Empty() && table::TrickCardRect(seat).contains(pos))
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
  event->accept();
}

QString MainWindow::ToolTipAt(QPoint pos) const {
  if (screen_ != Screen::Table) return {};
  if (model_.deal.shown && table::kDealPanel.contains(pos)) return Qs(model_.deal.hint);
  for (int seat = 1; seat <= 2; ++seat) {
    const QRect panel = table::PanelRect(seat);
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
      QToolTip::showText(help->globalPos(), tip, this);
    }
    return true;
  }
  return QWidget::event(event);
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (centred_) return;
  centred_ = true;
  if (QScreen* screen = this->screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  table_painter_.PaintFelt(painter, event->rect());
  if (screen_ == Screen::Table) {
    table_painter_.PaintTable(painter, model_);
    return;
  }
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
