// Opens the review of a recorded deal from the table or the history window: the deal with its
// kept analysis when there is one, the analysis kept in the deal records once it is done, and
// "Play this deal again" handed to the game when the session can take it.
#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>
#include <vector>

#include "records/deal_record.h"
#include "settings/settings.h"
#include "ui/dialogs/review_window.h"

namespace quorvex {

class ClubKeeper;
class GameController;

class DealReviews {
 public:
  DealReviews(std::filesystem::path program_dir, const Settings& settings,
              GameController& controller, ClubKeeper& keeper);

  // The search the windows run; the program's own unless a test gives another.
  void SetAnalyser(DealAnalyser analyser) { analyser_ = std::move(analyser); }
  // "Save as PBN…" of the windows; greyed while none is set.
  void SetSavePbn(std::function<void(const DealRecord&, QWidget*)> save) {
    save_pbn_ = std::move(save);
  }

  // Asks for a file and writes the deals to it as PBN; false when nothing was written (the
  // player was told when the write failed).
  static bool SavePbn(const std::vector<DealRecord>& deals, QWidget* parent);

  // The deal that ended last; false when there is none.
  bool OpenLast(QWidget* parent);
  // A deal of the records, opened over `parent`; it runs modal.
  void Open(const DealRecord& record, QWidget* parent);

 private:
  std::filesystem::path dir_;
  const Settings& settings_;
  GameController& controller_;
  ClubKeeper& keeper_;
  DealAnalyser analyser_;
  std::function<void(const DealRecord&, QWidget*)> save_pbn_;
};

}  // namespace quorvex
