// "History of games": the valid history files in a list, the chosen one's records in a grid;
// below them the recorded deals, newest first, to review or to save as PBN.
#pragma once

#include <filesystem>
#include <functional>
#include <vector>

#include "records/deal_record.h"
#include "ui/dialogs/designed_dialog.h"

class QListWidget;
class QPushButton;
class QTableWidget;

namespace quorvex {

class TFHistory : public DesignedDialog {
  Q_OBJECT

 public:
  TFHistory(const std::filesystem::path& program_dir, const Settings& settings,
            QWidget* parent = nullptr);

  QListWidget* List() const { return list_; }
  QTableWidget* SG() const { return grid_; }
  QListWidget* Deals() const { return deals_; }
  QPushButton* ReviewButton() const { return review_button_; }
  QPushButton* SavePbnButton() const { return save_button_; }

  // What the deal buttons do; each is greyed while it is not set or nothing is chosen.
  void SetReviewOpener(std::function<void(const DealRecord&, QWidget*)> open);
  void SetPbnSaver(std::function<void(const std::vector<DealRecord>&, QWidget*)> save);

 private:
  void ShowFile(int row);
  std::vector<DealRecord> ChosenDeals() const;
  void UpdateDealButtons();

  std::filesystem::path dir_;
  std::vector<int> numbers_;  // the file number of each list row
  QListWidget* list_ = nullptr;
  QTableWidget* grid_ = nullptr;
  std::vector<DealRecord> records_;  // newest first, as the deal list shows them
  QListWidget* deals_ = nullptr;
  QPushButton* review_button_ = nullptr;
  QPushButton* save_button_ = nullptr;
  std::function<void(const DealRecord&, QWidget*)> open_review_;
  std::function<void(const std::vector<DealRecord>&, QWidget*)> save_pbn_;
};

}  // namespace quorvex
