#include "ui/table/card_flight_animator.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <chrono>
#include <thread>

namespace quorvex {

namespace {

class ThreadSleeper : public FlightSleeper {
 public:
  void SleepMs(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

// The card rectangle widened by two pixels, so smoothing at its edge leaves nothing behind.
QRect Footprint(QPoint top_left, const QSize& size) {
  return QRect(top_left, size).adjusted(-2, -2, 2, 2);
}

}  // namespace

// Shows the window as it was when the flight started, with the card over it.
class CardFlightAnimator::Overlay : public QWidget {
 public:
  explicit Overlay(QWidget* window) : QWidget(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
  }

  void Start(const QPixmap& background, const QPixmap& card) {
    background_ = background;
    card_ = card;
    card_shown_ = false;
    setGeometry(parentWidget()->rect());
    raise();
    show();
  }

  // The card's logical size.
  QSize CardSize() const { return card_.deviceIndependentSize().toSize(); }

  void MoveCard(QPoint top_left) {
    QRegion dirty = Footprint(top_left, CardSize());
    if (card_shown_) dirty += Footprint(card_at_, CardSize());
    card_at_ = top_left;
    card_shown_ = true;
    repaint(dirty);
  }

  void EraseCard() {
    if (!card_shown_) return;
    card_shown_ = false;
    repaint(Footprint(card_at_, CardSize()));
  }

  void Finish() {
    hide();
    background_ = QPixmap();
    card_ = QPixmap();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    const qreal ratio = background_.devicePixelRatio();
    for (const QRect& r : event->region()) {
      const QRectF source(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio);
      painter.drawPixmap(QRectF(r), background_, source);
    }
    if (card_shown_) painter.drawPixmap(card_at_, card_);
  }

 private:
  QPixmap background_;
  QPixmap card_;
  QPoint card_at_;
  bool card_shown_ = false;
};

CardFlightAnimator::CardFlightAnimator(QWidget* window)
    : window_(window), real_sleeper_(std::make_unique<ThreadSleeper>()) {
  sleeper_ = real_sleeper_.get();
}

CardFlightAnimator::~CardFlightAnimator() = default;

void CardFlightAnimator::SetSleeper(FlightSleeper* sleeper) {
  sleeper_ = sleeper ? sleeper : real_sleeper_.get();
}

void CardFlightAnimator::Fly(QPoint from, QPoint to, const QPixmap& card, int speed,
                             bool remove_at_end) {
  if (flying_ || !window_ || !window_->isVisible() || card.isNull()) return;
  if (!overlay_) overlay_ = new Overlay(window_);
  flying_ = true;

  // The flight holds the window thread as the game expects: timers and peer messages wait
  // until the card has landed, so no move can start in the middle of another. Each step is
  // painted at once instead of through the event loop, which keeps the animation on screen
  // without letting anything else run.
  overlay_->Start(window_->grab(), card);
  overlay_->repaint();
  RunFlight(
      {from.x(), from.y()}, {to.x(), to.y()}, speed,
      [this](FlightPoint p) { overlay_->MoveCard(QPoint(p.x, p.y)); }, *sleeper_);
  if (remove_at_end) overlay_->EraseCard();
  overlay_->Finish();
  flying_ = false;
}

}  // namespace quorvex
