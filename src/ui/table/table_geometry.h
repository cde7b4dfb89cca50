// Design rectangles of the card table in the 760 x 500 client area (window size 1). Everything
// on the table is placed from here, so the other window sizes can scale it in one place.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace quorvex::table {

inline constexpr QSize kClientSize{760, 500};
inline constexpr int kCardWidth = 69;
inline constexpr int kCardHeight = 94;

inline constexpr QRect kUpperHand{200, 10, 360, kCardHeight};
inline constexpr QRect kLowerHand{100, 394, 560, kCardHeight};
inline constexpr QRect kUpperPanel{53, 109, 155, 95};
inline constexpr QRect kLowerPanel{53, 296, 155, 95};
inline constexpr QRect kUpperPlate{300, 115, 160, 20};
inline constexpr QRect kLowerPlate{300, 370, 160, 20};
inline constexpr QRect kCentre{275, 150, 210, 200};
inline constexpr QRect kStock{581, 150, 100, 166};
inline constexpr QRect kDealPanel{65, 205, 130, 90};
inline constexpr QRect kChatHistory{565, 10, 130, 90};
inline constexpr QRect kMainButton{550, 310, 160, 30};
inline constexpr QRect kEndButton{550, 340, 160, 30};
// "Review", above "Next game" once a deal has ended.
inline constexpr QRect kReviewButton{550, 280, 160, 30};
// The computer's search progress, on the free felt left of the upper hand.
inline constexpr QRect kProgressBar{20, 55, 90, 15};

// Inside the table centre: where each seat's trick card lies, and the result panel.
inline constexpr QPoint kTrickSpot1{70, 0};
inline constexpr QPoint kTrickSpot2{70, 100};
inline constexpr QRect kResultPanel{15, 37, 180, 125};

// Cards and panels overhang their rectangles by their cell frame and shadow.
inline QRect WithShadow(const QRect& r) {
  return r.adjusted(-2, -2, 4, 4);
}

inline QRect HandRect(int seat) {
  return seat == 1 ? kUpperHand : kLowerHand;
}
inline QRect PanelRect(int seat) {
  return seat == 1 ? kUpperPanel : kLowerPanel;
}
inline QRect PlateRect(int seat) {
  return seat == 1 ? kUpperPlate : kLowerPlate;
}
inline QRect TrickCardRect(int seat) {
  const QPoint spot = seat == 1 ? kTrickSpot1 : kTrickSpot2;
  return QRect(kCentre.topLeft() + spot, QSize(kCardWidth, kCardHeight));
}
inline QRect ResultRect() {
  return kResultPanel.translated(kCentre.topLeft());
}

}  // namespace quorvex::table
