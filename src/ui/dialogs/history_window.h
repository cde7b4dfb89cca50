// "History of games": the valid history files in a list, the chosen one's records in a grid.
#pragma once

#include <filesystem>
#include "ui/dialogs/designed_dialog.h"

class QListWidget;
class QTableWidget;

namespace quorvex {

class TFHistory : public DesignedDialog {
  Q_OBJECT

 public:
  TFHistory(const std::filesystem::path& program_dir, const Settings& settings,
            QWidget* parent = nullptr);

  QListWidget* List() const { return list_; }
  QTableWidget* SG() const { return grid_; }

 private:
  void ShowFile(int row);

  std::filesystem::path dir_;
  std::vector<int> numbers_;  // the file number of each list row
  QListWidget* list_ = nullptr;
  QTableWidget* grid_ = nullptr;
};

}  // namespace quorvex
