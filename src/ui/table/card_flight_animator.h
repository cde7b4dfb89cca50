// Flies a card picture across the window in a straight line, pixel by pixel, at the pace of the
// speed setting. The window is captured once when the flight starts and a child overlay shows
// that picture with the card over it, so the table under the card is never disturbed and each
// step repaints only the card's old and new places.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <memory>

#include "game/card_flight.h"

class QWidget;

namespace quorvex {

class CardFlightAnimator {
 public:
  explicit CardFlightAnimator(QWidget* window);
  ~CardFlightAnimator();
  CardFlightAnimator(const CardFlightAnimator&) = delete;
  CardFlightAnimator& operator=(const CardFlightAnimator&) = delete;

  // The pauses between steps go here; null restores real sleeping.
  void SetSleeper(FlightSleeper* sleeper);

  // Moves the card's top-left corner from `from` to `to` (window coordinates) and returns when
  // it has landed. With remove_at_end what was under the card is shown again on arrival;
  // otherwise the card stays on screen until the window next paints that place. Nothing happens
  // while the window is hidden or another flight runs.
  void Fly(QPoint from, QPoint to, const QPixmap& card, int speed, bool remove_at_end);

  // Set for the flight's duration, so that other code can tell.
  bool Flying() const { return flying_; }

 private:
  class Overlay;

  QWidget* window_;
  Overlay* overlay_ = nullptr;  // a child of the window, which deletes it
  FlightSleeper* sleeper_ = nullptr;
  std::unique_ptr<FlightSleeper> real_sleeper_;
  bool flying_ = false;
};

}  // namespace quorvex
