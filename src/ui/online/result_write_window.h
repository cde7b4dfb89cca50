// The window after an unrated cycle of 20 deals that offers to send its score to the Windows
// world list under the player's passport, with the passport at hand to fix it first.
#pragma once

#include <cstdint>

#include "online/result_offer.h"
#include "ui/dialogs/designed_dialog.h"
#include "ui/online/world_lists_context.h"

class QLabel;
class QPushButton;

namespace quorvex {

class TFormResultWrite : public DesignedDialog {
  Q_OBJECT

 public:
  TFormResultWrite(WorldListsContext& context, int64_t cycle_score, QWidget* parent = nullptr);

  QPushButton* SendButton() const { return send_; }
  QPushButton* PassportButton() const { return passport_; }
  QPushButton* CloseButton() const { return close_; }
  // The lines as shown: nick, city, score, and the place (empty until a send went through).
  QString NickText() const;
  QString CityText() const;
  QString ScoreText() const;
  QString PlaceText() const;
  // The place the list gave, -1 until a send went through.
  int64_t Place() const { return place_; }

 private:
  void ShowPassportLines();
  void Send();
  void EditPassport();

  WorldListsContext& context_;
  int64_t score_;
  int64_t place_ = -1;
  ResultOffer offer_;
  QLabel* face_ = nullptr;
  QLabel* nick_ = nullptr;
  QLabel* flag_ = nullptr;
  QLabel* city_ = nullptr;
  QLabel* score_value_ = nullptr;
  QLabel* place_caption_ = nullptr;
  QLabel* place_value_ = nullptr;
  QPushButton* send_ = nullptr;
  QPushButton* passport_ = nullptr;
  QPushButton* close_ = nullptr;
};

// Opens the window for the score of the cycle just completed. While the online configuration
// pauses the world top ten, only says so.
void OfferResultWrite(WorldListsContext& context, int cycle_score, QWidget* parent);

}  // namespace quorvex
