// The card table at the window's real size: every design rectangle of the 760 x 500 table placed
// by the scale helpers (position keeping the element's centre, size by the size factor), the
// card size of the loaded card pictures, and the two buttons with their own rule.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "settings/window_scale.h"

namespace quorvex {

class TableLayout {
 public:
  TableLayout();

  // The window size 1..5 with its scale, the card picture size (the face without the cell's
  // frame) and how far the trick cards move right in design units.
  void Set(int window_size, const WindowScale& scale, QSize card, int trick_offset);

  int WindowSize() const { return window_size_; }
  const WindowScale& Scale() const { return scale_; }
  QSize ClientSize() const { return {scale_.client_width, scale_.client_height}; }
  // Pictures named "...Sm" are drawn as they are at window size 1, the "...Bg" twin stretched
  // to the element at the others.
  bool BigPictures() const { return window_size_ != 1; }

  // A design rectangle of the client area at the real size.
  QRect Place(const QRect& design) const;
  // A design length inside an element.
  int Size(int design) const;
  // A point inside an element given in the element's own design units.
  QPoint Inside(const QRect& element, QPoint design_offset) const;

  QSize Card() const { return card_; }
  // The zone of a hand (seat 1 upper, 2 lower): its real left and right ends and top.
  QRect Hand(int seat) const;
  QRect Panel(int seat) const;
  QRect Plate(int seat) const;
  QRect Centre() const;
  QRect Stock() const;
  QRect DealPanel() const;
  QRect ChatHistory() const;
  QRect ProgressBar() const;
  // A seat's card on the table, and the result panel inside the centre.
  QRect TrickCard(int seat) const;
  QRect Result() const;
  // The main action and end buttons, placed without keeping their centres.
  QRect MainButton() const;
  QRect EndButton() const;

 private:
  int window_size_ = 1;
  WindowScale scale_;
  QSize card_{69, 94};
  int trick_offset_ = 0;
};

}  // namespace quorvex
