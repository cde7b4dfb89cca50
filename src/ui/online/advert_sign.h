// The two advert pictures of the main menu: "GAdvGames" opens the other games' adverts
// (ShowOtherGames), "GAdvSupport" the "Support us!" window (ShowSupportUs). A click emits
// clicked().
#pragma once

#include <QWidget>

namespace quorvex {

class AdvertSign : public QWidget {
  Q_OBJECT

 public:
  enum class Kind { OtherGames, SupportUs };

  explicit AdvertSign(Kind kind, QWidget* parent = nullptr);

  Kind SignKind() const { return kind_; }
  QString PictureName() const;
  // "Other games" or "Support us!", drawn along the picture's foot.
  QString Caption() const;

  static constexpr QSize kSize{120, 72};

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void UpdateHint();

  Kind kind_;
};

}  // namespace quorvex
