#include "ui/table/table_layout.h"

#include "ui/table/table_geometry.h"

namespace quorvex {

namespace {
int Round(const ScaleFactor& f, int value) {
  return static_cast<int>(RoundHalfEven(f.num * value, f.den));
}
}  // namespace

TableLayout::TableLayout() : scale_(WindowScaleFor(1, 0, 0)) {}

void TableLayout::Set(int window_size, const WindowScale& scale, QSize card, int trick_offset) {
  window_size_ = window_size;
  scale_ = scale;
  card_ = card;
  trick_offset_ = trick_offset;
}

QRect TableLayout::Place(const QRect& design) const {
  return QRect(ScaleX(scale_, design.left(), design.width()),
               ScaleY(scale_, design.top(), design.height()), ScaleSize(scale_, design.width()),
               ScaleSize(scale_, design.height()));
}

int TableLayout::Size(int design) const {
  return ScaleSize(scale_, design);
}

QPoint TableLayout::Inside(const QRect& element, QPoint design_offset) const {
  return element.topLeft() + QPoint(Size(design_offset.x()), Size(design_offset.y()));
}

QRect TableLayout::Hand(int seat) const {
  const QRect zone = Place(table::HandRect(seat));
  return QRect(zone.left(), zone.top(), zone.width(), card_.height());
}

QRect TableLayout::Panel(int seat) const {
  return Place(table::PanelRect(seat));
}

QRect TableLayout::Plate(int seat) const {
  return Place(table::PlateRect(seat));
}

QRect TableLayout::Centre() const {
  return Place(table::kCentre);
}

QRect TableLayout::Stock() const {
  return Place(table::kStock);
}

QRect TableLayout::DealPanel() const {
  return Place(table::kDealPanel);
}

QRect TableLayout::ChatHistory() const {
  return Place(table::kChatHistory);
}

QRect TableLayout::ProgressBar() const {
  return Place(table::kProgressBar);
}

QRect TableLayout::TrickCard(int seat) const {
  const QPoint spot = seat == 1 ? table::kTrickSpot1 : table::kTrickSpot2;
  return QRect(Inside(Centre(), spot + QPoint(trick_offset_, 0)), card_);
}

QRect TableLayout::Result() const {
  const QRect r = table::kResultPanel;
  return QRect(Inside(Centre(), r.topLeft()), QSize(Size(r.width()), Size(r.height())));
}

QRect TableLayout::MainButton() const {
  const QRect r = table::kMainButton;
  return QRect(Round(scale_.x, r.left()), Round(scale_.y, r.top()), Round(scale_.x, r.width()),
               Round(scale_.size, r.height()));
}

QRect TableLayout::EndButton() const {
  const QRect r = table::kEndButton;
  // The end button sits one scaled button height below the main one: round(y 310 + y 30).
  const ScaleFactor& y = scale_.y;
  const int top = static_cast<int>(RoundHalfEven(y.num * (table::kMainButton.top() + 30), y.den));
  return QRect(Round(scale_.x, r.left()), top, Round(scale_.x, r.width()),
               Round(scale_.size, r.height()));
}

}  // namespace quorvex
