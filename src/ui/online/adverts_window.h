// Four other card games a player may enjoy, picked at random from the catalogue on the server:
// each with its picture and name; a click on the picture opens its page in the browser.
#pragma once

#include <QString>
#include <array>
#include <string>

#include "game/platform.h"
#include "online/advert_catalogue.h"
#include "online/http_client.h"
#include "ui/dialogs/designed_dialog.h"

class QToolButton;

namespace quorvex {

class TFormAdverts : public DesignedDialog {
  Q_OBJECT

 public:
  // Downloads the catalogue from `catalogue_address` and the four pictures as it opens.
  TFormAdverts(HttpClient& http, const Settings& settings, Random& random,
               const std::string& catalogue_address, QWidget* parent = nullptr);

  QToolButton* Slot(int index) const { return slots_[size_t(index)]; }
  // The page a slot opens; empty for an inert slot.
  QString SlotLink(int index) const { return links_[size_t(index)]; }

  static constexpr QSize kPictureSize{200, 120};

 private:
  void ShowSlot(int index, HttpClient& http, const Advert& advert);
  void ShowNoConnect(int index);

  std::array<QToolButton*, kAdvertSlots> slots_{};
  std::array<QString, kAdvertSlots> links_{};
};

// Opens the adverts window with the catalogue at its built-in address.
void ShowOtherGames(HttpClient& http, const Settings& settings, QWidget* parent);

}  // namespace quorvex
