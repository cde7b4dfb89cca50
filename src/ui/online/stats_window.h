// "WORLD STATS": the totals the statistics service keeps for the game, and the one "like" an
// installation may send.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "online/world_stats.h"
#include "settings/settings.h"

class QLabel;
class QPushButton;

namespace quorvex {

class TFormStats : public QDialog {
  Q_OBJECT

 public:
  // Asks the statistics service at the settings' `StatsAddress` through `http`.
  // `save_settings` writes the settings file after a like was accepted.
  TFormStats(HttpClient& http, Settings& settings, std::function<void()> save_settings,
             QWidget* parent = nullptr);
  // The same with the statistics requests given.
  TFormStats(WorldStats& stats, Settings& settings, std::function<void()> save_settings,
             QWidget* parent = nullptr);

  QString Line(int index) const;  // 0..9, caption and value as shown
  QPushButton* LikeButton() const { return like_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Build();
  void Show(const std::optional<TZefStat>& totals);
  void Like();
  // The nick a like is sent with; nullopt when the player cancelled the question.
  std::optional<std::string> LikeNick();

  std::unique_ptr<WorldStats> own_stats_;
  WorldStats& stats_;
  Settings& settings_;
  std::function<void()> save_settings_;
  std::optional<TZefStat> totals_;
  QLabel* lines_[10] = {};
  QLabel* note_ = nullptr;
  QPushButton* like_ = nullptr;
};

}  // namespace quorvex
