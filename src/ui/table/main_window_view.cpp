// The table as the controller asks to see it: the window's side of the game's view, drawn into
// the table's model and repainted where it changed.
#include <QApplication>
#include <QLoggingCategory>
#include <QMessageBox>

#include "game/card_flight.h"
#include "game/hand_layout.h"
#include "locale/lang_text.h"
#include "sound/effects.h"
#include "ui/dialogs/bidding_dialog.h"
#include "ui/dialogs/modal_run.h"
#include "ui/dialogs/notice_window.h"
#include "ui/media/gif_capture.h"
#include "ui/media/music_player.h"
#include "ui/media/sound_player.h"
#include "ui/table/card_flight_animator.h"
#include "ui/table/main_window.h"
#include "ui/table/table_geometry.h"

Q_LOGGING_CATEGORY(lcSound, "quorvex.sound")

namespace quorvex {

namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str(), qsizetype(text.size()));
}

void ApplyPanelNumber(std::optional<int32_t>& slot, int32_t value) {
  if (value == kPanelKeep) return;
  if (value == kPanelErase) {
    slot.reset();
  } else {
    slot = value;
  }
}

}  // namespace

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
  Dirty(table::WithShadow(layout_.Panel(seat)));
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
  Dirty(table::WithShadow(layout_.DealPanel()));
}

void MainWindow::DrawStock(int cards_left) {
  model_.stock = cards_left;
  Dirty(table::WithShadow(layout_.Stock()));
}

void MainWindow::ClearTableCentre(int seat) {
  if (seat == 0) {
    model_.trick[1] = model_.trick[2] = kEmptyCard;
    model_.result.reset();
  } else if (seat == 1 || seat == 2) {
    model_.trick[seat] = kEmptyCard;
  }
  Dirty(table::WithShadow(layout_.Centre())
            .united(table::WithShadow(layout_.TrickCard(1)))
            .united(table::WithShadow(layout_.TrickCard(2))));
}

void MainWindow::DrawTrickCard(int seat, const TCard& card) {
  if (seat < 1 || seat > 2) return;
  model_.trick[seat] = card;
  Dirty(table::WithShadow(layout_.TrickCard(seat)));
}

void MainWindow::ShowResult(const DealScore& score) {
  model_.result = score;
  Dirty(table::WithShadow(layout_.Centre()));
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

void MainWindow::OfferReview(bool on) {
  review_offered_ = on;
  review_button_->setText(Shown(review_caption_));
  review_button_->setVisible(on && open_review_ && screen_ == Screen::Table);
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

}  // namespace quorvex
