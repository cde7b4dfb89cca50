// "History of games": the valid history files in a list, the chosen one's records in a grid.
#pragma once

#include <QDialog>
#include <filesystem>

class QListWidget;
class QTableWidget;

namespace quorvex {

class TFHistory : public QDialog {
  Q_OBJECT

 public:
  explicit TFHistory(const std::filesystem::path& program_dir, QWidget* parent = nullptr);

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
